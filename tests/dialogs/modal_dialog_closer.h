// Acting on a system dialog that runs its own modal loop: while a closer
// lives, a thread timer looks for a visible dialog window of this thread and
// hands it to the action once (which sets controls and posts OK or Cancel).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace test {

class ModalDialogCloser {
 public:
  explicit ModalDialogCloser(std::function<void(HWND dialog)> action);
  ~ModalDialogCloser();
  ModalDialogCloser(const ModalDialogCloser&) = delete;
  ModalDialogCloser& operator=(const ModalDialogCloser&) = delete;

  // Whether a dialog was found and acted on.
  bool acted() const;
  // The dialog's title as it was shown (UTF-16).
  const std::wstring& title() const;
};

// Posts a button press (IDOK, IDCANCEL) to the dialog.
void press(HWND dialog, int button);

}  // namespace test
