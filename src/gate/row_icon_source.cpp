#include "gate/row_icon_source.h"

#include "gate/launch_request.h"
#include "text/ansi_text.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

bool IsAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// "scheme:…" with a scheme of a letter and then letters, digits, "+", "-" or ".".
// One letter before the colon is a drive, not a scheme.
bool IsAddress(const std::u16string& text) {
  const std::size_t colon = text.find(u':');
  if (colon == std::u16string::npos || colon < 2 || !IsAsciiLetter(text[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char16_t c = text[i];
    if (!IsAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.') {
      return false;
    }
  }
  return true;
}

// A name the shell looks for on the search path: no folder, no drive.
bool IsBareName(const std::u16string& text) {
  return text.find_first_of(u"\\/:") == std::u16string::npos;
}

}  // namespace

TRowIconSource RowIconSourceOf(const std::string& appPath, const IProgramLocator& locator) {
  std::u16string path = locator.ExpandVariables(WidenAnsi(Unquote(appPath)));
  if (path.empty()) return {};
  if (IsAddress(path)) return {TRowIconKind::Url, path};
  if (IsBareName(path)) {
    if (std::optional<std::u16string> found = locator.FindOnSearchPath(path)) path = *found;
  }
  return {IsProgramFile(path) ? TRowIconKind::ProgramFile : TRowIconKind::ShellItem, path};
}

}  // namespace nuvopick
