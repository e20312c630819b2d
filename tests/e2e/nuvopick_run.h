// One run of the real NuvoPick.exe: a copy of it in a folder of the test's own
// (so that its settings file is the test's too), started with given arguments.
#pragma once

#include <memory>
#include <string>

#include "support/win/process.h"
#include "support/win/temp_folder.h"

namespace nuvopick::testing {

class TNuvoPickRun {
 public:
  explicit TNuvoPickRun(const std::string& testName);

  const TTempFolder& Folder() const { return folder_; }
  std::string ExePath() const { return folder_ / "NuvoPick.exe"; }
  std::string SettingsPath() const { return folder_ / "NuvoPick.ini"; }

  // Starts the copy; Arguments follow the program's quoted path as they stand.
  TProcess& Start(const std::string& arguments);
  TProcess& Start(const std::u16string& arguments);
  TProcess& Process() { return *process_; }

 private:
  TTempFolder folder_;
  std::unique_ptr<TProcess> process_;
};

}  // namespace nuvopick::testing
