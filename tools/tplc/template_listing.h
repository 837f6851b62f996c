// A readable listing of template data, for checking a built blob by eye:
// windows, units with type, name, geometry, state, events and the size of
// their property data blocks, menu items with level, hot key and handler.
#pragma once
#include <string>

#include "runtime/core/template_format.h"

namespace tplc {

std::string listTemplates(const lp::TemplateData& data);

}  // namespace tplc
