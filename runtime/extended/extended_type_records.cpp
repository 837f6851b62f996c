#include "runtime/extended/extended_type_records.h"

#include "runtime/components/type_records.h"

namespace lp {
namespace {

// The Extended Interface Library's types with a Win32 part; none yet, so the
// report list and the transparent label are shown as placeholders.
const TypeProvider* const kExtendedProviders = nullptr;
constexpr size_t kExtendedProviderCount = 0;

bool buildExtendedTypes() {
  buildTypeRecords(kExtendedTypes, kExtendedTypeCount, kExtendedProviders, kExtendedProviderCount,
                   kExtendedTypeRecords);
  return true;
}

}  // namespace

ComponentTypeRecord kExtendedTypeRecords[kExtendedTypeCount];
const bool kExtendedTypesBuilt = buildExtendedTypes();

}  // namespace lp
