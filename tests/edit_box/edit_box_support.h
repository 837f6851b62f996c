// Edit boxes on a test window: adding them from their data object, reading
// and writing their properties through the runtime, typing into them and
// calling the append-text command.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/components/edit_box_data.h"
#include "window_fixture.h"

namespace test {

constexpr uint32_t kEditBoxType = 0x00010005u;

// Own property indexes as the application numbers them (fixed ones first).
constexpr int32_t property(lp::EditBoxData::Property own) { return static_cast<int32_t>(own) + 8; }

class EditBoxTest : public WindowTest {
 protected:
  // An edit box as unit n; its geometry may be changed through geometry().
  void addBox(uint32_t n, const lp::EditBoxData& data, int32_t width = 120, int32_t height = 24);
  lp::ComponentUnit& geometry(uint32_t n);

  HWND box(uint32_t n) const { return unitWindow(componentId(n)); }
  std::string text(uint32_t n) const;

  void writeText(uint32_t n, lp::EditBoxData::Property own, const std::string& value);
  void writeNumber(uint32_t n, lp::EditBoxData::Property own, int32_t value);
  std::string readText(uint32_t n, lp::EditBoxData::Property own);
  int32_t readNumber(uint32_t n, lp::EditBoxData::Property own);

  // Characters typed into the focused box, through the message queue.
  void type(const std::string& characters);
  void append(uint32_t n, const std::string& piece);
  int count(uint32_t n, int32_t event) const;
};

}  // namespace test
