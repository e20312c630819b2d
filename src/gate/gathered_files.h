// The files that one list collects from the starts that follow it: the mark's
// name they meet under, which files it takes, and the hint that names them.
#pragma once

#include <string>
#include <vector>

namespace nuvopick {

// The name of the mark for files of OpenedFile's extension opened through the
// NuvoPick at ExePath, in the user's session ("Local\..."). The extension is
// written so that any UTF-16 text is safe in the name and letter case does not
// count; the path is hashed, without regard to ASCII letter case.
std::u16string GatherMarkName(const std::string& exePath, const std::u16string& openedFile);

class TGatheredFiles {
 public:
  // First: the file this start was given; it stays the first of the list.
  explicit TGatheredFiles(std::u16string first);

  // Adds Path at the end while the list is open; refuses a file of another
  // extension and anything that cannot be a path.
  bool Accept(const std::u16string& path);
  // From now on every file is refused: the list has launched or closed.
  void Close() { open_ = false; }

  const std::vector<std::u16string>& Files() const { return files_; }

 private:
  std::u16string key_;
  std::vector<std::u16string> files_;
  bool open_ = true;
};

// The hint over the list: the first file's path, and when there are more, a
// line that counts them.
std::u16string GatheredFilesHint(const std::vector<std::u16string>& files);

}  // namespace nuvopick
