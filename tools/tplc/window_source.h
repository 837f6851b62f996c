// Reading one window's template source (format: resources/windows/README.md)
// into the shared template records, with property data blocks written by the
// component data objects and event handlers bound by name.
#pragma once
#include <string>

#include "runtime/core/template_format.h"
#include "tools/tplc/handler_list.h"

namespace tplc {

// False with "line N: message" on the first error: an unknown statement,
// type, property, handler or hot key, a malformed value, a duplicate or
// invalid id, or units out of order.
bool readWindowSource(const std::string& text, const HandlerList& handlers, lp::WindowTemplate& window,
                      std::string& error);

}  // namespace tplc
