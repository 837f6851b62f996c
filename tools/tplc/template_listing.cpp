#include "tools/tplc/template_listing.h"

#include <cstdio>
#include <sstream>

#include "tools/tplc/component_types.h"
#include "tools/tplc/gbk_text.h"
#include "tools/tplc/hot_keys.h"

namespace tplc {
namespace {

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

std::string typeName(uint32_t typeCode) {
  const ComponentType* type = findComponentType(typeCode);
  return type ? type->facts().englishName : hex(typeCode);
}

void listComponent(std::ostringstream& out, const lp::UnitRecord& unit) {
  const lp::ComponentUnit& c = unit.component;
  out << "  unit " << hex(unit.id) << ' ' << typeName(c.head.typeCode);
  if (!c.head.name.empty()) out << ' ' << gbkToUtf8(c.head.name);
  out << "\n    at " << c.left << ' ' << c.top << ' ' << c.width << ' ' << c.height << "  state " << c.state
      << "  tab " << c.tabOrder;
  if (c.parent) out << "  parent " << hex(c.parent);
  if (!c.tag.empty()) out << "  tag " << gbkToUtf8(c.tag);
  out << "  properties " << c.properties.size() << " bytes\n";
  for (const lp::EventBinding& binding : c.events)
    out << "    on " << binding.event << " offset " << binding.handlerOffset << '\n';
}

void listMenu(std::ostringstream& out, const lp::UnitRecord& unit) {
  const lp::MenuUnit& m = unit.menu;
  out << "  menu " << hex(unit.id) << " level " << m.level << ' ' << std::string(2 * m.level, ' ')
      << gbkToUtf8(m.caption);
  if (m.hotKey) out << "  hotkey " << (hotKeyName(m.hotKey).empty() ? std::to_string(m.hotKey) : hotKeyName(m.hotKey));
  if (m.flags) out << "  state " << m.flags;
  out << "  offset " << m.handlerOffset << '\n';
}

}  // namespace

std::string listTemplates(const lp::TemplateData& data) {
  std::ostringstream out;
  for (const lp::WindowTemplate& window : data.windows) {
    out << "window " << hex(window.id) << "  words " << hex(static_cast<uint32_t>(window.firstWord)) << ' '
        << hex(static_cast<uint32_t>(window.secondWord)) << "  units " << window.units.size() << '\n';
    for (const lp::UnitRecord& unit : window.units) {
      if (unit.isMenu) listMenu(out, unit);
      else listComponent(out, unit);
    }
  }
  return out.str();
}

}  // namespace tplc
