#include "runtime/core/error_report.h"

#include <windows.h>
#include <string>

#include "runtime/core/gbk.h"
#include "runtime/core/runtime_state.h"
#include "runtime/core/shutdown.h"

namespace lp {
namespace {

const char* const kCodeTexts[11] = {
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

ErrorCallback g_callback = nullptr;
bool g_inCallback = false;

}  // namespace

const char* errorCodeText(int32_t code) {
  return code >= 1 && code <= 11 ? kCodeTexts[code - 1] : nullptr;
}

void setErrorCallback(ErrorCallback callback) { g_callback = callback; }

std::string errorMessage(const char* text, int32_t code) {
  std::string message = "运行时出错!\r\n\r\n";
  if (code != 0) message += "错误代码：" + std::to_string(code) + "\r\n\r\n";
  if (text && *text) message += std::string("错误信息：") + text + "\r\n";
  return message;
}

void reportError(const char* text, int32_t code) {
  RuntimeState& state = runtime();
  // From here on no event reaches the application, even from windows that
  // repaint under the message box.
  state.suspendCount++;
  bool handled = false;
  if (g_callback && !g_inCallback) {
    g_inCallback = true;
    handled = g_callback(code, text ? text : "") != 0;
    g_inCallback = false;
  }
  if (!handled) {
    std::wstring message = gbkToWide(errorMessage(text, code));
    MessageBoxW(nullptr, message.c_str(), gbkToWide("错误").c_str(), MB_ICONHAND | MB_OK);
  }
  state.cleanup = nullptr;
  exitProcess(-1);
}

void reportErrorByCode(int32_t code) { reportError(errorCodeText(code), code); }

}  // namespace lp
