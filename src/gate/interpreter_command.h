// The command that cmd.exe runs after /C when an entry asks for the command
// interpreter. The user's own text (program, parameter template) keeps its
// meaning for cmd: variables, operators, carets. A file's path is data: cmd
// hands it to the program character for character, whatever it holds.
#pragma once

#include <string>

namespace nuvopick {

// The environment variable that holds a single "%". A "%" of a path is written
// as a reference to it (cmd expands variables inside quotes too, where a caret
// does not help), followed by an empty piece of it ("%NAME:~0,0%").
inline constexpr char16_t kPercentVariable[] = u"NUVOPICK_PERCENT";

class TInterpreterCommand {
 public:
  // Text as the user wrote it; cmd reads it with its own rules.
  void AppendCommandText(const std::u16string& text);
  // A path: a caret goes before each character that cmd would take for an
  // operator, an escape or a quote where it stands (outside double quotes), and
  // each "%" becomes the percent variable.
  void AppendPathText(const std::u16string& path);

  const std::u16string& Text() const { return text_; }
  // True when the text refers to kPercentVariable, which must then hold "%".
  bool UsesPercentVariable() const { return usesPercentVariable_; }

 private:
  std::u16string text_;
  // cmd's reading position: inside double quotes, and whether the next
  // character follows a caret outside quotes (and so is taken literally).
  bool quoted_ = false;
  bool escaped_ = false;
  bool usesPercentVariable_ = false;
};

}  // namespace nuvopick
