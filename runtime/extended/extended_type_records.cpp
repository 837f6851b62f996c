#include "runtime/extended/extended_type_records.h"

#include "runtime/components/type_records.h"
#include "runtime/extended/transparent_label.h"
#include "runtime/extended/report_list.h"

namespace lp {
namespace {

// The Extended Interface Library's types with a Win32 part; a type missing
// here is shown as the placeholder when a window holds one.
const TypeProvider kExtendedProviders[] = {
    {kReportListType, reportListProvider},
    {kTransparentLabelType, transparentLabelInterface},
};
constexpr size_t kExtendedProviderCount = sizeof kExtendedProviders / sizeof kExtendedProviders[0];

bool buildExtendedTypes() {
  buildTypeRecords(kExtendedTypes, kExtendedTypeCount, kExtendedProviders, kExtendedProviderCount,
                   kExtendedTypeRecords);
  return true;
}

}  // namespace

ComponentTypeRecord kExtendedTypeRecords[kExtendedTypeCount];
const bool kExtendedTypesBuilt = buildExtendedTypes();

}  // namespace lp
