// Runtime initialisation (runtime service 6) and the hidden message window.
#pragma once

namespace lp {

void initialiseRuntime();

}  // namespace lp
