// ReadIni and WriteIni through the wide profile functions.
#include <windows.h>

#include <string>

#include "runtime/core/command_args.h"
#include "runtime/core/gbk.h"
#include "runtime/core/ini_commands.h"

namespace lp {
namespace {

constexpr size_t kValueLimit = 10239;  // bytes of a value read, as a 10240-byte buffer holds

const char* skipLeadingBlanks(const char* text) {
  while (*text && static_cast<unsigned char>(*text) <= 0x20) ++text;
  return text;
}

// At most `limit` bytes, never ending inside a two-byte character.
std::string cutToBytes(std::string text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = 0;
  while (end < text.size()) {
    const size_t width = characterWidth(text.data() + end, text.size() - end);
    if (end + width > limit) break;
    end += width;
  }
  text.resize(end);
  return text;
}

// The profile functions write a new file in the system code page, which may
// not hold Chinese; a file that starts as UTF-16 is kept in UTF-16.
void createUnicodeFileIfMissing(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const unsigned char mark[2] = {0xFF, 0xFE};
  DWORD written = 0;
  WriteFile(file, mark, sizeof mark, &written, nullptr);
  CloseHandle(file);
}

}  // namespace

void cmdReadIni(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  const char* path = skipLeadingBlanks(textArg(argCount, args, 0));
  const char* section = skipLeadingBlanks(textArg(argCount, args, 1));
  const char* key = skipLeadingBlanks(textArg(argCount, args, 2));
  if (!*path || !*section || !*key) return setText(result, "");
  std::wstring value(kValueLimit + 1, L'\0');
  const DWORD length = GetPrivateProfileStringW(
      gbkToWide(section).c_str(), gbkToWide(key).c_str(), gbkToWide(textArg(argCount, args, 3)).c_str(),
      value.data(), static_cast<DWORD>(value.size()), gbkToWide(path).c_str());
  value.resize(length);
  setText(result, cutToBytes(wideToGbk(value), kValueLimit));
}

void cmdWriteIni(ValueRecord* result, int32_t argCount, ValueRecord* args) {
  const std::wstring path = gbkToWide(textArg(argCount, args, 0));
  const std::wstring section = gbkToWide(textArg(argCount, args, 1));
  const bool hasKey = hasArg(argCount, args, 2), hasValue = hasArg(argCount, args, 3);
  const std::wstring key = gbkToWide(textArg(argCount, args, 2));
  const std::wstring value = gbkToWide(textArg(argCount, args, 3));
  // An empty path would name the system's own settings file.
  if (path.empty()) return setLogical(result, false);
  if (hasKey && hasValue) createUnicodeFileIfMissing(path);
  const BOOL written = WritePrivateProfileStringW(section.c_str(), hasKey ? key.c_str() : nullptr,
                                                  hasKey && hasValue ? value.c_str() : nullptr, path.c_str());
  setLogical(result, written != FALSE);
}

}  // namespace lp
