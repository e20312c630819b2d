// File and folder dialogs for the tests: each dialog run is recorded, and the
// user's choice comes from a script (cancelled when the script has run out).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace nuvopick::testing {

class ScriptedFileDialogs : public IFileDialogs {
 public:
  // The filters of the open dialogs run, and "<folder>" for each folder browser.
  std::vector<std::string> shown;
  // The folders the open dialogs started in.
  std::vector<std::string> initialDirs;
  std::deque<std::optional<std::string>> choices;

  std::optional<std::string> OpenFile(const std::string& filter,
                                      const std::string& initialDir) override {
    shown.push_back(filter);
    initialDirs.push_back(initialDir);
    return Next();
  }
  std::optional<std::string> BrowseFolder() override {
    shown.push_back("<folder>");
    return Next();
  }

 private:
  std::optional<std::string> Next() {
    if (choices.empty()) return std::nullopt;
    std::optional<std::string> choice = choices.front();
    choices.pop_front();
    return choice;
  }
};

}  // namespace nuvopick::testing
