// Every component's property-data-block reader: the first byte picks the
// component, the rest is the block. A block that reads writes back to a
// block that reads to the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "runtime/components/button_data.h"
#include "runtime/components/color_picker_data.h"
#include "runtime/components/common_dialog_data.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/components/label_data.h"
#include "runtime/components/list_box_data.h"
#include "runtime/components/window_data.h"
#include "runtime/extended/report_list_data.h"
#include "runtime/extended/transparent_label_data.h"

namespace {

template <typename Data>
void check(const uint8_t* block, size_t size) {
  Data data;
  if (!data.read(block, size)) return;
  std::vector<uint8_t> written = data.write();
  Data again;
  if (!again.read(written.data(), written.size())) std::abort();
  if (again.write() != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t* block = data + 1;
  const size_t n = size - 1;
  switch (data[0] % 9) {
    case 0: check<lp::WindowData>(block, n); break;
    case 1: check<lp::LabelData>(block, n); break;
    case 2: check<lp::ButtonData>(block, n); break;
    case 3: check<lp::EditBoxData>(block, n); break;
    case 4: check<lp::ListBoxData>(block, n); break;
    case 5: check<lp::CommonDialogData>(block, n); break;
    case 6: check<lp::ColorPickerData>(block, n); break;
    case 7: check<lp::ReportListData>(block, n); break;
    default: check<lp::TransparentLabelData>(block, n); break;
  }
  return 0;
}
