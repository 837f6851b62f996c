// Page 0: the file's signature, format version and database settings.
#pragma once

#include "tools/jet4/byte_buffer.h"

namespace jet4 {

// A Jet 4 header without password or encryption, code page 1252 and the
// general sort order. `creationDate` is in days since 1899-12-30.
Bytes headerPage(double creationDate);

// Applies (or removes) the RC4 mask over the header's settings area.
void toggleHeaderMask(Bytes& page);

}  // namespace jet4
