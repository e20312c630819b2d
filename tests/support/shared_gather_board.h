// The gather marks of one user session for the tests: every start's mark is a
// view of one shared board, on which taking a name is a single step, as the
// system's named objects make it. A handover reaches the holder's receiver at
// once, as if the holder were waiting for messages at that moment.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/gather_mark.h"

namespace nuvopick::testing {

struct SharedGatherBoard {
  std::map<std::u16string, IGatherMark::TReceiver> holders;
  // Holders that are letting go: their mark still stops a claim, and they are
  // found for one last handover, which they answer as they now do.
  std::map<std::u16string, IGatherMark::TReceiver> leaving;
};

class BoardGatherMark : public IGatherMark {
 public:
  explicit BoardGatherMark(SharedGatherBoard& board) : board_(board) {}
  ~BoardGatherMark() override { Release(); }

  bool Claim(const std::u16string& name, TReceiver receiver) override {
    if (board_.leaving.count(name) != 0) return false;
    if (!board_.holders.emplace(name, std::move(receiver)).second) return false;
    held_ = name;
    return true;
  }

  THandOver HandOver(const std::u16string& name, const std::u16string& path) override {
    if (auto last = board_.leaving.extract(name)) {
      return last.mapped()(path) ? THandOver::Taken : THandOver::Refused;
    }
    const auto holder = board_.holders.find(name);
    if (holder == board_.holders.end()) return THandOver::NoCollector;
    return holder->second(path) ? THandOver::Taken : THandOver::Refused;
  }

  void Release() override {
    if (held_) board_.holders.erase(*held_);
    held_.reset();
  }

  bool Holds() const { return held_.has_value(); }

 private:
  SharedGatherBoard& board_;
  std::optional<std::u16string> held_;
};

}  // namespace nuvopick::testing
