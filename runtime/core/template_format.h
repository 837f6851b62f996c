// The window template data: its byte format, read and written by one piece
// of code shared by the runtime and the host template builder. Portable: no
// platform headers. All integers are 32-bit little-endian.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lp {

// Identifier parts: serial number in bits 0..23, kind 24..27, class 28..31.
constexpr uint32_t idSerial(uint32_t id) { return id & 0x00FFFFFFu; }
constexpr uint32_t idKind(uint32_t id) { return (id >> 24) & 0xFu; }
constexpr uint32_t idClass(uint32_t id) { return id >> 28; }
constexpr bool isValidId(uint32_t id) { return idSerial(id) != 0 && idKind(id) != 0; }
constexpr bool isMenuItemId(uint32_t id) { return idClass(id) == 2 && idKind(id) == 6; }

// Head shared by every unit record.
struct UnitHead {
  uint32_t typeCode = 0;
  uint32_t eventDelegate = 0;
  uint32_t reserved[4] = {0, 0, 0, 0};
  std::string name;    // GBK
  std::string remark;  // GBK
};

struct EventBinding {
  int32_t event;
  int32_t handlerOffset;  // relative to the code base; -1: none
};

// A component or the window's own unit.
struct ComponentUnit {
  UnitHead head;
  int32_t objectSlot = 0;
  int32_t left = 0, top = 0, width = 0, height = 0;
  int32_t cursorSlot = 0;
  uint32_t parent = 0;
  std::vector<uint32_t> children;
  std::vector<uint8_t> cursorBlock;
  std::string tag;
  int32_t reservedWord = 0;
  uint32_t state = 0;  // bit 0 visible, bit 1 disabled, bit 2 tab stop
  int32_t tabOrder = 0;
  std::vector<EventBinding> events;
  uint8_t reserved[20] = {};
  std::vector<uint8_t> properties;  // the component's property data block
};

constexpr uint32_t kStateVisible = 1, kStateDisabled = 2, kStateTabStop = 4;

struct MenuUnit {
  UnitHead head;
  int32_t hotKey = 0;  // 1..77, 0 none
  int32_t level = 0;
  uint32_t flags = 0;  // bit 0 hidden, bit 1 disabled, bit 2 checked
  std::string caption;
  int32_t handlerOffset = -1;
  int32_t menuSlot = 0;
  uint8_t reserved[12] = {};
};

constexpr uint32_t kMenuHidden = 1, kMenuDisabled = 2, kMenuChecked = 4;

struct UnitRecord {
  uint32_t id = 0;
  bool isMenu = false;
  ComponentUnit component;  // when !isMenu
  MenuUnit menu;            // when isMenu
};

struct WindowTemplate {
  uint32_t id = 0;
  int32_t firstWord = 0;
  int32_t secondWord = 0;
  std::string firstText;
  std::string secondText;
  std::vector<UnitRecord> units;  // unit 0 is the window's own unit
};

struct TemplateData {
  std::vector<WindowTemplate> windows;
};

// Reads the whole block; false on any read past the end or malformed count.
bool readTemplateData(const uint8_t* data, size_t length, TemplateData& out);
std::vector<uint8_t> writeTemplateData(const TemplateData& data);

// One unit record payload (without its length word).
bool readUnitPayload(uint32_t id, const uint8_t* data, size_t length, UnitRecord& out);
std::vector<uint8_t> writeUnitPayload(const UnitRecord& unit);

}  // namespace lp
