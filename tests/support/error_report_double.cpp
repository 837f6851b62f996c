// Stands in for the run-time error report, which ends the process (that path
// is tested with real processes); here it throws the report instead.
#include "reported_error.h"
#include "runtime/core/error_report.h"

namespace lp {

void reportError(const char* text, int32_t code) { throw ReportedError{text, code}; }

}  // namespace lp
