// Entries run through the command interpreter, with files whose names hold what
// cmd.exe would otherwise read as operators, variables or breaks: the real
// NuvoPick.exe opens them, cmd.exe runs the command, and recorder.exe must get
// the command line a start without the interpreter would give it.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "nuvopick_run.h"
#include "support/win/recorder_output.h"
#include "text/ansi_text.h"
#include "text/text_helpers.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 10000;

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// What recorder.exe (under whatever name) was started with; empty when it was not.
std::map<std::string, std::string> WaitForRecord(const std::string& recorderExe) {
  const std::string out = recorderExe.substr(0, recorderExe.size() - 4) + ".out";
  const DWORD start = GetTickCount();
  while (!Exists(out) && GetTickCount() - start < kTimeout) Sleep(20);
  Sleep(100);  // let the recorder finish writing
  return ReadRecorderOutput(recorderExe);
}

class GateInterpreterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Set for the gate to inherit: a name that cmd would expand if it could.
    SetEnvironmentVariableA("NPVAR", "EXPANDED");
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  void TearDown() override { SetEnvironmentVariableA("NPVAR", nullptr); }

  // One entry for Section that runs Program through the interpreter with the
  // template Param; the gate launches it at once.
  void WriteSettings(const std::string& section, const std::string& program,
                     const std::string& param) {
    WriteFileText(run.SettingsPath(), "[" + section + "]\r\nCount=1\r\nName_0=R\r\nAppPath_0=" +
                                          program + "\r\nParam_0=" + param +
                                          "\r\nIsUseCmdp_0=1\r\n\r\n[]\r\nIsWait=0\r\n"
                                          "IsOnly1Exe=1\r\n");
  }

  // Opens Path as the shell does: the program's open command with the path quoted.
  void Open(const std::string& path) {
    TProcess& gate = run.Start("\"" + path + "\"");
    ASSERT_EQ(gate.WaitForExit(kTimeout), 0u);
  }

  TNuvoPickRun run{"gatecmd"};
  const std::string ext = "npc" + std::to_string(GetCurrentProcessId());
  const std::string recorder = run.Folder() / "recorder.exe";
  const std::string folder = run.Folder() / "表 dir";
};

TEST_F(GateInterpreterTest, TheProgramGetsTheFilesPathAsAStartWithoutTheInterpreterWould) {
  ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\recorder.exe").c_str(), recorder.c_str(), FALSE));
  struct Case {
    std::string name;
    std::string param;
  };
  const Case cases[] = {
      {"x&mkdir INJ&y." + ext, "%1"},
      {"p%NPVAR%q." + ext, "\"%1\""},
      {"(a) ^b|c <d> !NPVAR!." + ext, "-x %1%"},
  };
  for (const Case& c : cases) {
    const std::string file = folder + "\\" + c.name;
    SCOPED_TRACE(file + "  " + c.param);
    WriteFileText(file, "a document");
    DeleteFileA((run.Folder() / "recorder.out").c_str());
    WriteSettings(ext, recorder, c.param);
    Open(file);
    EXPECT_EQ(
        RecorderWideValue(WaitForRecord(recorder), "wideCommandLine"),
        WidenAnsi("\"" + recorder + "\" ") + ExpandParam(WidenAnsi(c.param), WidenAnsi(file)));
    EXPECT_FALSE(Exists(folder + "\\INJ"));
    EXPECT_FALSE(Exists(run.Folder() / "INJ"));
  }
}

TEST_F(GateInterpreterTest, AProgramFileIsStartedAsThatVeryFile) {
  // Blanks and "&" in its folder: cmd must neither cut the path nor run its rest.
  const std::string programFolder = run.Folder() / "R&D x";
  CreateDirectoryA(programFolder.c_str(), nullptr);
  const std::string tool = programFolder + "\\tool.exe";
  ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\recorder.exe").c_str(), tool.c_str(), FALSE));
  WriteSettings("exe", recorder, "%1");
  Open(tool);
  auto record = WaitForRecord(tool);
  EXPECT_EQ(record["exePath"], tool);
  EXPECT_EQ(record["firstArgument"], "");
  EXPECT_EQ(record["commandLine"].rfind("\"" + tool + "\"", 0), 0u) << record["commandLine"];
  EXPECT_FALSE(Exists(run.Folder() / "R"));
}

}  // namespace
}  // namespace nuvopick::testing
