#include "gate/launch_request.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string_view>

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

// Opened files as the wide command line gives them: names that the ANSI code
// page cannot hold (é 한 ü, a character of two UTF-16 units) and "表", whose
// second byte in code page 932 is the backslash.
const char16_t* const kWidePaths[] = {
    u"C:\\np\\表 dir\\é한ü 1.nvq",
    u"C:\\np\\\U0001F600\\a b.txt",
    u"C:\\表\\予定表.txt",
};

TEST(FileExtension, IsTakenFromTheFileNameOnly) {
  struct Case {
    const char16_t* path;
    const char16_t* extension;
    const char16_t* folder;
  };
  const Case cases[] = {
      {u"C:\\My Files\\a.txt", u".txt", u"C:\\My Files\\"},
      {u"C:\\d\\A.TXT", u".TXT", u"C:\\d\\"},
      {u"C:\\d\\archive.tar.gz", u".gz", u"C:\\d\\"},
      {u"C:\\d\\README", u"", u"C:\\d\\"},
      {u"C:\\v1.2\\README", u"", u"C:\\v1.2\\"},
      {u"C:\\d\\a.", u".", u"C:\\d\\"},
      {u"C:a.txt", u".txt", u"C:"},
      {u"a.txt", u".txt", u""},
      {u"C:\\d\\表.txt", u".txt", u"C:\\d\\"},
      {u"C:\\表.d\\file", u"", u"C:\\表.d\\"},
      {u"C:\\np\\表 dir\\é한ü 1.nvq", u".nvq", u"C:\\np\\表 dir\\"},
      {u"C:\\é\\\U0001F600.한", u".한", u"C:\\é\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.path));
    EXPECT_EQ(FileExtensionOf(c.path), c.extension);
    EXPECT_EQ(FileFolderOf(c.path), c.folder);
  }
  const std::u16string wideProgram = u"C:\\é\\edit.Com";
  EXPECT_TRUE(IsProgramFile(u"C:\\x\\setup.EXE"));
  EXPECT_TRUE(IsProgramFile(wideProgram));
  EXPECT_FALSE(IsProgramFile(u"C:\\x.exe\\readme"));
  EXPECT_FALSE(IsProgramFile(u"C:\\x\\setup.exe.txt"));
  // Only ASCII letters fold: a full-width "ｅｘｅ" is another extension.
  EXPECT_FALSE(IsProgramFile(u"C:\\x\\setup.ｅｘｅ"));
}

TEST(EntryLaunchRequest, QuotesProgramAndFolderAndFillsTheTemplate) {
  struct Case {
    const char* appPath;
    const char* param;
    const char16_t* parameters;
  };
  const Case cases[] = {
      {"C:\\Tools\\ed.exe", "%1", u"C:\\My Files\\a.txt"},
      {"\"C:\\Tools\\ed.exe\"", "%1", u"C:\\My Files\\a.txt"},
      {"C:\\Tools\\ed.exe", "\"%1\"", u"\"C:\\My Files\\a.txt\""},
      {"C:\\Tools\\ed.exe", "-x %%1 %1%", u"-x %1 C:\\My Files\\a.txt%"},
      {"C:\\Tools\\ed.exe", "%a", u"a"},
      // Without "%1" the file is not passed at all.
      {"C:\\Tools\\ed.exe", "", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.appPath) + " " + c.param);
    const TLaunchRequest request = EntryLaunchRequest(Entry(c.appPath, c.param, "C:\\work", 3),
                                                      u"C:\\My Files\\a.txt", kSystem);
    EXPECT_EQ(request, (TLaunchRequest{u"open", u"\"C:\\Tools\\ed.exe\"", c.parameters,
                                       u"\"C:\\work\"", 3}));
  }
}

TEST(EntryLaunchRequest, TheOpenedFileGoesInWithEveryCharacterOfItsName) {
  for (const char16_t* path : kWidePaths) {
    SCOPED_TRACE(::testing::PrintToString(path));
    const std::u16string file = path;
    const std::u16string folder = FileFolderOf(file);
    // An entry without working folder starts in the opened file's folder.
    EXPECT_EQ(EntryLaunchRequest(Entry("C:\\Tools\\ed.exe", "-o \"%1\"", ""), file, kSystem),
              (TLaunchRequest{u"open", u"\"C:\\Tools\\ed.exe\"", u"-o \"" + file + u"\"",
                              u"\"" + folder + u"\"", 1}));
  }
}

TEST(EntryLaunchRequest, TheEntrysOwnTextsAreTakenCharacterForCharacter) {
  // Stored in code page 932: the second byte of 表 and ソ is 0x5C, of ポ "|".
  const TLaunchRequest request = EntryLaunchRequest(
      Entry("\"C:\\表\\ソフト.exe\"", "/ポ %1 表", "C:\\表\\"), u"C:\\é\\a.txt", kSystem);
  const TLaunchRequest expected{u"open", u"\"C:\\表\\ソフト.exe\"", u"/ポ C:\\é\\a.txt 表",
                                u"\"C:\\表\\\"", 1};
  EXPECT_EQ(request, expected);
}

TEST(EntryLaunchRequest, TheInterpreterRunsTheWholeCommandHidden) {
  TExeInfo entry = Entry("C:\\T\\t.exe", "%1", "C:\\d", 3);
  entry.IsUseCmdp = true;
  EXPECT_EQ(
      EntryLaunchRequest(entry, u"C:\\d\\f.txt", kSystem),
      (TLaunchRequest{u"open", u"C:\\WINDOWS\\system32\\cmd.exe",
                      u"/V:OFF /C \"\"C:\\T\\t.exe\" C:\\d\\f.txt\"", u"\"C:\\d\"", kShowHide}));

  // With nothing to pass the blank before the closing quote stays.
  entry.Param.clear();
  EXPECT_EQ(EntryLaunchRequest(entry, u"C:\\d\\f.txt", kSystem).Parameters,
            u"/V:OFF /C \"\"C:\\T\\t.exe\" \"");
}

using Variables = std::map<std::u16string, std::u16string>;

// The value of a variable reference's name: NAME, or NAME:~start,length for a
// piece of it; nothing when NAME is not defined.
std::optional<std::u16string> ValueOf(const std::u16string& name, const Variables& variables) {
  const std::size_t piece = name.find(u":~");
  const auto found = variables.find(name.substr(0, piece));
  if (found == variables.end()) return std::nullopt;
  if (piece == std::u16string::npos) return found->second;
  const std::size_t comma = name.find(u',', piece);
  const auto number = [&](std::size_t from, std::size_t to) {
    std::size_t value = 0;
    for (std::size_t i = from; i < to; ++i) value = value * 10 + (name[i] - u'0');
    return value;
  };
  return found->second.substr(number(piece + 2, comma), number(comma + 1, name.size()));
}

// Each %NAME% (or !NAME!) of a defined variable replaced; the value is not
// read again.
std::u16string ExpandVariables(const std::u16string& line, char16_t mark,
                               const Variables& variables) {
  std::u16string expanded;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t close = line[i] == mark ? line.find(mark, i + 1) : std::u16string::npos;
    const std::optional<std::u16string> value =
        close == std::u16string::npos ? std::nullopt
                                      : ValueOf(line.substr(i + 1, close - i - 1), variables);
    if (value) {
      expanded += *value;
      i = close + 1;
    } else {
      expanded += line[i++];
    }
  }
  return expanded;
}

// What cmd.exe makes of the parameters "[/V:OFF ]/C "<command>"" with the
// environment Variables: the first and the last quote taken off; variables
// expanded, inside quotes too, and without /V:OFF "!" ones as well (the
// system's default may ask for that); then, outside double quotes, a caret
// makes the next character literal and is dropped, and & | < > ( ) are
// operators. The text the program is started with, or nothing when an operator
// is left.
std::optional<std::u16string> CmdRuns(std::u16string parameters, const Variables& variables) {
  const std::u16string noDelayed = u"/V:OFF ";
  const bool delayed = parameters.rfind(noDelayed, 0) != 0;
  if (!delayed) parameters.erase(0, noDelayed.size());
  const std::u16string prefix = u"/C \"";
  if (parameters.rfind(prefix, 0) != 0 || parameters.back() != u'"') return std::nullopt;
  const std::u16string line =
      parameters.substr(prefix.size(), parameters.size() - prefix.size() - 1);
  std::u16string expanded = ExpandVariables(line, u'%', variables);
  if (delayed) expanded = ExpandVariables(expanded, u'!', variables);

  std::u16string command;
  bool quoted = false;
  for (std::size_t i = 0; i < expanded.size(); ++i) {
    const char16_t c = expanded[i];
    if (quoted) {
      if (c == u'"') quoted = false;
    } else if (c == u'^') {
      if (++i == expanded.size()) break;
      command += expanded[i];
      continue;
    } else if (c == u'"') {
      quoted = true;
    } else if (std::u16string_view(u"&|<>()").find(c) != std::u16string_view::npos) {
      return std::nullopt;
    }
    command += c;
  }
  return command;
}

// Names chosen by strangers: every character that cmd would read as an operator,
// an escape, a variable, a quote or a break, next to characters that the ANSI
// code page cannot hold.
const char16_t* const kHostilePaths[] = {
    u"C:\\np\\表 dir\\x&mkdir INJ&y.nvq",
    u"C:\\np\\p%NPVAR%q.nvq",
    u"C:\\np\\a|b^c.txt",
    u"C:\\np\\(x) <y> z.txt",
    u"C:\\np\\ポ\\100%.txt",
    u"C:\\np\\!NPVAR! x.txt",
    u"C:\\np\\q\"&x\".txt",
    u"C:\\np\\end^",
    u"C:\\np\\é한ü&\U0001F600%x.txt",
};

Variables CmdEnvironment(const TLaunchRequest& request) {
  Variables variables{{u"NPVAR", u"EXPANDED"}};
  for (const auto& [name, value] : request.Environment) variables[name] = value;
  return variables;
}

TEST(EntryLaunchRequest, ThroughTheInterpreterTheProgramGetsTheTextOfADirectStart) {
  for (const char16_t* path : kHostilePaths) {
    for (const char* param : {"%1", "\"%1\"", "-x %1%", "%1 \"%1\""}) {
      SCOPED_TRACE(::testing::PrintToString(path) + "  " + param);
      TExeInfo entry = Entry("C:\\T\\t.exe", param);
      const TLaunchRequest direct = EntryLaunchRequest(entry, path, kSystem);
      entry.IsUseCmdp = true;
      const TLaunchRequest wrapped = EntryLaunchRequest(entry, path, kSystem);
      EXPECT_EQ(CmdRuns(wrapped.Parameters, CmdEnvironment(wrapped)),
                direct.File + u" " + direct.Parameters);
    }
  }
}

TEST(EntryLaunchRequest, TheTemplatesOwnTextKeepsItsMeaningForTheInterpreter) {
  TExeInfo entry = Entry("%TOOLS%\\t.exe", "%%NPVAR%% ^%1 > \"out (1).txt\"");
  entry.IsUseCmdp = true;
  const TLaunchRequest request = EntryLaunchRequest(entry, u"&x.txt", kSystem);
  // The template's caret already makes the path's "&" literal: no second one
  // that would turn it back into an operator.
  EXPECT_EQ(request.Parameters,
            u"/V:OFF /C \"\"%TOOLS%\\t.exe\" %NPVAR% ^&x.txt > \"out (1).txt\"\"");
}

TEST(ProgramFileLaunchRequest, StartsThatVeryFileShownNormally) {
  const std::u16string program = u"C:\\é\\setup.EXE";
  EXPECT_EQ(ProgramFileLaunchRequest(false, program, kSystem),
            (TLaunchRequest{u"", program, u"", u"", kShowNormal, false, false}));
  // Through the interpreter the program is quoted path text, its "%" too.
  for (const char16_t* path : {u"C:\\Program Files\\x\\tool.exe", u"C:\\R&D\\tool.exe",
                               u"C:\\np\\p%NPVAR%q.com", u"C:\\한\\\U0001F600.exe"}) {
    SCOPED_TRACE(::testing::PrintToString(path));
    const TLaunchRequest request = ProgramFileLaunchRequest(true, path, kSystem);
    EXPECT_EQ(request.File, u"C:\\WINDOWS\\system32\\cmd.exe");
    EXPECT_EQ(request.Show, kShowNormal);
    EXPECT_EQ(request.Verb, u"");
    EXPECT_EQ(CmdRuns(request.Parameters, CmdEnvironment(request)),
              u"\"" + std::u16string(path) + u"\" ");
  }
}

}  // namespace
}  // namespace nuvopick
