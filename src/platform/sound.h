// The sounds the program plays: wave files, the system's message sounds, a tone.
#pragma once

#include <string>

namespace nuvopick {

// The system sounds by the message-box type they belong to.
enum class TSystemSound { Ok, Hand, Question, Exclamation, Asterisk };

class ISound {
 public:
  virtual ~ISound() = default;

  // Starts the wave file and returns at once; a file that cannot be played
  // plays nothing, not even the default sound.
  virtual void PlayWaveFile(const std::string& path) = 0;

  virtual void PlaySystemSound(TSystemSound sound) = 0;

  // A plain tone from the speaker; returns when it has ended.
  virtual void PlayTone(unsigned frequencyHz, unsigned durationMs) = 0;
};

}  // namespace nuvopick
