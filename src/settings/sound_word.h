// The system sounds a SoundMBType word names: the word stored, the caption the
// setup window offers and the sound the pick list and the "試聴" button play.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/sound.h"

namespace nuvopick {

// In the order of the setup page's buttons.
enum class TSoundWord { Ok, Hand, Question, Exclamation, Asterisk, Beep };

struct TSoundMBType {
  std::string_view Name;
  std::string_view Caption;
};
// Indexed by TSoundWord.
inline constexpr std::array<TSoundMBType, 6> kSoundMBTypes = {{
    {"OK", "一般の警告"},
    {"HAND", "システムエラー"},
    {"QUESTION", "メッセージ（問合わせ）"},
    {"EXCLAMATION", "メッセージ（警告）"},
    {"ASTERISK", "メッセージ（情報）"},
    {"BEEP", "ビープ"},
}};

// Names are compared byte for byte ("beep" too); an unknown name acts as the
// first, "OK".
TSoundWord SoundWordOf(std::string_view name);

inline std::size_t IndexOf(TSoundWord word) {
  return static_cast<std::size_t>(word);
}

// "HAND", "QUESTION", "EXCLAMATION" and "ASTERISK" play their message sounds,
// "BEEP" a 440 Hz tone of 150 ms; every other word plays the OK sound.
void PlaySoundWord(ISound& sound, const std::string& word);

}  // namespace nuvopick
