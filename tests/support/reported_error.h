// In these tests the run-time error report throws instead of ending the
// process, so a test can check what would have been reported.
#pragma once
#include <cstdint>
#include <string>

struct ReportedError {
  std::string text;
  int32_t code;
};
