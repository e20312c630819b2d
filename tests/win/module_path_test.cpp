// Where the running exe is, and so where its settings file is.
#include "platform/win/module_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "settings/settings_path.h"
#include "support/win/process.h"
#include "support/win/recorder_output.h"
#include "support/win/temp_folder.h"
#include "text/dbcs.h"

namespace nuvopick {
namespace {

using namespace testing;

TEST(RunningExe, TheSettingsFileIsTheExePathWithIniInPlaceOfExe) {
  // A copy of a program under another name, in a folder whose name ends in a
  // double-byte character whose second byte is a backslash (表, 0x95 0x5C).
  TTempFolder folder("v1.2 表");
  const std::string copy = folder / "Pick Me.exe";
  ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\recorder.exe").c_str(), copy.c_str(), FALSE));

  TProcess process(copy, "\"" + copy + "\"", folder.Path());
  ASSERT_EQ(process.WaitForExit(10000), 0u);
  auto recorded = ReadRecorderOutput(copy);

  EXPECT_TRUE(SameTextAscii(recorded["exePath"], copy)) << recorded["exePath"];
  EXPECT_TRUE(SameTextAscii(recorded["settingsPath"], folder / "Pick Me.ini"))
      << recorded["settingsPath"];
}

TEST(RunningExe, TheOwnPathIsAFullPathToThisProgram) {
  const std::string path = win::RunningExePath();
  EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(path.substr(path.size() - 22), "nuvopick_win_tests.exe");
}

}  // namespace
}  // namespace nuvopick
