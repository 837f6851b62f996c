// The reader opens modal loops on the test's own thread (message boxes, the
// font dialog, the reading window). A thread timer runs inside those loops,
// so the test looks at them and closes them from there.
#pragma once
#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace readertest {

// Calls `tick` every 50 ms on this thread while it lives.
class ThreadTimer {
 public:
  explicit ThreadTimer(std::function<void()> tick);
  ~ThreadTimer();
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

 private:
  static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD);
  std::function<void()> tick_;
  UINT_PTR id_;
};

// Records every dialog (#32770) of this thread and presses `button` in it.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(int button = IDOK);
  // Title and static text of each dialog answered, in order (GBK).
  std::vector<std::pair<std::string, std::string>> dialogs;

 private:
  void answer();
  int button_;
  std::set<HWND> answered_;
  ThreadTimer timer_;
};

}  // namespace readertest
