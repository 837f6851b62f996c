#include "template_builder.h"

#include "fake_components.h"
#include "runtime/core/window_registry.h"

namespace fake {
namespace {
void baseRoutine(lp::HandlerCall*) {}
}  // namespace

const void* codeBase() { return reinterpret_cast<const void*>(&baseRoutine); }

int32_t offsetOf(lp::EventHandler handler) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(handler) - reinterpret_cast<intptr_t>(codeBase()));
}

lp::UnitRecord windowUnit(uint32_t id, int32_t left, int32_t top, int32_t width, int32_t height) {
  lp::UnitRecord unit;
  unit.id = id;
  unit.component.head.typeCode = kWindowType;
  unit.component.left = left;
  unit.component.top = top;
  unit.component.width = width;
  unit.component.height = height;
  unit.component.state = lp::kStateVisible;
  return unit;
}

lp::UnitRecord childUnit(uint32_t id, uint32_t type, int32_t left, int32_t top, uint32_t parent) {
  lp::UnitRecord unit = windowUnit(id, left, top, 40, 20);
  unit.component.head.typeCode = type;
  unit.component.parent = parent;
  unit.component.state = lp::kStateVisible | lp::kStateTabStop;
  return unit;
}

lp::UnitRecord menuUnit(uint32_t id, const std::string& caption, int32_t level, int32_t hotKey, uint32_t flags,
                        int32_t handlerOffset) {
  lp::UnitRecord unit;
  unit.id = id;
  unit.isMenu = true;
  unit.menu.head.typeCode = kMenuType;
  unit.menu.caption = caption;
  unit.menu.level = level;
  unit.menu.hotKey = hotKey;
  unit.menu.flags = flags;
  unit.menu.handlerOffset = handlerOffset;
  return unit;
}

void bind(lp::UnitRecord& unit, int32_t event, lp::EventHandler handler) {
  unit.component.events.push_back({event, offsetOf(handler)});
}

void loadTemplates(const std::vector<lp::WindowTemplate>& windows) {
  lp::TemplateData data;
  data.windows = windows;
  std::vector<uint8_t> bytes = lp::writeTemplateData(data);
  install();
  lp::loadWindowTemplates(bytes.data(), static_cast<uint32_t>(bytes.size()), codeBase());
}

}  // namespace fake
