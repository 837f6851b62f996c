// The run-time error report: a message box, then the end of the process with
// exit code -1 without the application's cleanup routine.
#pragma once
#include <cstdint>
#include <string>

namespace lp {

[[noreturn]] void reportError(const char* text, int32_t code);
[[noreturn]] void reportErrorByCode(int32_t code);
// The text of error codes 1 to 11; null for any other code.
const char* errorCodeText(int32_t code);

// The text the report shows (heading, optional code line, optional message).
std::string errorMessage(const char* text, int32_t code);

// Optional callback (code, text); a non-zero result skips the message box.
typedef int32_t (*ErrorCallback)(int32_t code, const char* text);
void setErrorCallback(ErrorCallback callback);

}  // namespace lp
