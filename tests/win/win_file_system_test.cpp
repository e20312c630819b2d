#include "platform/win/win_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/win/temp_folder.h"

namespace nuvopick::win {
namespace {

using testing::ReadFileText;
using testing::TTempFolder;
using testing::WriteFileText;

size_t FilesIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  size_t count = 0;
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

TEST(WinFileSystem, ReplacesTheWholeFileAndLeavesNothingBehind) {
  TTempFolder folder("replace");
  const std::string path = folder / "NuvoPick.ini";
  WriteFileText(path, "old settings, longer than the new ones\r\n");
  TWinFileSystem files;

  EXPECT_TRUE(files.WriteAllAtomically(path, "[]\r\nIsWait=0\r\n\r\n"));
  EXPECT_EQ(ReadFileText(path), "[]\r\nIsWait=0\r\n\r\n");
  EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(WinFileSystem, AFailedWriteKeepsTheOldFile) {
  TTempFolder folder("refused");
  const std::string path = folder / "NuvoPick.ini";
  WriteFileText(path, "[]\r\nIsWait=1\r\n");
  TWinFileSystem files;

  // Another process holding the file without sharing delete access makes the
  // replace fail, as an antivirus scanner or an editor may on a real system.
  HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files.WriteAllAtomically(path, "new"));
  CloseHandle(holder);

  EXPECT_EQ(ReadFileText(path), "[]\r\nIsWait=1\r\n");
  EXPECT_EQ(FilesIn(folder.Path()), 1u) << "the temporary file must not be left behind";
}

TEST(WinFileSystem, ReplacesAFileThatListsAreReading) {
  TTempFolder folder("held");
  const std::string path = folder / "NuvoPick.ini";
  WriteFileText(path, "[]\r\nIsWait=1\r\n");
  TWinFileSystem files;

  // Held as a pick list holds the settings while it reads them.
  HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(files.WriteAllAtomically(path, "[]\r\nIsWait=0\r\n"));
  char seen[32] = {};
  DWORD read = 0;
  ReadFile(reader, seen, sizeof seen - 1, &read, nullptr);
  CloseHandle(reader);

  EXPECT_STREQ(seen, "[]\r\nIsWait=1\r\n") << "the reader goes on with the file it opened";
  EXPECT_EQ(ReadFileText(path), "[]\r\nIsWait=0\r\n");
  EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(WinFileSystem, AWriteIntoAMissingFolderFails) {
  TTempFolder folder("missing");
  TWinFileSystem files;
  EXPECT_FALSE(files.WriteAllAtomically(folder / "no such folder\\NuvoPick.ini", "x"));
}

TEST(WinFileSystem, WorksInAFolderWhoseNameEndsInABackslashByte) {
  // 表 is 0x95 0x5C: its second byte is a backslash.
  TTempFolder folder("表");
  const std::string path = folder / "表.ini";
  TWinFileSystem files;

  EXPECT_FALSE(files.ReadAll(path).has_value());
  ASSERT_TRUE(files.WriteAllAtomically(path, "x=表\r\n"));
  EXPECT_TRUE(files.FileExists(path));
  EXPECT_TRUE(files.DirectoryExists(folder.Path()));
  EXPECT_FALSE(files.FileExists(folder.Path()));
  EXPECT_EQ(files.ReadAll(path).value_or(""), "x=表\r\n");
  EXPECT_TRUE(files.RemoveFile(path));
  EXPECT_FALSE(files.FileExists(path));
}

}  // namespace
}  // namespace nuvopick::win
