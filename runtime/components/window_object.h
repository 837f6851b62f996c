// The live window component: its properties and the run-time state it keeps
// beside them. Shared by the window_*.cpp files only.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/component_messages.h"
#include "runtime/components/picture_loader.h"
#include "runtime/components/window_data.h"
#include "runtime/components/window_music.h"
#include "runtime/core/component_object.h"
#include "runtime/core/library_service.h"

namespace lp {

struct WindowObject : ComponentObject {
  WindowData data;
  bool designMode = false;
  WNDPROC classProcedure = nullptr;  // what the subclassing replaced
  HICON bigIcon = nullptr;           // icons made from the Icon property
  HICON smallIcon = nullptr;
  PictureCache backPicture;
  HWND savedFocus = nullptr;         // the focused child on deactivation
  bool activatedOnce = false;
  bool pendingDestroy = false;
  bool helpOpened = false;
  std::wstring helpFileOpened;
  HICON trayIcon = nullptr;
  BackgroundMusic music;
  PreTranslator preTranslator = {};
  bool idleActive = false;
  DWORD idleStart = 0;
};

// Posted to itself when the idle handler asks for further idle calls.
constexpr UINT kMsgIdleContinue = WM_APP + 0x78;

// The window object of a window handle, or null.
WindowObject* windowObjectOf(HWND window);
// The create entry, and the undoing of what it attached to the window.
ComponentObject* createWindowComponent(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND owner,
                                       uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                                       int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                                       int32_t designMode);
void forgetWindowObject(WindowObject& w);

// Window creation and its styles (window_styles.cpp).
struct CreationStyles {
  DWORD style = 0;
  DWORD extendedStyle = 0;
};
CreationStyles creationStyles(const WindowData& data, uint32_t presetStyle, bool owned, bool designMode);
void applyCaptionStyles(WindowObject& w);
void applyBorder(WindowObject& w);
bool isResizable(HWND window);

// Showing and positioning (window_position.cpp).
void showInitialState(WindowObject& w);
void applyPosition(WindowObject& w);
void centreOnScreen(HWND window);

// Looks (window_paint.cpp, window_shape.cpp, window_icons.cpp).
void paintBackground(WindowObject& w);
void invalidateBackground(WindowObject& w);
void applyShape(WindowObject& w);
void applyIcons(WindowObject& w);
void applyAlwaysOnTop(WindowObject& w);

// Keyboard and mouse rules run before dispatch (window_keys.cpp).
bool preTranslateWindowMessage(void* self, MSG* msg);
// Focus handling shared by the keys and the activation (window_focus.cpp).
struct WindowUnit;
void moveFocus(WindowObject& w, HWND from, bool forward);
void moveFocusFrom(const std::vector<WindowUnit>& units, int position, bool forward);
HWND initialFocus(WindowObject& w);

// The window procedure that subclasses the class's (window_procedure.cpp).
LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The tray icon's mouse callback (window_tray.cpp).
void trayCallback(WindowObject& w, LPARAM mouseMessage);
void removeTrayIcon(WindowObject& w);

// Ends a modal state and destroys the window (a pending destroy or an
// accepted close).
void finishWindow(WindowObject& w);

}  // namespace lp
