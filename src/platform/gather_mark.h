// The mark of the list that collects the files the shell opens together: one
// per user session, NuvoPick installation and extension. The first start takes
// it; further starts hand their file to its holder.
#pragma once

#include <functional>
#include <string>

namespace nuvopick {

enum class THandOver {
  Taken,       // the holder took the file: this start has nothing left to do
  Refused,     // the holder has launched already, or would not take this file
  NoCollector  // nobody holds the mark (any more)
};

class IGatherMark {
 public:
  // Asked about every file handed over while the mark is held; true when it was taken.
  using TReceiver = std::function<bool(const std::u16string& path)>;

  virtual ~IGatherMark() = default;

  // Takes the mark Name in one step, so that of two starts at the same moment
  // only one holds it. False, and nothing taken, when another start holds it.
  virtual bool Claim(const std::u16string& name, TReceiver receiver) = 0;

  // Hands Path to the holder of the mark Name and waits for its answer.
  virtual THandOver HandOver(const std::u16string& name, const std::u16string& path) = 0;

  // Gives the mark up, when held: the next start for the extension takes it anew.
  virtual void Release() = 0;
};

}  // namespace nuvopick
