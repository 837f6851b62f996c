// One lookup or search performed in the running reader, timed from the key
// press (or click, or typing) to the moment its control holds every row.
#pragma once
#include <windows.h>

#include "bench/reader_cases.h"

namespace bench {

// Milliseconds until the control showed `expected` rows and kept them;
// -1 when it did not within two minutes.
double performCase(HWND main, const ReaderCase& c, long expected);

}  // namespace bench
