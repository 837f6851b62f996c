// The external database component (Core Library type 46, `ODBCDB`): a hidden
// child window that stands for the unit on its form and holds one connection
// to the database engine. It has no properties; its commands are in
// database_commands.h.
#pragma once
#include <cstdint>

#include "runtime/core/component_object.h"
#include "runtime/extended/odbc_engine.h"

namespace lp {

struct ExternalDatabase : ComponentObject {
  // The engine's connection handle, 0 while no database is open. Destroying
  // the component closes it.
  DbHandle connection = 0;
};

// The type's entry points by interface number (create, setProperty,
// getAllPropertyData, getProperty); null for every other number.
void* externalDatabaseProvider(int32_t number);

}  // namespace lp
