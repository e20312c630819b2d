#include "gate/launch_request.h"

#include <gtest/gtest.h>

namespace nuvopick {
namespace {

const std::string kSystem = "C:\\WINDOWS\\system32";

TExeInfo Entry(const std::string& appPath, const std::string& param,
               const std::string& dirPath = "C:\\work", std::int32_t showCmd = 1) {
  TExeInfo entry;
  entry.AppPath = appPath;
  entry.Param = param;
  entry.DirPath = dirPath;
  entry.ShowCmd = showCmd;
  return entry;
}

TEST(FileExtension, IsTakenFromTheFileNameOnly) {
  struct Case {
    const char* path;
    const char* extension;
    const char* folder;
  };
  const Case cases[] = {
      {"C:\\My Files\\a.txt", ".txt", "C:\\My Files\\"},
      {"C:\\d\\A.TXT", ".TXT", "C:\\d\\"},
      {"C:\\d\\archive.tar.gz", ".gz", "C:\\d\\"},
      {"C:\\d\\README", "", "C:\\d\\"},
      {"C:\\v1.2\\README", "", "C:\\v1.2\\"},
      {"C:\\d\\a.", ".", "C:\\d\\"},
      {"C:a.txt", ".txt", "C:"},
      {"a.txt", ".txt", ""},
      // The second byte of "表" is a backslash and must not end the folder.
      {"C:\\d\\表.txt", ".txt", "C:\\d\\"},
      {"C:\\表.d\\file", "", "C:\\表.d\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FileExtensionOf(c.path), c.extension);
    EXPECT_EQ(FileFolderOf(c.path), c.folder);
  }
  EXPECT_TRUE(IsProgramFile("C:\\x\\setup.EXE"));
  EXPECT_TRUE(IsProgramFile("C:\\x\\edit.Com"));
  EXPECT_FALSE(IsProgramFile("C:\\x.exe\\readme"));
  EXPECT_FALSE(IsProgramFile("C:\\x\\setup.exe.txt"));
}

TEST(EntryLaunchRequest, QuotesProgramAndFolderAndFillsTheTemplate) {
  struct Case {
    const char* appPath;
    const char* param;
    const char* parameters;
  };
  const Case cases[] = {
      {"C:\\Tools\\ed.exe", "%1", "C:\\My Files\\a.txt"},
      {"\"C:\\Tools\\ed.exe\"", "%1", "C:\\My Files\\a.txt"},
      {"C:\\Tools\\ed.exe", "\"%1\"", "\"C:\\My Files\\a.txt\""},
      {"C:\\Tools\\ed.exe", "-x %%1 %1%", "-x %1 C:\\My Files\\a.txt%"},
      {"C:\\Tools\\ed.exe", "%a", "a"},
      // Without "%1" the file is not passed at all.
      {"C:\\Tools\\ed.exe", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.appPath) + " " + c.param);
    const TLaunchRequest request = EntryLaunchRequest(Entry(c.appPath, c.param, "C:\\work", 3),
                                                      "C:\\My Files\\a.txt", kSystem);
    EXPECT_EQ(request,
              (TLaunchRequest{"open", "\"C:\\Tools\\ed.exe\"", c.parameters, "\"C:\\work\"", 3}));
  }
}

TEST(EntryLaunchRequest, TheInterpreterRunsTheWholeCommandHidden) {
  TExeInfo entry = Entry("C:\\T\\t.exe", "%1", "C:\\d", 3);
  entry.IsUseCmdp = true;
  EXPECT_EQ(EntryLaunchRequest(entry, "C:\\d\\f.txt", kSystem),
            (TLaunchRequest{"open", "C:\\WINDOWS\\system32\\cmd.exe",
                            "/C \"\"C:\\T\\t.exe\" C:\\d\\f.txt\"", "\"C:\\d\"", kShowHide}));

  // With nothing to pass the blank before the closing quote stays.
  entry.Param.clear();
  EXPECT_EQ(EntryLaunchRequest(entry, "C:\\d\\f.txt", kSystem).Parameters,
            "/C \"\"C:\\T\\t.exe\" \"");
}

TEST(ProgramFileLaunchRequest, StartsTheProgramWithoutItsExtensionShownNormally) {
  EXPECT_EQ(ProgramFileLaunchRequest(false, "C:\\x\\setup.EXE", kSystem),
            (TLaunchRequest{"", "C:\\x\\setup", "", "", kShowNormal}));
  // Through the interpreter only the program and its parameters change.
  EXPECT_EQ(ProgramFileLaunchRequest(true, "C:\\x\\setup.EXE", kSystem),
            (TLaunchRequest{"", "C:\\WINDOWS\\system32\\cmd.exe", "/C \"C:\\x\\setup \"", "",
                            kShowNormal}));
}

}  // namespace
}  // namespace nuvopick
