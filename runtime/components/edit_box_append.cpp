// The append-text method and its pending buffer. Each EM_REPLACESEL costs
// several milliseconds under some systems whatever its size, and more the
// larger the box grows, so appended pieces are collected and inserted
// together: while appending goes on, at most every 100 ms (less often when
// one insertion takes long, so that inserting stays a small share of the
// time), and once it stops, as soon as the program waits for input again
// (idle), or at the latest on a timer. Anything that reads or changes the
// box inserts them first, so nothing but the timing can tell.
#include "runtime/components/edit_box.h"
#include "runtime/components/edit_box_object.h"
#include "runtime/components/library_link.h"
#include "runtime/core/command_args.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

constexpr DWORD kFlushInterval = 100;     // milliseconds, the shortest
constexpr DWORD kLongestInterval = 1000;  // the box still grows visibly
constexpr DWORD kBurstEnded = 100;        // no piece for this long ends a burst

EditBoxObject* editBoxArgument(int32_t argc, const ValueRecord* args) {
  if (argc < 1) return nullptr;
  auto* object = reinterpret_cast<ComponentObject*>(callRuntime(kSvcRequireComponent, args[0].low, args[0].high));
  return object ? editBoxOf(object->window) : nullptr;
}

void whenIdle(uintptr_t box) { flushPending(*reinterpret_cast<EditBoxObject*>(box)); }

void startPending(EditBoxObject& box) {
  box.pendingSince = GetTickCount();
  SetTimer(box.window, kFlushTimer, kBurstEnded, nullptr);
  IdleRegistration idle = {box.window, whenIdle, reinterpret_cast<uintptr_t>(&box)};
  callRuntime(kSvcAddIdleHandler, reinterpret_cast<uintptr_t>(&idle));
}

void stopPending(EditBoxObject& box) {
  KillTimer(box.window, kFlushTimer);
  callRuntime(kSvcRemoveIdleHandler, reinterpret_cast<uintptr_t>(box.window));
}

void moveCaretToEnd(EditBoxObject& box) {
  const int length = GetWindowTextLengthW(box.window);
  SendMessageW(box.window, EM_SETSEL, static_cast<WPARAM>(length), length);
  SendMessageW(box.window, EM_SCROLLCARET, 0, 0);
}

}  // namespace

void flushPending(EditBoxObject& box) {
  if (box.pending.empty()) return;
  std::wstring text;
  text.swap(box.pending);
  stopPending(box);
  const DWORD began = GetTickCount();
  // At the end whatever the selection was, scrolled into view.
  moveCaretToEnd(box);
  SendMessageW(box.window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(box.window, EM_SCROLLCARET, 0, 0);
  const DWORD took = GetTickCount() - began;
  box.flushInterval = took * 4 < kFlushInterval ? kFlushInterval : took * 4 > kLongestInterval ? kLongestInterval : took * 4;
}

void onFlushTimer(EditBoxObject& box) {
  const DWORD now = GetTickCount();
  if (now - box.lastAppend >= kBurstEnded || now - box.pendingSince >= box.flushInterval) flushPending(box);
}

void dropPending(EditBoxObject& box) {
  if (!box.pending.empty()) stopPending(box);
  box.pending.clear();
}

void cmdEditBoxAppendText(ValueRecord*, int32_t argc, ValueRecord* args) {
  EditBoxObject* box = editBoxArgument(argc, args);
  if (!box) return;
  for (int32_t i = 1; i < argc; ++i) {
    const char* text = textArg(argc, args, i);
    if (!*text) {
      // Nothing to insert, but the caret still goes to the end.
      if (box->pending.empty()) moveCaretToEnd(*box);
      continue;
    }
    if (box->pending.empty()) startPending(*box);
    box->pending += gbkToWide(text);
  }
  box->lastAppend = GetTickCount();
  if (!box->pending.empty() && box->lastAppend - box->pendingSince >= box->flushInterval) flushPending(*box);
}

}  // namespace lp
