// Background music of a window: WAV data through the system's sound playback,
// MIDI data through the MCI sequencer. PlayCount 0 loops, 1 plays once, 2
// does not play.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

namespace lp {

enum class SoundKind { kNone, kWave, kMidi };

// Told apart by their file headers.
SoundKind soundKind(const std::vector<uint8_t>& bytes);

class BackgroundMusic {
 public:
  BackgroundMusic() = default;
  BackgroundMusic(const BackgroundMusic&) = delete;
  BackgroundMusic& operator=(const BackgroundMusic&) = delete;
  ~BackgroundMusic() { stop(); }

  void start(HWND window, const std::vector<uint8_t>& bytes, int32_t playCount);
  void stop();
  // MM_MCINOTIFY for the window: a finished MIDI piece starts again when looping.
  void onNotify(WPARAM flags, LPARAM device);

 private:
  std::vector<uint8_t> wave_;  // kept alive while the system plays it
  std::wstring midiFile_;
  UINT midiDevice_ = 0;
  HWND window_ = nullptr;  // told when a MIDI piece ends
  bool loop_ = false;
};

}  // namespace lp
