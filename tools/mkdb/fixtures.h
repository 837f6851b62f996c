// Small databases with known rows for the tests of other parts of the
// project; FIXTURES.md lists every row so tests can rely on them.
#pragma once

#include "tools/jet4/schema.h"

#include <string>
#include <vector>

namespace mkdb {

std::vector<std::string> fixtureNames();

// Tables [sj] and [word] of the named fixture; throws std::invalid_argument
// for an unknown name.
std::vector<jet4::Table> fixtureTables(const std::string& name);

}  // namespace mkdb
