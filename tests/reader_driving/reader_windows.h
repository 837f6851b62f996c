// Finding and talking to the top-level windows of another process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace drive {

// Visible top-level windows of the process.
std::vector<HWND> shownWindows(DWORD processId);
bool isDialog(HWND window);  // a message box or a system dialog
// The visible, unowned, captioned window of the process that is no dialog
// (the one with a menu when there are several); null when there is none.
HWND findMainWindow(DWORD processId);
// Whether the window's thread handles a message within the time.
bool answersMessages(HWND window, UINT timeoutMs);
// Waits until the main window is shown and handles messages; message boxes
// shown meanwhile are answered with OK. Null when the process ends or the
// time runs out.
HWND waitForMainWindow(HANDLE process, DWORD processId, DWORD timeoutMs);
// Presses OK on every message box of the process; returns how many.
int answerMessageBoxes(DWORD processId);
// Presses a button of a dialog by posting its command.
void pressButton(HWND dialog, int id);

// A control's text through wide messages, and setting it.
std::wstring textOf(HWND window);
void setText(HWND window, const std::wstring& text);
// A click on a child button as its parent hears of it.
void clickButton(HWND parent, int id);
// Enter pressed in a control: key down and up, as the keyboard sends them.
void pressEnter(HWND control);
// A message whose answer is a number, sent with a time limit; -1 when the
// window does not answer.
LRESULT askNumber(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, UINT timeoutMs = 60000);

}  // namespace drive
