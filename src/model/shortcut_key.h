// The shortcut key of an application entry, its two text forms, and the rule that
// picks an entry of a list for a key press in the gate window.
#pragma once

#include <cstdint>
#include <string>

namespace nuvopick {

class TExeList;

class TShortcutKey {
 public:
  // Virtual-key code: 0 for no shortcut, else a digit 0x30-0x39 or a capital
  // letter 0x41-0x5A (SetKey keeps it so).
  std::uint8_t Key = 0;
  bool Shift = false;
  bool Alt = false;
  bool Ctrl = false;

  TShortcutKey() = default;
  // Callers holding a wider value (a key code, an integer from the settings file)
  // pass its low byte.
  TShortcutKey(std::uint8_t key, bool shift, bool alt, bool ctrl);

  // Stores Key when it is a digit or capital-letter code, otherwise 0.
  void SetKey(std::uint8_t key);
  void Assign(const TShortcutKey& source);
  bool Equals(const TShortcutKey& other) const;

  // Form shown in the setup window's shortcut edit box: "A + Shift + Ctrl", "- + Alt".
  std::string ToText() const;
  // Form appended to the entry's name in the gate window: "   (sc,A)", or empty
  // when there is no key.
  std::string ToListSuffix() const;
};

// Position of the first entry of List whose shortcut is the pressed key with the
// given modifier states, or -1. Only digit and capital-letter codes are looked at,
// so keypad digits never pick an entry; neither do entries without a key.
int FindShortcutEntry(const TExeList& list, unsigned virtualKey, bool shift, bool alt, bool ctrl);

}  // namespace nuvopick
