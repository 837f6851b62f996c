// Calling library commands the way compiled code does: by their number in
// the library's command table, with value records as arguments.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/program_header.h"

namespace test {

lp::ValueRecord none();
lp::ValueRecord text(const char* value);  // lent to the command
lp::ValueRecord integer(int32_t value);
lp::ValueRecord logical(bool value);
lp::ValueRecord real(double value);
lp::ValueRecord identity(uint32_t windowId, uint32_t unitId, uint32_t unitType);

lp::ValueRecord call(const lp::LibraryInfo& library, int command, std::vector<lp::ValueRecord> args);
lp::ValueRecord core(int command, std::vector<lp::ValueRecord> args);

// Results: a text or text array is taken over and freed.
std::string takeText(const lp::ValueRecord& result);
std::vector<std::string> takeTextArray(const lp::ValueRecord& result);
double doubleOf(const lp::ValueRecord& result);

// A fresh empty folder under the temporary folder (ends in a backslash).
std::string freshFolder(const std::string& name);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

}  // namespace test
