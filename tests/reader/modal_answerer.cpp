#include "tests/reader/modal_answerer.h"

#include <map>

#include "tests/reader/window_text.h"

namespace readertest {
namespace {

std::map<UINT_PTR, std::function<void()>*>& timers() {
  static std::map<UINT_PTR, std::function<void()>*> all;
  return all;
}

BOOL CALLBACK collectDialog(HWND w, LPARAM lParam) {
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(w);
  return TRUE;
}

}  // namespace

ThreadTimer::ThreadTimer(std::function<void()> tick) : tick_(std::move(tick)) {
  id_ = SetTimer(nullptr, 0, 50, &ThreadTimer::onTimer);
  timers()[id_] = &tick_;
}

ThreadTimer::~ThreadTimer() {
  KillTimer(nullptr, id_);
  timers().erase(id_);
}

void CALLBACK ThreadTimer::onTimer(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = timers().find(id);
  if (found != timers().end()) (*found->second)();
}

ModalAnswerer::ModalAnswerer(int button) : button_(button), timer_([this] { answer(); }) {}

void ModalAnswerer::answer() {
  std::vector<HWND> open;
  EnumThreadWindows(GetCurrentThreadId(), collectDialog, reinterpret_cast<LPARAM>(&open));
  for (HWND dialog : open) {
    if (!answered_.insert(dialog).second) continue;
    dialogs.push_back({windowTextOf(dialog), windowTextOf(GetDlgItem(dialog, 0xFFFF))});
    PostMessageW(dialog, WM_COMMAND, button_, 0);
  }
}

}  // namespace readertest
