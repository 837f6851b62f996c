#include "runtime/components/window_music.h"

#include <mmsystem.h>

#include <cstring>

#include "runtime/core/deferred_system_calls.h"

namespace lp {

SoundKind soundKind(const std::vector<uint8_t>& bytes) {
  const uint8_t* d = bytes.data();
  if (bytes.size() >= 4 && std::memcmp(d, "MThd", 4) == 0) return SoundKind::kMidi;
  if (bytes.size() >= 12 && std::memcmp(d, "RIFF", 4) == 0) {
    if (std::memcmp(d + 8, "WAVE", 4) == 0) return SoundKind::kWave;
    if (std::memcmp(d + 8, "RMID", 4) == 0) return SoundKind::kMidi;
  }
  return SoundKind::kNone;
}

namespace {

// The sequencer plays files only: the MIDI bytes go to a temporary file.
std::wstring writeTemporary(const std::vector<uint8_t>& bytes) {
  wchar_t folder[MAX_PATH] = {}, file[MAX_PATH] = {};
  if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"mid", 0, file)) return L"";
  HANDLE h = CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (h == INVALID_HANDLE_VALUE) return L"";
  DWORD written = 0;
  const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(h);
  if (!ok) {
    DeleteFileW(file);
    return L"";
  }
  return file;
}

}  // namespace

void BackgroundMusic::start(HWND window, const std::vector<uint8_t>& bytes, int32_t playCount) {
  stop();
  if (playCount == 2) return;
  loop_ = playCount == 0;
  window_ = window;
  switch (soundKind(bytes)) {
    case SoundKind::kWave:
      wave_ = bytes;
      deferred::PlaySoundW(reinterpret_cast<LPCWSTR>(wave_.data()), nullptr,
                 SND_MEMORY | SND_ASYNC | SND_NODEFAULT | (loop_ ? SND_LOOP : 0));
      break;
    case SoundKind::kMidi: {
      midiFile_ = writeTemporary(bytes);
      if (midiFile_.empty()) return;
      MCI_OPEN_PARMSW open = {};
      open.lpstrDeviceType = L"sequencer";
      open.lpstrElementName = midiFile_.c_str();
      if (deferred::mciSendCommandW(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open)) != 0) {
        DeleteFileW(midiFile_.c_str());
        midiFile_.clear();
        return;
      }
      midiDevice_ = open.wDeviceID;
      MCI_PLAY_PARMS play = {};
      play.dwCallback = reinterpret_cast<DWORD_PTR>(window);
      deferred::mciSendCommandW(midiDevice_, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
      break;
    }
    case SoundKind::kNone:
      break;  // bytes that are no sound are ignored
  }
}

void BackgroundMusic::stop() {
  if (!wave_.empty()) {
    deferred::PlaySoundW(nullptr, nullptr, 0);
    wave_.clear();
  }
  if (midiDevice_) {
    deferred::mciSendCommandW(midiDevice_, MCI_CLOSE, 0, 0);
    midiDevice_ = 0;
  }
  if (!midiFile_.empty()) {
    DeleteFileW(midiFile_.c_str());
    midiFile_.clear();
  }
}

void BackgroundMusic::onNotify(WPARAM flags, LPARAM device) {
  if (!midiDevice_ || static_cast<UINT>(device) != midiDevice_ || flags != MCI_NOTIFY_SUCCESSFUL || !loop_) return;
  deferred::mciSendCommandW(midiDevice_, MCI_SEEK, MCI_SEEK_TO_START, 0);
  MCI_PLAY_PARMS play = {};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(window_);
  deferred::mciSendCommandW(midiDevice_, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
}

}  // namespace lp
