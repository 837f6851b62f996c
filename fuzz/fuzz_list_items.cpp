// The list box's item list encoding.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/components/list_box_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> items;
  if (!lp::decodeItemList(data, size, items)) return 0;
  std::vector<uint8_t> encoded = lp::encodeItemList(items);
  std::vector<std::string> again;
  if (!lp::decodeItemList(encoded.data(), encoded.size(), again) || again != items) std::abort();
  return 0;
}
