// The import of the previous association: the file type an extension used
// before, its verbs, and the entry made from each verb's command.
#include "shell/previous_verbs.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "support/memory_registry.h"
#include "support/memory_file_system.h"

namespace nuvopick {
namespace {

using testing::MemoryClasses;
using testing::MemoryFileSystem;
using testing::TValueType;

constexpr char kExe[] = "C:\\Tools\\np.exe";
constexpr char kBackupPath[] = "C:\\Tools\\regbackup.ini";
// "表": its second byte is 0x5C, a backslash on its own.
const std::string kHyou = "\x95\x5C";

TEST(PreviousVerbs, EntryFromVerbSplitsTheCommandIntoProgramFolderAndParameters) {
  const struct {
    const char* verb;
    std::string command;
    TPreviousVerbEntry entry;
  } cases[] = {
      // Variable references stay as they are.
      {"open",
       "%SystemRoot%\\system32\\NOTEPAD.EXE %1",
       {"NOTEPAD_open", "%SystemRoot%\\system32\\NOTEPAD.EXE", "%SystemRoot%\\system32", "%1"}},
      // A bare program name has no folder.
      {"print",
       "rundll32.exe C:\\x.dll,Print %1",
       {"rundll32_print", "rundll32.exe", "", "C:\\x.dll,Print %1"}},
      // A quoted path keeps its blanks; the quotes go.
      {"open",
       "\"C:\\Program Files\\Windows NT\\wordpad.exe\" \"%1\"",
       {"wordpad_open", "C:\\Program Files\\Windows NT\\wordpad.exe",
        "C:\\Program Files\\Windows NT", "\"%1\""}},
      // An unquoted one is cut at its first blank; the user corrects it.
      {"edit",
       "C:\\Program Files\\a.exe %1",
       {"Program_edit", "C:\\Program", "C:\\", "Files\\a.exe %1"}},
      // Only the file name's last dot begins the extension.
      {"open", "C:\\my.dir\\tool %1", {"tool_open", "C:\\my.dir\\tool", "C:\\my.dir", "%1"}},
      {"open", "D:\\a.b.exe", {"a.b_open", "D:\\a.b.exe", "D:\\", ""}},
      {"open", "C:tool.exe /x", {"tool_open", "C:tool.exe", "C:", "/x"}},
      // Trimmed at both ends; further blanks stay before the parameters.
      {"open", " \tnotepad.exe  %1 \r\n", {"notepad_open", "notepad.exe", "", " %1"}},
      // A trailing 0x5C of a double-byte character is no folder delimiter.
      {"open",
       "C:\\" + kHyou + "\\" + kHyou + ".exe %1",
       {kHyou + "_open", "C:\\" + kHyou + "\\" + kHyou + ".exe", "C:\\" + kHyou, "%1"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EntryFromVerb(c.verb, c.command), std::optional<TPreviousVerbEntry>(c.entry))
        << c.command;
  }
  EXPECT_EQ(EntryFromVerb("open", ""), std::nullopt);
  EXPECT_EQ(EntryFromVerb("open", "  \t "), std::nullopt);
  EXPECT_EQ(EntryFromVerb("open", "\"\" %1"), std::nullopt);
}

class PreviousVerbsTest : public ::testing::Test {
 protected:
  // The text file type as a system has it, its open command expandable.
  void ArrangeTxtFile() {
    store.Set(".txt", "txtfile");
    store.Set("txtfile", "テキスト文書");
    store.Set("txtfile\\shell\\open\\command", "%SystemRoot%\\system32\\NOTEPAD.EXE %1",
              TValueType::ExpandString);
    store.Set("txtfile\\shell\\print\\command", "%SystemRoot%\\system32\\NOTEPAD.EXE /p %1",
              TValueType::ExpandString);
  }

  // The extension taken over by the program, the previous type recorded or not.
  void TakeOver(const std::optional<std::string>& backup) {
    store.Set(".txt", "NuvoPick_AutoOpen_txt");
    store.Set("NuvoPick_AutoOpen_txt\\shell\\open\\command", "\"C:\\Tools\\np.exe\" \"%1\"");
    if (backup) files.files[kBackupPath] = *backup;
  }

  std::vector<TPreviousVerbEntry> Import(const std::string& name) {
    std::vector<TPreviousVerbEntry> entries;
    ImportPreviousVerbs(context, name,
                        [&entries](const TPreviousVerbEntry& e) { entries.push_back(e); });
    return entries;
  }

  static std::vector<std::string> Names(const std::vector<TPreviousVerbEntry>& entries) {
    std::vector<std::string> names;
    for (const TPreviousVerbEntry& e : entries) names.push_back(e.Name);
    return names;
  }

  MemoryClasses store;
  MemoryFileSystem files;
  TAssociationContext context{store.Hives(), files, kExe};
};

TEST_F(PreviousVerbsTest, TheVerbsOfThePresentTypeBecomeEntriesInTheStoresOrder) {
  ArrangeTxtFile();
  const std::string before = store.DumpAll();
  EXPECT_EQ(PreviousFileType(context, "txt"), "txtfile");
  const std::vector<TPreviousVerbEntry> entries = Import("txt");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], (TPreviousVerbEntry{"NOTEPAD_open", "%SystemRoot%\\system32\\NOTEPAD.EXE",
                                            "%SystemRoot%\\system32", "%1"}));
  EXPECT_EQ(entries[1], (TPreviousVerbEntry{"NOTEPAD_print", "%SystemRoot%\\system32\\NOTEPAD.EXE",
                                            "%SystemRoot%\\system32", "/p %1"}));
  // Only read: nothing written, no backup file made.
  EXPECT_EQ(store.DumpAll(), before);
  EXPECT_TRUE(files.files.empty());
}

TEST_F(PreviousVerbsTest, ATakenOverExtensionIsFollowedToItsRecordedType) {
  ArrangeTxtFile();
  TakeOver("[txt]\r\nRef=txtfile\r\n");
  EXPECT_EQ(PreviousFileType(context, "txt"), "txtfile");
  EXPECT_EQ(Names(Import("txt")), (std::vector<std::string>{"NOTEPAD_open", "NOTEPAD_print"}));
  // Not the program's own open verb.
  EXPECT_EQ(PreviousFileType(context, "TXT"), "txtfile");
}

TEST_F(PreviousVerbsTest, NothingWithoutAKnownPreviousType) {
  ArrangeTxtFile();
  struct Case {
    const char* what;
    std::optional<std::string> backup;
  };
  const Case cases[] = {
      {"no backup file", std::nullopt},
      {"no section", std::string("[jpg]\r\nRef=jpegfile\r\n")},
      {"no Ref", std::string("[txt]\r\nOther=txtfile\r\n")},
      {"empty Ref", std::string("[txt]\r\nRef=\r\n")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    files.files.clear();
    TakeOver(c.backup);
    EXPECT_EQ(PreviousFileType(context, "txt"), "");
    EXPECT_TRUE(Import("txt").empty());
  }

  // No class key, a class key without a value, a type without verbs, no name.
  EXPECT_TRUE(Import("md").empty());
  store.Set(".md", "");
  EXPECT_TRUE(Import("md").empty());
  store.Set(".md", "mdfile");
  store.Set("mdfile", "Markdown");
  EXPECT_TRUE(Import("md").empty());
  store.Set("mdfile\\shell", "");
  EXPECT_TRUE(Import("md").empty());
  EXPECT_TRUE(Import("").empty());
}

TEST_F(PreviousVerbsTest, VerbsWithoutACommandAreSkipped) {
  store.Set(".log", "logfile");
  store.Set("logfile\\shell\\a\\command", "");
  store.Set("logfile\\shell\\b", "caption only");
  store.Set("logfile\\shell\\c\\command", "view.exe %1");
  store.Set("logfile\\shell\\d\\command", "   ");
  EXPECT_EQ(Names(Import("log")), (std::vector<std::string>{"view_c"}));
}

TEST_F(PreviousVerbsTest, AValueThatIsNoStringEndsTheImportAfterWhatCameBefore) {
  store.Set(".log", "logfile");
  store.Set("logfile\\shell\\a\\command", "first.exe %1");
  store.Set("logfile\\shell\\b\\command", "1", TValueType::Dword);
  store.Set("logfile\\shell\\c\\command", "third.exe %1");
  std::vector<std::string> names;
  EXPECT_THROW(
      ImportPreviousVerbs(context, "log",
                          [&names](const TPreviousVerbEntry& e) { names.push_back(e.Name); }),
      TRegistryError);
  EXPECT_EQ(names, (std::vector<std::string>{"first_a"}));
}

TEST_F(PreviousVerbsTest, AnUnreadableBackupFileIsAnError) {
  ArrangeTxtFile();
  TakeOver(std::nullopt);
  // A folder by the name of the file: there, but no file to read.
  struct UnreadableFiles : MemoryFileSystem {
    bool FileExists(const std::string& path) const override { return path == kBackupPath; }
  } unreadable;
  TAssociationContext blocked{store.Hives(), unreadable, kExe};
  EXPECT_THROW(PreviousFileType(blocked, "txt"), TRegistryError);
}

}  // namespace
}  // namespace nuvopick
