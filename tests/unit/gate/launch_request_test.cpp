#include "gate/launch_request.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string_view>

#include "text/dbcs.h"
#include "text/text_helpers.h"

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
  EXPECT_EQ(
      EntryLaunchRequest(entry, "C:\\d\\f.txt", kSystem),
      (TLaunchRequest{"open", "C:\\WINDOWS\\system32\\cmd.exe",
                      "/V:OFF /C \"\"C:\\T\\t.exe\" C:\\d\\f.txt\"", "\"C:\\d\"", kShowHide}));

  // With nothing to pass the blank before the closing quote stays.
  entry.Param.clear();
  EXPECT_EQ(EntryLaunchRequest(entry, "C:\\d\\f.txt", kSystem).Parameters,
            "/V:OFF /C \"\"C:\\T\\t.exe\" \"");
}

// The value of a variable reference's name: NAME, or NAME:~start,length for a
// piece of it; nothing when NAME is not defined.
std::optional<std::string> ValueOf(const std::string& name,
                                   const std::map<std::string, std::string>& variables) {
  const std::size_t piece = name.find(":~");
  const auto found = variables.find(name.substr(0, piece));
  if (found == variables.end()) return std::nullopt;
  if (piece == std::string::npos) return found->second;
  const std::size_t comma = name.find(',', piece);
  return found->second.substr(std::stoul(name.substr(piece + 2, comma - piece - 2)),
                              std::stoul(name.substr(comma + 1)));
}

// Each %NAME% (or !NAME!) of a defined variable replaced; the value is not
// read again.
std::string ExpandVariables(const std::string& line, char mark,
                            const std::map<std::string, std::string>& variables) {
  std::string expanded;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t close = line[i] == mark ? line.find(mark, i + 1) : std::string::npos;
    const std::optional<std::string> value =
        close == std::string::npos ? std::nullopt
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
std::optional<std::string> CmdRuns(std::string parameters,
                                   const std::map<std::string, std::string>& variables) {
  const std::string noDelayed = "/V:OFF ";
  const bool delayed = parameters.rfind(noDelayed, 0) != 0;
  if (!delayed) parameters.erase(0, noDelayed.size());
  const std::string prefix = "/C \"";
  if (parameters.rfind(prefix, 0) != 0 || parameters.back() != '"') return std::nullopt;
  const std::string line = parameters.substr(prefix.size(), parameters.size() - prefix.size() - 1);
  std::string expanded = ExpandVariables(line, '%', variables);
  if (delayed) expanded = ExpandVariables(expanded, '!', variables);

  std::string command;
  bool quoted = false;
  for (std::size_t i = 0; i < expanded.size();) {
    const std::size_t next = NextCharPos(expanded, i);
    const char c = expanded[i];
    if (next != i + 1 || quoted) {
      if (next == i + 1 && c == '"') quoted = false;
    } else if (c == '^') {
      if (++i == expanded.size()) break;
      const std::size_t escapedEnd = NextCharPos(expanded, i);
      command.append(expanded, i, escapedEnd - i);
      i = escapedEnd;
      continue;
    } else if (c == '"') {
      quoted = true;
    } else if (std::string_view("&|<>()").find(c) != std::string_view::npos) {
      return std::nullopt;
    }
    command.append(expanded, i, next - i);
    i = next;
  }
  return command;
}

// Names chosen by strangers: every character that cmd would read as an operator,
// an escape, a variable, a quote or a break, and double-byte characters whose
// second byte is "\" (表) or "|" (ポ).
const char* const kHostilePaths[] = {
    "C:\\np\\表 dir\\x&mkdir INJ&y.nvq",
    "C:\\np\\p%NPVAR%q.nvq",
    "C:\\np\\a|b^c.txt",
    "C:\\np\\(x) <y> z.txt",
    "C:\\np\\ポ\\100%.txt",
    "C:\\np\\!NPVAR! x.txt",
    "C:\\np\\q\"&x\".txt",
    "C:\\np\\end^",
};

std::map<std::string, std::string> CmdEnvironment(const TLaunchRequest& request) {
  std::map<std::string, std::string> variables{{"NPVAR", "EXPANDED"}};
  for (const auto& [name, value] : request.Environment) variables[name] = value;
  return variables;
}

TEST(EntryLaunchRequest, ThroughTheInterpreterTheProgramGetsTheTextOfADirectStart) {
  for (const char* path : kHostilePaths) {
    for (const char* param : {"%1", "\"%1\"", "-x %1%", "%1 \"%1\""}) {
      SCOPED_TRACE(std::string(path) + "  " + param);
      TExeInfo entry = Entry("C:\\T\\t.exe", param);
      const TLaunchRequest direct = EntryLaunchRequest(entry, path, kSystem);
      entry.IsUseCmdp = true;
      const TLaunchRequest wrapped = EntryLaunchRequest(entry, path, kSystem);
      EXPECT_EQ(CmdRuns(wrapped.Parameters, CmdEnvironment(wrapped)),
                direct.File + " " + direct.Parameters);
    }
  }
}

TEST(EntryLaunchRequest, TheTemplatesOwnTextKeepsItsMeaningForTheInterpreter) {
  TExeInfo entry = Entry("%TOOLS%\\t.exe", "%%NPVAR%% ^%1 > \"out (1).txt\"");
  entry.IsUseCmdp = true;
  const TLaunchRequest request = EntryLaunchRequest(entry, "&x.txt", kSystem);
  // The template's caret already makes the path's "&" literal: no second one
  // that would turn it back into an operator.
  EXPECT_EQ(request.Parameters,
            "/V:OFF /C \"\"%TOOLS%\\t.exe\" %NPVAR% ^&x.txt > \"out (1).txt\"\"");
}

TEST(ProgramFileLaunchRequest, StartsThatVeryFileShownNormally) {
  EXPECT_EQ(ProgramFileLaunchRequest(false, "C:\\x\\setup.EXE", kSystem),
            (TLaunchRequest{"", "C:\\x\\setup.EXE", "", "", kShowNormal, false, false}));
  // Through the interpreter the program is quoted path text, its "%" too.
  for (const char* path :
       {"C:\\Program Files\\x\\tool.exe", "C:\\R&D\\tool.exe", "C:\\np\\p%NPVAR%q.com"}) {
    SCOPED_TRACE(path);
    const TLaunchRequest request = ProgramFileLaunchRequest(true, path, kSystem);
    EXPECT_EQ(request.File, "C:\\WINDOWS\\system32\\cmd.exe");
    EXPECT_EQ(request.Show, kShowNormal);
    EXPECT_EQ(request.Verb, "");
    EXPECT_EQ(CmdRuns(request.Parameters, CmdEnvironment(request)),
              "\"" + std::string(path) + "\" ");
  }
}

}  // namespace
}  // namespace nuvopick
