// The live edit box: its properties and the run-time state beside them.
// Shared by the edit_box_*.cpp files only.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

#include "runtime/components/edit_box_data.h"
#include "runtime/core/component_object.h"

namespace lp {

struct EditBoxObject : ComponentObject {
  EditBoxData data;
  bool designMode = false;
  WNDPROC classProcedure = nullptr;  // the EDIT class's, which the subclassing replaced
  HBRUSH backBrush = nullptr;        // BackColor's brush; null for ClrDefault (system brush)
  HFONT font = nullptr;              // created from Font; null means DEFAULT_GUI_FONT
  HWND adjuster = nullptr;           // the up-down control beside a single-line box
  WNDPROC adjusterProcedure = nullptr;
  bool automaticAdjuster = false;
  bool writingContent = false;       // suppresses event 0 while Content is written
  std::string scratch;               // texts handed out by getProperty
  // Appended text not yet inserted into the control (see edit_box_append.cpp).
  std::wstring pending;
  DWORD pendingSince = 0;     // tick of the first piece waiting
  DWORD lastAppend = 0;       // tick of the latest piece
  DWORD flushInterval = 100;  // grows with what an insertion costs in a large box
};

// The object of an edit box window, or null; forgetting it on destruction
// (the EDIT class's procedure comes back).
EditBoxObject* editBoxOf(HWND window);
void forgetEditBox(EditBoxObject& box);

// The password character shown for the stored byte: a single GBK byte is a
// character only below 0x80.
inline wchar_t passwordCharacter(uint16_t stored) {
  const unsigned byte = stored & 0xFFu;
  return byte < 0x80 ? static_cast<wchar_t>(byte) : L'*';
}

// The create entry (edit_box_create.cpp).
ComponentObject* createEditBox(const uint8_t* block, int32_t length, uint32_t presetStyle, HWND parent,
                               uint32_t controlId, HMENU menu, int32_t left, int32_t top, int32_t width,
                               int32_t height, uint32_t windowId, uint32_t unitId, HWND designWindow,
                               int32_t designMode);
// Font with the single-line height rule; brush of BackColor.
void applyEditFont(EditBoxObject& box);
void makeBackBrush(EditBoxObject& box);
HBRUSH backBrushOf(const EditBoxObject& box);

// The text of the control as GBK, and writing it without raising event 0.
std::string editText(HWND window);
void writeWindowText(EditBoxObject& box, const std::string& text);

// The subclassing procedure (edit_box_procedure.cpp).
LRESULT CALLBACK editBoxProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Single-line layout: the text line centred, margins in BackColor
// (edit_box_layout.cpp). Each returns true when it answered the message.
bool singleLineLayout(EditBoxObject& box, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The adjuster (edit_box_adjuster.cpp).
void createAdjuster(EditBoxObject& box, uint32_t presetStyle, HWND parent, uint32_t controlId);
void setAdjusterRange(EditBoxObject& box);
void applyAdjusterBorder(EditBoxObject& box);
void placeAdjuster(EditBoxObject& box);
// Keeps the adjuster beside the box through moves, z-order, showing and
// enabling.
void followEditBox(EditBoxObject& box, UINT message, WPARAM wParam, LPARAM lParam);
void destroyAdjuster(EditBoxObject& box);

// Pending appended text (edit_box_append.cpp).
void flushPending(EditBoxObject& box);
void onFlushTimer(EditBoxObject& box);
void dropPending(EditBoxObject& box);
constexpr UINT_PTR kFlushTimer = 0x4C50;  // timer id on the edit box window

}  // namespace lp
