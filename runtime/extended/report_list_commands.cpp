// The report list's six methods: InsertRow, SetCellText, GetCellText,
// GetRowCount, DeleteAllRows and SetColumnWidth. Inserts and cell writes
// that follow each other are a fill whose redraw is batched.
#include <cstring>
#include <string>

#include "runtime/components/library_link.h"
#include "runtime/core/gbk.h"
#include "runtime/extended/database_command_args.h"
#include "runtime/extended/report_list.h"
#include "runtime/extended/report_list_object.h"

namespace lp {
namespace {

constexpr int kFirstBufferSize = 512;

// The report list named by the first argument; the runtime reports a
// missing one.
ReportListObject* listArgument(int32_t argc, const ValueRecord* args) {
  if (argc < 1 || !args) return nullptr;
  auto* object = reinterpret_cast<ComponentObject*>(callRuntime(kSvcRequireComponent, args[0].low, args[0].high));
  return object ? reportListOf(object->window) : nullptr;
}

int32_t optionalInteger(int32_t argc, const ValueRecord* args, int32_t index, int32_t fallback) {
  return isOmitted(argc, args, index) ? fallback : integerArgument(argc, args, index);
}

std::wstring wideArgument(int32_t argc, const ValueRecord* args, int32_t index) {
  const char* text = textArgument(argc, args, index);
  return gbkToWide(text ? text : "");
}

void setTextResult(ValueRecord* result, const std::string& text) {
  void* block = nullptr;
  if (!text.empty()) {
    block = reinterpret_cast<void*>(callRuntime(kSvcAllocate, text.size() + 1));
    memcpy(block, text.c_str(), text.size() + 1);
  }
  setRecordPointer(*result, block, kText);
}

// One write of a fill: the redraw stays batched across it.
template <class Write>
LRESULT fillWrite(ReportListObject& list, Write write) {
  fillStep(list);
  list.writingRow = true;
  const LRESULT result = write();
  list.writingRow = false;
  return result;
}

}  // namespace

std::string cellText(HWND window, int32_t row, int32_t column) {
  std::wstring buffer;
  for (int size = kFirstBufferSize;; size *= 2) {
    buffer.assign(static_cast<size_t>(size), L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = &buffer[0];
    item.cchTextMax = size;
    const LRESULT length =
        SendMessageW(window, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    // A text that fills the buffer to its last place but one may have been cut.
    if (length < size - 1 || size > (1 << 24)) {
      buffer.resize(static_cast<size_t>(length > 0 ? length : 0));
      return wideToGbk(buffer);
    }
  }
}

void cmdInsertRow(ValueRecord* result, int32_t argc, ValueRecord* args) {
  *result = integerValue(-1);
  ReportListObject* list = listArgument(argc, args);
  if (!list) return;
  std::wstring text = wideArgument(argc, args, 2);
  LVITEMW item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
  item.iItem = optionalInteger(argc, args, 1, -1);
  item.pszText = &text[0];
  const int32_t image = optionalInteger(argc, args, 3, -1);
  item.iImage = image < -1 ? -1 : image;
  if (!isOmitted(argc, args, 4)) {
    const int32_t state = integerArgument(argc, args, 4) + 1;
    item.state = INDEXTOSTATEIMAGEMASK(state > 0 ? state : 0);
    item.stateMask = LVIS_STATEIMAGEMASK;
  }
  const int32_t indent = optionalInteger(argc, args, 5, 0);
  item.iIndent = indent < 0 ? 0 : indent;
  item.lParam = static_cast<LPARAM>(optionalInteger(argc, args, 6, 0));
  const LRESULT row = fillWrite(*list, [&] {
    if (item.iItem < 0) item.iItem = static_cast<int>(SendMessageW(list->window, LVM_GETITEMCOUNT, 0, 0));
    return SendMessageW(list->window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  });
  *result = integerValue(static_cast<int32_t>(row));
}

void cmdSetCellText(ValueRecord* result, int32_t argc, ValueRecord* args) {
  *result = logicalValue(false);
  ReportListObject* list = listArgument(argc, args);
  if (!list) return;
  std::wstring text = wideArgument(argc, args, 3);
  LVITEMW item = {};
  item.iSubItem = optionalInteger(argc, args, 2, 0);
  item.pszText = &text[0];
  const WPARAM row = static_cast<WPARAM>(integerArgument(argc, args, 1));
  const LRESULT done = fillWrite(*list, [&] {
    return SendMessageW(list->window, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  });
  *result = logicalValue(done != 0);
}

void cmdGetCellText(ValueRecord* result, int32_t argc, ValueRecord* args) {
  setTextResult(result, "");
  ReportListObject* list = listArgument(argc, args);
  if (!list) return;
  setTextResult(result, cellText(list->window, integerArgument(argc, args, 1), optionalInteger(argc, args, 2, 0)));
}

void cmdGetRowCount(ValueRecord* result, int32_t argc, ValueRecord* args) {
  *result = integerValue(0);
  ReportListObject* list = listArgument(argc, args);
  if (!list) return;
  *result = integerValue(static_cast<int32_t>(SendMessageW(list->window, LVM_GETITEMCOUNT, 0, 0)));
}

void cmdDeleteAllRows(ValueRecord* result, int32_t argc, ValueRecord* args) {
  *result = logicalValue(false);
  ReportListObject* list = listArgument(argc, args);
  if (!list) return;
  *result = logicalValue(SendMessageW(list->window, LVM_DELETEALLITEMS, 0, 0) != 0);
}

void cmdSetColumnWidth(ValueRecord* result, int32_t argc, ValueRecord* args) {
  *result = logicalValue(false);
  ReportListObject* list = listArgument(argc, args);
  if (!list) return;
  int32_t width = optionalInteger(argc, args, 2, LVSCW_AUTOSIZE);
  if (width < LVSCW_AUTOSIZE_USEHEADER) width = LVSCW_AUTOSIZE_USEHEADER;
  const WPARAM column = static_cast<WPARAM>(integerArgument(argc, args, 1));
  *result = logicalValue(SendMessageW(list->window, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0);
}

}  // namespace lp
