#include "gate/row_icon_source.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

#include "text/ansi_text.h"

namespace nuvopick {
namespace {

// A system with %SystemRoot% and %APPS% set and notepad.exe and tool.com on its
// search path.
class FakeLocator : public IProgramLocator {
 public:
  std::u16string ExpandVariables(const std::u16string& text) const override {
    std::u16string result = text;
    for (const auto& [name, value] : variables_) {
      for (std::size_t at = result.find(name); at != std::u16string::npos;
           at = result.find(name, at + value.size())) {
        result.replace(at, name.size(), value);
      }
    }
    return result;
  }
  std::optional<std::u16string> FindOnSearchPath(const std::u16string& name) const override {
    ++searches;
    const auto found = programs_.find(name);
    if (found == programs_.end()) return std::nullopt;
    return found->second;
  }

  mutable int searches = 0;

 private:
  const std::map<std::u16string, std::u16string> variables_ = {{u"%SystemRoot%", u"C:\\Windows"},
                                                               {u"%APPS%", u"D:\\表\\apps"}};
  const std::map<std::u16string, std::u16string> programs_ = {
      {u"notepad.exe", u"C:\\Windows\\notepad.exe"},
      {u"notepad", u"C:\\Windows\\notepad.exe"},
      {u"tool.com", u"C:\\bin\\tool.com"}};
};

TEST(RowIconSource, TheIconIsThatOfWhatTheLaunchStarts) {
  struct Case {
    std::string appPath;
    TRowIconKind kind;
    std::u16string path;
  };
  const Case cases[] = {
      {"", TRowIconKind::None, u""},
      {"\"\"", TRowIconKind::None, u""},
      {"C:\\Tools\\ed.exe", TRowIconKind::ProgramFile, u"C:\\Tools\\ed.exe"},
      {"\"C:\\My Tools\\ed.EXE\"", TRowIconKind::ProgramFile, u"C:\\My Tools\\ed.EXE"},
      {"%SystemRoot%\\regedit.exe", TRowIconKind::ProgramFile, u"C:\\Windows\\regedit.exe"},
      {"\"%APPS%\\viewer.exe\"", TRowIconKind::ProgramFile, u"D:\\表\\apps\\viewer.exe"},
      // Bare names are the programs of the search path, with or without ".exe".
      {"notepad.exe", TRowIconKind::ProgramFile, u"C:\\Windows\\notepad.exe"},
      {"notepad", TRowIconKind::ProgramFile, u"C:\\Windows\\notepad.exe"},
      {"tool.com", TRowIconKind::ProgramFile, u"C:\\bin\\tool.com"},
      {"missing.exe", TRowIconKind::ProgramFile, u"missing.exe"},
      // Documents and folders: the shell's icon for them.
      {"C:\\docs\\manual.pdf", TRowIconKind::ShellItem, u"C:\\docs\\manual.pdf"},
      {"C:\\docs", TRowIconKind::ShellItem, u"C:\\docs"},
      {"\\\\server\\share\\run.exe", TRowIconKind::ProgramFile, u"\\\\server\\share\\run.exe"},
      {"C:\\a.exe\\readme", TRowIconKind::ShellItem, u"C:\\a.exe\\readme"},
      // Addresses; a drive letter is not a scheme.
      {"https://example.com/", TRowIconKind::Url, u"https://example.com/"},
      {"mailto:a@example.com", TRowIconKind::Url, u"mailto:a@example.com"},
      {"C:setup.exe", TRowIconKind::ProgramFile, u"C:setup.exe"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.appPath);
    const FakeLocator locator;
    EXPECT_EQ(RowIconSourceOf(c.appPath, locator), (TRowIconSource{c.kind, c.path}));
  }
}

// Only a bare name is looked up: a path with a folder is the file it names,
// and an address never touches the search path.
TEST(RowIconSource, OnlyABareNameIsLookedForOnTheSearchPath) {
  for (const std::string appPath : {"C:\\Windows\\notepad.exe", "https://x.example/", ""}) {
    const FakeLocator locator;
    RowIconSourceOf(appPath, locator);
    EXPECT_EQ(locator.searches, 0) << appPath;
  }
}

}  // namespace
}  // namespace nuvopick
