// The window template reader: any bytes are read or refused without harm,
// and what it reads writes back to bytes it reads the same way.
#include <cstdint>
#include <cstdlib>

#include "runtime/core/template_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lp::TemplateData parsed;
  if (!lp::readTemplateData(data, size, parsed)) return 0;
  std::vector<uint8_t> written = lp::writeTemplateData(parsed);
  lp::TemplateData again;
  if (!lp::readTemplateData(written.data(), written.size(), again)) std::abort();
  if (lp::writeTemplateData(again) != written) std::abort();
  return 0;
}
