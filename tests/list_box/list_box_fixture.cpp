#include "list_box_fixture.h"

#include "runtime/components/core_type_records.h"
#include "runtime/core/command_numbers.h"
#include "runtime/core/entry_services.h"
#include "runtime/core/library_table.h"
#include "runtime/core/memory_service.h"

namespace test {
namespace {

lp::ValueRecord listArgument() { return {kWindowId, kListUnit, kListBoxType}; }

lp::ValueRecord textValue(const std::string& text) {
  lp::ValueRecord value = {};
  lp::setRecordPointer(value, text.c_str(), lp::kText);
  return value;
}

lp::ValueRecord call(lp::CoreCommand command, const std::vector<lp::ValueRecord>& args) {
  return lp_entry_services.callCoreCommand(lp::kCoreLibraryInfo.commands[command],
                                           static_cast<int32_t>(args.size()), args.data());
}

}  // namespace

std::vector<std::string> sixtySixItems() {
  std::vector<std::string> items{"创世记"};
  for (int i = 2; i <= 65; ++i) items.push_back("书卷" + std::to_string(i));
  items.push_back("启示录");
  return items;
}

bool ListBoxTest::loadList(const lp::ListBoxData& data) {
  setWindow(lp::WindowData(), 400, 400);
  addComponent(1, kListBoxType, data.write(), 0);
  template_.units.back().component.height = 300;
  return load() && list() != nullptr;
}

int ListBoxTest::count() const { return static_cast<int>(SendMessageW(list(), LB_GETCOUNT, 0, 0)); }

int32_t ListBoxTest::readInt(lp::ListBoxData::Property own) const {
  return static_cast<int32_t>(lp_entry_services.readProperty(kWindowId, kListUnit, property(own), -1));
}

void ListBoxTest::writeInt(lp::ListBoxData::Property own, int32_t value) {
  lp_entry_services.writeProperty(kWindowId, kListUnit, property(own), -1, static_cast<uint32_t>(value), 0);
}

std::vector<uint8_t> ListBoxTest::readBytes(lp::ListBoxData::Property own) const {
  const uint64_t word = lp_entry_services.readProperty(kWindowId, kListUnit, property(own), -1);
  void* block = reinterpret_cast<void*>(static_cast<uintptr_t>(word));
  const unsigned char* bytes = lp::byteSetData(block);
  std::vector<uint8_t> out(bytes, bytes + lp::byteSetSize(block));
  lp_entry_services.free(block);
  return out;
}

void ListBoxTest::writeBytes(lp::ListBoxData::Property own, const std::vector<uint8_t>& bytes) {
  void* block = lp::makeByteSet(bytes.data(), static_cast<int32_t>(bytes.size()));
  const uint64_t word = reinterpret_cast<uintptr_t>(block);
  lp_entry_services.writeProperty(kWindowId, kListUnit, property(own), -1, static_cast<uint32_t>(word),
                                  static_cast<uint32_t>(word >> 32));
  lp_entry_services.free(block);
}

std::string ListBoxTest::itemText(int32_t index) {
  lp::ValueRecord result = call(lp::kCmdListBoxGetItemText, {listArgument(), {static_cast<uint32_t>(index), 0, lp::kInt}});
  EXPECT_EQ(result.type, lp::kText);
  auto* text = static_cast<char*>(lp::recordPointer(result));
  std::string out = text ? text : "";
  lp_entry_services.free(text);
  return out;
}

int32_t ListBoxTest::addItem(const std::string& text) {
  return static_cast<int32_t>(call(lp::kCmdListBoxAddItem, {listArgument(), textValue(text)}).low);
}

int32_t ListBoxTest::addItem(const std::string& text, int32_t value) {
  return static_cast<int32_t>(
      call(lp::kCmdListBoxAddItem, {listArgument(), textValue(text), {static_cast<uint32_t>(value), 0, lp::kInt}})
          .low);
}

void ListBoxTest::clear() { call(lp::kCmdListBoxClear, {listArgument()}); }

}  // namespace test
