#include "edit_box_support.h"

#include <stdexcept>

#include "runtime/components/edit_box.h"
#include "runtime/core/entry_services.h"
#include "runtime/core/gbk.h"
#include "runtime/core/memory_service.h"
#include "runtime/core/property_service.h"

namespace test {

void EditBoxTest::addBox(uint32_t n, const lp::EditBoxData& data, int32_t width, int32_t height) {
  addComponent(n, kEditBoxType, data.write(), static_cast<int32_t>(n));
  geometry(n).width = width;
  geometry(n).height = height;
}

lp::ComponentUnit& EditBoxTest::geometry(uint32_t n) {
  for (lp::UnitRecord& unit : template_.units)
    if (unit.id == componentId(n)) return unit.component;
  throw std::runtime_error("no such unit");
}

std::string EditBoxTest::text(uint32_t n) const {
  wchar_t buffer[8192] = {};
  GetWindowTextW(box(n), buffer, 8192);
  return lp::wideToGbk(buffer);
}

void EditBoxTest::writeText(uint32_t n, lp::EditBoxData::Property own, const std::string& value) {
  lp::ValueRecord record = {};
  lp::setRecordPointer(record, value.c_str(), lp::kText);
  lp::writeProperty(kWindowId, componentId(n), property(own), 0, record.low, record.high);
}

void EditBoxTest::writeNumber(uint32_t n, lp::EditBoxData::Property own, int32_t value) {
  lp::writeProperty(kWindowId, componentId(n), property(own), 0, static_cast<uint32_t>(value), 0);
}

std::string EditBoxTest::readText(uint32_t n, lp::EditBoxData::Property own) {
  const uint64_t word = lp::readProperty(kWindowId, componentId(n), property(own), 0);
  lp::ValueRecord record = {static_cast<uint32_t>(word), static_cast<uint32_t>(word >> 32), lp::kText};
  auto* block = static_cast<char*>(lp::recordPointer(record));
  std::string value = block ? block : "";
  lp::release(block);
  return value;
}

int32_t EditBoxTest::readNumber(uint32_t n, lp::EditBoxData::Property own) {
  return static_cast<int32_t>(lp::readProperty(kWindowId, componentId(n), property(own), 0));
}

void EditBoxTest::type(const std::string& characters) {
  for (char c : characters) PostMessageW(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
  pump();
}

void EditBoxTest::append(uint32_t n, const std::string& piece) {
  lp::ValueRecord args[2] = {{kWindowId, componentId(n), kEditBoxType}, {}};
  lp::setRecordPointer(args[1], piece.c_str(), lp::kText);
  lp_entry_services.callCoreCommand(lp::cmdEditBoxAppendText, 2, args);
}

int EditBoxTest::count(uint32_t n, int32_t event) const {
  int found = 0;
  for (const LoggedEvent& e : eventsOf(componentId(n))) found += e.event == event;
  return found;
}

}  // namespace test
