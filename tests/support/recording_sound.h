// Sounds for the tests: every sound asked for, written as a short text.
#pragma once

#include <string>
#include <vector>

#include "platform/sound.h"

namespace nuvopick::testing {

class RecordingSound : public ISound {
 public:
  // "wave C:\a.wav", "system Hand", "tone 440 150".
  std::vector<std::string> played;

  void PlayWaveFile(const std::string& path) override { played.push_back("wave " + path); }
  void PlaySystemSound(TSystemSound sound) override {
    static const char* const kNames[] = {"Ok", "Hand", "Question", "Exclamation", "Asterisk"};
    played.push_back(std::string("system ") + kNames[static_cast<int>(sound)]);
  }
  void PlayTone(unsigned frequencyHz, unsigned durationMs) override {
    played.push_back("tone " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
  }
};

}  // namespace nuvopick::testing
