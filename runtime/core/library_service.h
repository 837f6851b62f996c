// The library-service entry: how components and commands reach the runtime.
#pragma once
#include <cstdint>

struct tagMSG;  // MSG, without windows.h

namespace lp {

enum LibraryServiceCode : int32_t {
  kSvcProgramIcons = 1000,
  kSvcWindowRegistry = 1001,
  kSvcComponentType = 1002,
  kSvcUnitDestroyed = 2000,
  kSvcToDouble = 2001,
  kSvcProgramDirectory = 2003,
  kSvcProgramFileName = 2004,
  kSvcLoadWindow = 2005,
  kSvcFindComponent = 2006,
  kSvcRequireComponent = 2007,
  kSvcRaiseEvent = 2008,
  kSvcLoadBegins = 2009,
  kSvcLoadEnds = 2010,
  kSvcProcessMessages = 2018,
  kSvcAllocate = 2024,
  kSvcFree = 2025,
  kSvcReallocate = 2026,
  kSvcRaiseTypedEvent = 2031,
  // Codes of this runtime's own, for the window component.
  kSvcCreatingModalWindow = 2032,   // whether the window being created is modal
  kSvcWindowAccelerators = 2033,    // window id -> its accelerator table
  kSvcRestoreDisabledWindows = 2034,// window id: undo what its modal load disabled
  kSvcEventSuspended = 2035,        // whether event dispatch is suspended
  kSvcAddIdleHandler = 2036,        // IdleRegistration*
  kSvcRemoveIdleHandler = 2037,     // window handle
  kSvcUnitAt = 2038,                // window id, UnitInfo*: a unit by position; 1 when it exists
  kSvcWindowAt = 2039,              // index -> id of the program's window there, 0 past the end
  kSvcLastWindowGone = 2040,        // 1 when the loop runs and no window of the program is left
  kSvcHiddenOwner = 2041,           // the runtime's hidden window, owner of taskbar-less windows
  kSvcSetPreTranslator = 2042,      // window handle, PreTranslator* (null: remove)
};

// A top-level window that wants to see every message addressed to it or to
// one of its descendants before dispatch registers one of these
// (kSvcSetPreTranslator). The hook returns true when it consumed the message.
struct PreTranslator {
  bool (*preTranslate)(void* self, tagMSG* msg);
  void* self;
};

// Argument of kSvcLoadWindow.
struct LoadRequest {
  uint32_t windowId;
  void* owner;  // a component object, or null
  int32_t modal;
};

// Argument of kSvcUnitAt: what a window component needs to know of one unit
// of its window (focus order, default buttons, mnemonics, menu commands).
struct UnitInfo {
  int32_t position;      // in: position in the window's unit list
  uint32_t id;
  uint32_t typeCode;
  uint32_t state;        // bit 0 visible, bit 1 disabled, bit 2 tab stop
  int32_t tabOrder;
  int32_t menuPosition;  // position among the window's menu units; -1 for other units
  void* object;          // the live component object, or null
  void* cursor;          // the cursor loaded for the unit (HCURSOR), or null
};

// Argument of kSvcAddIdleHandler.
struct IdleRegistration {
  void* window;
  void (*callback)(uintptr_t argument);
  uintptr_t argument;
};

intptr_t libraryService(int32_t code, uintptr_t first, uintptr_t second);

}  // namespace lp
