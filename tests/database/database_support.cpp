#include "tests/database/database_support.h"

#include <cstring>

#include "runtime/components/library_link.h"
#include "runtime/core/component_type.h"
#include "runtime/core/library_service.h"
#include "runtime/core/memory_service.h"
#include "runtime/extended/database_commands.h"

namespace dbcmd {
namespace {

lp::ComponentObject* g_component = nullptr;

// The registry is not involved: the one component answers for its ids, and
// every other request goes to the runtime.
intptr_t testRuntime(int32_t code, uintptr_t first, uintptr_t second) {
  if (code == lp::kSvcRequireComponent || code == lp::kSvcFindComponent) {
    if (g_component && g_component->windowId == first && g_component->unitId == second)
      return reinterpret_cast<intptr_t>(g_component);
    ADD_FAILURE() << "component lookup for an unknown unit";
    return 0;
  }
  return lp::libraryService(code, first, second);
}

}  // namespace

std::string windowsPath(const std::string& hostPath) {
  std::string p = "Z:" + hostPath;
  for (char& c : p) if (c == '/') c = '\\';
  return p;
}
std::string passagesPath() { return windowsPath(LP_FIXTURE_PASSAGES); }
std::string pinyinPath() { return windowsPath(LP_FIXTURE_PINYIN); }

lp::ValueRecord text(const char* value) {
  lp::ValueRecord r{};
  lp::setRecordPointer(r, value, lp::kText);
  return r;
}
lp::ValueRecord integer(int32_t value) { return {static_cast<uint32_t>(value), 0, lp::kInt}; }
lp::ValueRecord logical(bool value) { return {value ? 1u : 0u, 0, lp::kLogical}; }
lp::ValueRecord real(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), lp::kDouble};
}
lp::ValueRecord omitted() { return {0, 0, 0}; }

void DatabaseComponent::SetUp() {
  lp::setRuntimeEntry(testRuntime);
  parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(parent, nullptr);
  auto create = reinterpret_cast<lp::CreateFn>(lp::externalDatabaseProvider(lp::kEntryCreate));
  ASSERT_NE(create, nullptr);
  lp::ComponentObject* object =
      create(nullptr, 0, 0, parent, 100, nullptr, 10, 10, 32, 32, kWindowId, kUnitId, nullptr, 0);
  ASSERT_NE(object, nullptr);
  database = static_cast<lp::ExternalDatabase*>(object);
  g_component = object;
}

void DatabaseComponent::TearDown() {
  if (parent) DestroyWindow(parent);
  g_component = nullptr;
  lp::setRuntimeEntry(nullptr);
}

lp::ValueRecord DatabaseComponent::call(lp::CommandFn command, std::vector<lp::ValueRecord> arguments) {
  arguments.insert(arguments.begin(), lp::ValueRecord{kWindowId, kUnitId, lp::unitType(1, 46)});
  lp::ValueRecord result{};
  command(&result, static_cast<int32_t>(arguments.size()), arguments.data());
  return result;
}

bool DatabaseComponent::open(const std::string& path) {
  lp::ValueRecord r = call(lp::cmdDatabaseOpen, {text(path.c_str())});
  EXPECT_EQ(r.type, lp::kLogical);
  return r.low != 0;
}

int32_t DatabaseComponent::query(const char* statement) {
  lp::ValueRecord r = call(lp::cmdDatabaseQuery, {text(statement)});
  EXPECT_EQ(r.type, lp::kInt);
  return static_cast<int32_t>(r.low);
}

bool DatabaseComponent::isEOF(int32_t handle) {
  lp::ValueRecord r = call(lp::cmdDatabaseIsEOF, {integer(handle)});
  EXPECT_EQ(r.type, lp::kLogical);
  return r.low != 0;
}

Value DatabaseComponent::read(int32_t handle, const lp::ValueRecord& field) {
  lp::ValueRecord r = call(lp::cmdDatabaseReadField, {integer(handle), field});
  Value v{r.type, static_cast<int32_t>(r.low), false, ""};
  if (r.type == lp::kText) {
    const char* data = static_cast<const char*>(lp::recordPointer(r));
    v.isNull = data == nullptr;
    if (data) v.text = data;
    lp::release(const_cast<char*>(data));
  }
  return v;
}

std::vector<std::string> DatabaseComponent::rows(int32_t handle, std::vector<const char*> names) {
  std::vector<std::string> out;
  call(lp::cmdDatabaseMoveFirst, {integer(handle)});
  while (!isEOF(handle)) {
    std::string row;
    for (size_t i = 0; i < names.size(); ++i) {
      Value v = read(handle, names[i]);
      if (i > 0) row += "|";
      row += v.type == lp::kInt ? std::to_string(v.word) : v.text;
    }
    out.push_back(row);
    call(lp::cmdDatabaseMoveNext, {integer(handle)});
  }
  call(lp::cmdDatabaseCloseQuery, {integer(handle)});
  return out;
}

std::vector<std::string> DatabaseComponent::rows(const char* statement, std::vector<const char*> names) {
  int32_t handle = query(statement);
  EXPECT_NE(handle, 0) << statement;
  return handle ? rows(handle, names) : std::vector<std::string>{};
}

}  // namespace dbcmd
