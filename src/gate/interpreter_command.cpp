#include "gate/interpreter_command.h"

#include <cstring>

#include "text/dbcs.h"

namespace nuvopick {
namespace {

// What cmd takes for operators, its escape and a quote, outside double quotes.
constexpr char kCaretEscaped[] = "&|<>()^\"";

bool NeedsCaret(char c) {
  return std::strchr(kCaretEscaped, c) != nullptr;
}

}  // namespace

void TInterpreterCommand::AppendCommandText(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t next = NextCharPos(text, i);
    const char c = text[i];
    if (escaped_) {
      escaped_ = false;
    } else if (next == i + 1 && c == '"') {
      quoted_ = !quoted_;
    } else if (next == i + 1 && c == '^' && !quoted_) {
      escaped_ = true;
    }
    text_.append(text, i, next - i);
    i = next;
  }
}

void TInterpreterCommand::AppendPathText(const std::string& path) {
  for (std::size_t i = 0; i < path.size();) {
    const std::size_t next = NextCharPos(path, i);
    const char c = path[i];
    if (next != i + 1) {
      text_.append(path, i, next - i);
    } else if (c == '%') {
      // An interpreter that reads an expanded value again (Wine's does) would
      // pair the "%" just put in with the next "%" of the line; the empty
      // piece of the same variable right after it is that partner.
      text_ += std::string("%") + kPercentVariable + "%%" + kPercentVariable + ":~0,0%";
      usesPercentVariable_ = true;
    } else if (escaped_) {
      text_ += c;  // a caret of the template's own already makes it literal
    } else if (quoted_) {
      text_ += c;
      if (c == '"') quoted_ = false;
    } else {
      if (NeedsCaret(c)) text_ += '^';
      text_ += c;
    }
    escaped_ = false;
    i = next;
  }
}

}  // namespace nuvopick
