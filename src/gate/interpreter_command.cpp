#include "gate/interpreter_command.h"

#include <string_view>

namespace nuvopick {
namespace {

// What cmd takes for operators, its escape and a quote, outside double quotes.
constexpr char16_t kCaretEscaped[] = u"&|<>()^\"";

bool NeedsCaret(char16_t c) {
  return std::u16string_view(kCaretEscaped).find(c) != std::u16string_view::npos;
}

}  // namespace

void TInterpreterCommand::AppendCommandText(const std::u16string& text) {
  for (const char16_t c : text) {
    if (escaped_) {
      escaped_ = false;
    } else if (c == u'"') {
      quoted_ = !quoted_;
    } else if (c == u'^' && !quoted_) {
      escaped_ = true;
    }
    text_ += c;
  }
}

void TInterpreterCommand::AppendPathText(const std::u16string& path) {
  for (const char16_t c : path) {
    if (c == u'%') {
      // An interpreter that reads an expanded value again (Wine's does) would
      // pair the "%" just put in with the next "%" of the line; the empty
      // piece of the same variable right after it is that partner.
      text_ += std::u16string(u"%") + kPercentVariable + u"%%" + kPercentVariable + u":~0,0%";
      usesPercentVariable_ = true;
    } else if (escaped_) {
      text_ += c;  // a caret of the template's own already makes it literal
    } else if (quoted_) {
      text_ += c;
      if (c == u'"') quoted_ = false;
    } else {
      if (NeedsCaret(c)) text_ += u'^';
      text_ += c;
    }
    escaped_ = false;
  }
}

}  // namespace nuvopick
