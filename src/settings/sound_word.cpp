#include "settings/sound_word.h"

namespace nuvopick {

TSoundWord SoundWordOf(std::string_view name) {
  for (std::size_t i = 0; i < kSoundMBTypes.size(); ++i) {
    if (kSoundMBTypes[i].Name == name) return static_cast<TSoundWord>(i);
  }
  return TSoundWord::Ok;
}

void PlaySoundWord(ISound& sound, const std::string& word) {
  switch (SoundWordOf(word)) {
    case TSoundWord::Ok:
      sound.PlaySystemSound(TSystemSound::Ok);
      return;
    case TSoundWord::Hand:
      sound.PlaySystemSound(TSystemSound::Hand);
      return;
    case TSoundWord::Question:
      sound.PlaySystemSound(TSystemSound::Question);
      return;
    case TSoundWord::Exclamation:
      sound.PlaySystemSound(TSystemSound::Exclamation);
      return;
    case TSoundWord::Asterisk:
      sound.PlaySystemSound(TSystemSound::Asterisk);
      return;
    case TSoundWord::Beep:
      sound.PlayTone(440, 150);
      return;
  }
}

}  // namespace nuvopick
