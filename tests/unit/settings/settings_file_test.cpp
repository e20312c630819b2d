#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <string>
#include <type_traits>

#include "settings/general_settings.h"
#include "settings/settings_path.h"
#include "support/memory_file_system.h"

namespace nuvopick {
namespace {

using testing::MemoryFileSystem;

TEST(SettingsPath, ReplacesTheExtensionOfTheFileNameOnly) {
  struct PathCase {
    const char* exe;
    const char* ini;
  };
  const PathCase cases[] = {
      {"C:\\Program Files\\NuvoPick\\NuvoPick.exe", "C:\\Program Files\\NuvoPick\\NuvoPick.ini"},
      {"C:\\tools\\Nuvo.Pick.EXE", "C:\\tools\\Nuvo.Pick.ini"},
      {"C:\\tools\\NuvoPick", "C:\\tools\\NuvoPick.ini"},
      {"C:\\v1.2\\NuvoPick", "C:\\v1.2\\NuvoPick.ini"},
      {"C:\\表\\NuvoPick", "C:\\表\\NuvoPick.ini"},
      // The second byte of "表" is a backslash; it must not hide the dot before it.
      {"C:\\tools\\a.表", "C:\\tools\\a.ini"},
      {"C:NuvoPick", "C:NuvoPick.ini"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.exe);
    EXPECT_EQ(SettingsPathFor(c.exe), c.ini);
  }
}

const std::string kPath = "C:\\NuvoPick\\NuvoPick.ini";

TEST(SettingsFile, AMissingOrUnreadableFileReadsAsEmptyForThePickList) {
  MemoryFileSystem files;
  files.files["C:\\NuvoPick\\Held.ini"] = "[]\r\nMoveLen=5\r\n";
  files.unreadable.insert("C:\\NuvoPick\\Held.ini");
  for (const std::string& path : {kPath, std::string("C:\\NuvoPick\\Held.ini")}) {
    SCOPED_TRACE(path);
    const TIniValues ini = LoadSettingsSections(files, path, {""});
    EXPECT_FALSE(ini.SectionExists(""));
    EXPECT_EQ(ReadGeneralSettings(ini, TSettingsReader::Gate),
              DefaultGeneralSettings(TSettingsReader::Gate));
  }
  EXPECT_TRUE(files.writes.empty());
}

// What the pick list reads holds only some sections of the file: saving it
// would lose the others, so it is not something a save accepts.
static_assert(!std::is_invocable_v<decltype(&SaveSettingsFile), IFileSystem&, const std::string&,
                                   const TIniValues&>);
static_assert(!std::is_convertible_v<const TIniValues&, const TIniFile&>);

TEST(SettingsFile, SaveReplacesTheWholeFileAndLoadReadsItBack) {
  MemoryFileSystem files;
  files.files[kPath] = "[old]\r\nUnknown=1\r\n";
  TIniFile ini;
  ini.WriteString("", "AllExt", "txt|");
  ASSERT_TRUE(SaveSettingsFile(files, kPath, ini));
  EXPECT_EQ(files.files[kPath], "[]\r\nAllExt=txt|\r\n\r\n");
  EXPECT_EQ(ReadSettingsFile(files, kPath)->ReadString("", "allext", ""), "txt|");
}

// Deleting works, writing does not: a save that removed the old file before
// writing would lose every setting here.
class FullDisk : public MemoryFileSystem {
 public:
  bool WriteAllAtomically(const std::string&, const std::string&) override { return false; }
};

TEST(SettingsFile, AFailedSaveKeepsTheOldFileAndSaysSo) {
  FullDisk files;
  files.files[kPath] = "[]\r\nMoveLen=5\r\n";
  TIniFile ini;
  WriteGeneralSettings(ini, TGeneralSettings(), "C:\\NuvoPick\\NuvoPick.exe");
  EXPECT_FALSE(SaveSettingsFile(files, kPath, ini));
  EXPECT_EQ(files.files[kPath], "[]\r\nMoveLen=5\r\n");

  MemoryFileSystem refusing;
  refusing.refuseWrites = true;
  refusing.files[kPath] = "[]\r\nMoveLen=5\r\n";
  EXPECT_FALSE(SaveSettingsFile(refusing, kPath, ini));
  EXPECT_EQ(refusing.files[kPath], "[]\r\nMoveLen=5\r\n");
}

}  // namespace
}  // namespace nuvopick
