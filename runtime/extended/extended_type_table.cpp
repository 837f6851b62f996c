#include "runtime/extended/extended_type_table.h"

#include "runtime/extended/report_list_data.h"
#include "runtime/extended/transparent_label_data.h"

namespace lp {

const ComponentTypeFacts kExtendedTypes[kExtendedTypeCount] = {
    {1, nullptr, nullptr, 0, false, nullptr, 0},
    {2, nullptr, nullptr, 0, false, nullptr, 0},
    {3, nullptr, nullptr, 0, false, nullptr, 0},
    {kReportListType, "\xB3\xAC\xBC\xB6\xC1\xD0\xB1\xED\xBF\xF2" /* 超级列表框 */, "ListView", kTypeWindowComponent, true,
     ReportListData::kProperties, ReportListData::kPropertyCount},
    {kTransparentLabelType, "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9" /* 透明标签 */, "TransLabel", 0x00012040u, true,
     TransparentLabelData::kProperties, TransparentLabelData::kPropertyCount},
};

const ComponentTypeFacts* extendedType(uint32_t number) {
  if (number < 1 || number > kExtendedTypeCount) return nullptr;
  return &kExtendedTypes[number - 1];
}

}  // namespace lp
