// SetClipboardText. Besides the GBK bytes as CF_TEXT the clipboard gets the
// same text as CF_UNICODETEXT: a program reading it on a system whose code
// page is not 936 would otherwise convert GBK bytes with the wrong table.
#include <windows.h>

#include <cstring>
#include <string>

#include "runtime/core/command_args.h"
#include "runtime/core/desktop_commands.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

HGLOBAL globalCopy(const void* bytes, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return nullptr;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(block);
  return block;
}

// Another program may hold the clipboard for a moment (clipboard managers
// read every change): a few tries over a fifth of a second before giving up.
bool openClipboard() {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(20);
  }
  return false;
}

bool handOver(UINT format, HGLOBAL block) {
  if (SetClipboardData(format, block)) return true;
  GlobalFree(block);
  return false;
}

}  // namespace

void cmdSetClipboardText(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  const char* text = textArg(argCount, args, 0);
  const std::wstring wide = gbkToWide(text);
  if (!openClipboard()) return setLogical(result, false);
  EmptyClipboard();
  HGLOBAL narrowBlock = globalCopy(text, std::strlen(text) + 1);
  HGLOBAL wideBlock = globalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  bool done = narrowBlock && wideBlock;
  if (done) {
    done = handOver(CF_TEXT, narrowBlock);
    done = handOver(CF_UNICODETEXT, wideBlock) && done;
  } else {
    if (narrowBlock) GlobalFree(narrowBlock);
    if (wideBlock) GlobalFree(wideBlock);
  }
  CloseClipboard();
  setLogical(result, done);
}

}  // namespace lp
