// From the window sources (one file per window, in window-index order) to
// the template data, and the files the program build takes from it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "runtime/core/template_format.h"
#include "tools/tplc/handler_list.h"

namespace tplc {

// False with "file: line N: message" on the first error; two windows with
// the same id are an error too.
bool buildTemplates(const std::vector<std::string>& sourcePaths, const HandlerList& handlers,
                    lp::TemplateData& data, std::string& error);

// Assembler (preprocessed GNU as, i686 or x86-64) of the code base: symbol
// lp_code_base, then one 8-byte-aligned jump per handler in list order.
std::string codeBaseAssembler(const HandlerList& handlers);

// C++ header for the program header: the blob's length and the symbols of
// the template data and the code base.
std::string templateLayoutHeader(size_t blobLength);

}  // namespace tplc
