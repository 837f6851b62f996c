// The report list (Extended Interface Library type 4, `ListView`): a form
// component around the list-view common control in any of its four views.
#pragma once
#include <cstdint>

#include "runtime/core/program_header.h"

namespace lp {

// The type's entry points by interface number (create, setProperty,
// getAllPropertyData, getProperty, convertTexts); null for every other.
void* reportListProvider(int32_t number);

// The report list's methods in the library's command table. The first
// argument is the report list; rows and columns count from 0.
void cmdInsertRow(ValueRecord* result, int32_t argc, ValueRecord* args);
void cmdSetCellText(ValueRecord* result, int32_t argc, ValueRecord* args);
void cmdGetCellText(ValueRecord* result, int32_t argc, ValueRecord* args);
void cmdGetRowCount(ValueRecord* result, int32_t argc, ValueRecord* args);
void cmdDeleteAllRows(ValueRecord* result, int32_t argc, ValueRecord* args);
void cmdSetColumnWidth(ValueRecord* result, int32_t argc, ValueRecord* args);

}  // namespace lp
