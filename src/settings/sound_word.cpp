#include "settings/sound_word.h"

namespace nuvopick {

void PlaySoundWord(ISound& sound, const std::string& word) {
  if (word == "HAND") {
    sound.PlaySystemSound(TSystemSound::Hand);
  } else if (word == "QUESTION") {
    sound.PlaySystemSound(TSystemSound::Question);
  } else if (word == "EXCLAMATION") {
    sound.PlaySystemSound(TSystemSound::Exclamation);
  } else if (word == "ASTERISK") {
    sound.PlaySystemSound(TSystemSound::Asterisk);
  } else if (word == "BEEP") {
    sound.PlayTone(440, 150);
  } else {
    sound.PlaySystemSound(TSystemSound::Ok);
  }
}

}  // namespace nuvopick
