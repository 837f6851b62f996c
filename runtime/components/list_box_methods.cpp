// The list box's methods, library commands with the list box as their first
// argument {window id, unit id, type}.
#include <cstring>
#include <string>

#include "runtime/components/library_link.h"
#include "runtime/components/list_box_component.h"
#include "runtime/components/list_box_object.h"
#include "runtime/core/command_args.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

// The runtime reports a component that does not exist; another component
// type named as a list box gives null.
ListBoxObject* listBoxArgument(int32_t argc, const ValueRecord* args) {
  if (argc < 1 || !args) return nullptr;
  auto* object = reinterpret_cast<ComponentObject*>(callRuntime(kSvcRequireComponent, args[0].low, args[0].high));
  return object ? listBoxObjectOf(object->window) : nullptr;
}

// A new text block from the runtime's memory service; the empty text is null.
void setTextResult(ValueRecord* result, const std::string& text) {
  char* block = nullptr;
  if (!text.empty()) {
    block = reinterpret_cast<char*>(callRuntime(kSvcAllocate, text.size() + 1));
    std::memcpy(block, text.c_str(), text.size() + 1);
  }
  setRecordPointer(*result, block, kText);
}

std::string itemText(HWND window, int32_t index) {
  const auto count = static_cast<int32_t>(SendMessageW(window, LB_GETCOUNT, 0, 0));
  if (index < 0 || index >= count) return {};
  const LRESULT length = SendMessageW(window, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(window, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]));
  if (copied <= 0) return {};
  wide.resize(static_cast<size_t>(copied));
  return wideToGbk(wide);
}

}  // namespace

void cmdListBoxGetItemText(ValueRecord* result, int32_t argc, ValueRecord* args) {
  ListBoxObject* list = listBoxArgument(argc, args);
  setTextResult(result, list ? itemText(list->window, intArg(argc, args, 1, -1)) : std::string());
}

void cmdListBoxAddItem(ValueRecord* result, int32_t argc, ValueRecord* args) {
  setInteger(result, -1);
  ListBoxObject* list = listBoxArgument(argc, args);
  if (!list) return;
  // Adding item by item is the way lists get filled: keep it from repainting
  // after every item.
  beginBatch(*list);
  const std::wstring text = gbkToWide(textArg(argc, args, 1));
  const LRESULT index = SendMessageW(list->window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return;
  SendMessageW(list->window, LB_SETITEMDATA, static_cast<WPARAM>(index),
               static_cast<LPARAM>(static_cast<uint32_t>(intArg(argc, args, 2, 0))));
  itemAdded(*list);
  setInteger(result, static_cast<int32_t>(index));
}

void cmdListBoxClear(ValueRecord*, int32_t argc, ValueRecord* args) {
  ListBoxObject* list = listBoxArgument(argc, args);
  if (!list) return;
  // A clear is mostly the start of a refill.
  beginBatch(*list);
  SendMessageW(list->window, LB_RESETCONTENT, 0, 0);
  itemAdded(*list);
}

}  // namespace lp
