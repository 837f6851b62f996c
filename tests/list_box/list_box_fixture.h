// A window holding one list box, with helpers that reach the list box the
// way the application does: properties through the entry services and the
// methods through the Core Library's command table.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/list_box_data.h"
#include "window_fixture.h"

namespace test {

constexpr uint32_t kListBoxType = 0x0001000Fu;
const uint32_t kListUnit = componentId(1);

// Property indexes as the application numbers them (own index + 8).
constexpr int32_t property(lp::ListBoxData::Property own) { return own + 8; }

// "创世记", 64 made-up names, "启示录".
std::vector<std::string> sixtySixItems();

class ListBoxTest : public WindowTest {
 protected:
  // Loads a window with the list box; true when both exist.
  bool loadList(const lp::ListBoxData& data);
  HWND list() const { return unitWindow(kListUnit); }
  int count() const;

  int32_t readInt(lp::ListBoxData::Property own) const;
  void writeInt(lp::ListBoxData::Property own, int32_t value);
  std::vector<uint8_t> readBytes(lp::ListBoxData::Property own) const;
  void writeBytes(lp::ListBoxData::Property own, const std::vector<uint8_t>& bytes);

  std::string itemText(int32_t index);
  int32_t addItem(const std::string& text);
  int32_t addItem(const std::string& text, int32_t value);
  void clear();
};

}  // namespace test
