// InfoBox: a message box without owner, task-modal unless system-modal.
#include <windows.h>

#include <string>

#include "runtime/core/command_args.h"
#include "runtime/core/desktop_commands.h"
#include "runtime/core/gbk.h"
#include "runtime/core/text_form.h"

namespace lp {
namespace {

// Numbers, logicals, date-times and texts are shown; other values as nothing.
std::string contentText(int32_t argCount, const ValueRecord* args) {
  if (argCount < 1) return std::string();
  const ValueRecord& content = args[0];
  if (isNumericType(content.type) || content.type == kLogical || content.type == kDateTime ||
      content.type == kText) {
    return textForm(content);
  }
  return std::string();
}

int32_t buttonCode(int pressed) {
  switch (pressed) {
    case IDOK: return 0;
    case IDCANCEL: return 1;
    case IDABORT: return 2;
    case IDRETRY: return 3;
    case IDIGNORE: return 4;
    case IDYES: return 5;
    case IDNO: return 6;
    default: return 0;
  }
}

}  // namespace

void cmdInfoBox(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  UINT flags = static_cast<UINT>(intArg(argCount, args, 1, 0));
  if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
  const char* caption = hasArg(argCount, args, 2) ? textArg(argCount, args, 2) : "信息：";
  const int pressed = MessageBoxW(nullptr, gbkToWide(contentText(argCount, args)).c_str(),
                                  gbkToWide(caption).c_str(), flags);
  setInteger(result, buttonCode(pressed));
}

}  // namespace lp
