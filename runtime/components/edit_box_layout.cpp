// The single-line layout: the client area is one text line high and sits in
// the middle of the window, whatever its height; the margins around it are
// painted in BackColor and count as border for the mouse.
#include "runtime/components/component_font.h"
#include "runtime/components/edit_box_object.h"

namespace lp {
namespace {

LRESULT callDefault(EditBoxObject& box, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(box.classProcedure, box.window, message, wParam, lParam);
}

int textHeight(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, fontOrDefault(font));
  SIZE size = {};
  GetTextExtentPoint32W(dc, L"W", 1, &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cy;
}

void centreLine(HWND window, RECT& client) {
  const int height = textHeight(window);
  // A box lower than one line keeps the default client area.
  if (client.bottom - client.top <= height) return;
  client.top += (client.bottom - client.top - height) / 2;
  client.bottom = client.top + height;
}

// The client rectangle in the window's own coordinates (window origin 0, 0).
RECT clientInWindow(HWND window) {
  RECT client, frame;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetWindowRect(window, &frame);
  OffsetRect(&client, -frame.left, -frame.top);
  return client;
}

void paintMargins(EditBoxObject& box) {
  RECT frame;
  GetWindowRect(box.window, &frame);
  OffsetRect(&frame, -frame.left, -frame.top);
  const RECT client = clientInWindow(box.window);
  HDC dc = GetWindowDC(box.window);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  FillRect(dc, &frame, backBrushOf(box));
  ReleaseDC(box.window, dc);
}

}  // namespace

bool singleLineLayout(EditBoxObject& box, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (box.data.multiLine) return false;
  switch (message) {
    case WM_NCCALCSIZE: {
      *result = callDefault(box, message, wParam, lParam);
      RECT* client = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      centreLine(box.window, *client);
      return true;
    }
    case WM_NCPAINT:
      paintMargins(box);
      *result = callDefault(box, message, wParam, lParam);
      return true;
    case WM_NCHITTEST: {
      POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(box.window, &p);
      RECT client;
      GetClientRect(box.window, &client);
      if (!PtInRect(&client, p)) {
        // Inside the window but outside the text line: the margins.
        *result = HTBORDER;
        return true;
      }
      return false;
    }
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(box.window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backBrushOf(box));
      *result = 1;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace lp
