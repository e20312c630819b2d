// Shortcut keys of application entries.
#include "model/shortcut_key.h"

#include "model/exe_list.h"

namespace nuvopick {

namespace {

bool IsShortcutCode(unsigned code) {
  return (code >= 0x30 && code <= 0x39) || (code >= 0x41 && code <= 0x5A);
}

}  // namespace

TShortcutKey::TShortcutKey(std::uint8_t key, bool shift, bool alt, bool ctrl)
    : Shift(shift), Alt(alt), Ctrl(ctrl) {
  SetKey(key);
}

void TShortcutKey::SetKey(std::uint8_t key) {
  Key = IsShortcutCode(key) ? key : 0;
}

void TShortcutKey::Assign(const TShortcutKey& source) {
  SetKey(source.Key);
  Shift = source.Shift;
  Alt = source.Alt;
  Ctrl = source.Ctrl;
}

bool TShortcutKey::Equals(const TShortcutKey& other) const {
  return Key == other.Key && Shift == other.Shift && Alt == other.Alt && Ctrl == other.Ctrl;
}

std::string TShortcutKey::ToText() const {
  std::string text = Key == 0 ? std::string("-") : std::string(1, static_cast<char>(Key));
  if (Shift) text += " + Shift";
  if (Alt) text += " + Alt";
  if (Ctrl) text += " + Ctrl";
  return text;
}

std::string TShortcutKey::ToListSuffix() const {
  if (Key == 0) return "";
  std::string word;
  if (Shift) word += 's';
  if (Alt) word += 'a';
  if (Ctrl) word += 'c';
  if (!word.empty()) word += ',';
  word += static_cast<char>(Key);
  return "   (" + word + ")";
}

int FindShortcutEntry(const TExeList& list, unsigned virtualKey, bool shift, bool alt, bool ctrl) {
  if (!IsShortcutCode(virtualKey)) return -1;
  const TShortcutKey pressed(static_cast<std::uint8_t>(virtualKey), shift, alt, ctrl);
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Items(i).ShortcutKey.Equals(pressed)) return i;
  }
  return -1;
}

}  // namespace nuvopick
