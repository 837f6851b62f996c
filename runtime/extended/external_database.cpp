#include "runtime/extended/external_database.h"

#include <windows.h>

#include "runtime/components/component_entries.h"
#include "runtime/components/object_link.h"
#include "runtime/components/window_class.h"
#include "runtime/core/component_type.h"
#include "runtime/extended/database_engine_calls.h"

namespace lp {
namespace {

const wchar_t kClassName[] = L"LumenPathExternalDatabase";

ExternalDatabase* objectOf(HWND window) {
  return linkedObject<ExternalDatabase>(window);
}

// The window only stands for the unit: it draws nothing and takes no input.
// When it is gone, the connection goes with it.
LRESULT CALLBACK databaseProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    if (ExternalDatabase* object = objectOf(window)) {
      unlinkObject(window);
      closeConnectionOf(*object);
      delete object;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass() { return ensureWindowClass(kClassName, databaseProcedure, 0, nullptr); }

// Whatever the template holds for the unit is ignored: there is nothing to read.
ComponentObject* create(const uint8_t*, int32_t, uint32_t presetStyle, HWND parent, uint32_t controlId,
                        HMENU, int32_t left, int32_t top, int32_t width, int32_t height, uint32_t windowId,
                        uint32_t unitId, HWND, int32_t) {
  if (!registerClass()) return nullptr;
  auto* object = new ExternalDatabase;
  object->windowId = windowId;
  object->unitId = unitId;
  const DWORD style = (presetStyle & ~WS_VISIBLE) | WS_CHILD | WS_CLIPSIBLINGS;
  if (!makeChildWindow(*object, kClassName, L"", style, 0, {parent, controlId, left, top, width, height})) {
    delete object;
    return nullptr;
  }
  return object;
}

// No properties: writes are accepted and change nothing, so nothing is rebuilt.
int32_t setProperty(ComponentObject*, int32_t, const PropertyValue*, int32_t*) { return 0; }

int32_t getProperty(ComponentObject*, int32_t, PropertyValue*) { return 0; }

HGLOBAL getAllPropertyData(ComponentObject*) { return GlobalAlloc(GMEM_MOVEABLE, 0); }

}  // namespace

void* externalDatabaseProvider(int32_t number) {
  static const ComponentEntries entries = {create, setProperty, getAllPropertyData, getProperty};
  return entryOf(entries, number);
}

}  // namespace lp
