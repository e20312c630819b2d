// The sound a SoundMBType word names, as the pick list and the "試聴" button
// play it.
#pragma once

#include <string>

#include "platform/sound.h"

namespace nuvopick {

// "HAND", "QUESTION", "EXCLAMATION" and "ASTERISK" play their message sounds,
// "BEEP" a 440 Hz tone of 150 ms; every other word, compared byte for byte
// ("beep" too), plays the OK sound.
void PlaySoundWord(ISound& sound, const std::string& word);

}  // namespace nuvopick
