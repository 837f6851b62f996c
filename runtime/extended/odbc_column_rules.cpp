#include "runtime/extended/odbc_column_rules.h"

#include <cstring>

namespace lp {

FieldKind fieldKindOfSqlType(int32_t sqlType) {
  switch (sqlType) {
    case -7: return kFieldLogical;
    case -6: return kFieldByte;
    case 5: return kFieldShort;
    case 4: return kFieldInteger;
    case 7: return kFieldFloat;
    case 6:
    case 8: return kFieldDouble;
    case 9:
    case 10:
    case 11: return kFieldDateTime;
    case 1:
    case 2:
    case 3:
    case 12:
    case -1:
    case -5:
    case -9: return kFieldText;
    case -2:
    case -3:
    case -4: return kFieldByteSet;
    default: return kFieldNone;
  }
}

bool isBindableColumn(int32_t sqlType, int64_t displaySize) {
  return !(sqlType <= -1 && sqlType >= -4) && displaySize <= 512;
}

int32_t columnDisplayWidth(int32_t sqlType, int64_t precision, const char* name) {
  int64_t width;
  switch (sqlType) {
    case 1: case 12: case -1: case -8: case -9: case -10: width = precision; break;
    case 2: case 3: width = precision + 2; break;
    case 4: case 5: case -5: case -6: width = precision + 1; break;
    case -7: width = 3; break;
    default: width = precision + 10; break;
  }
  int64_t least = static_cast<int64_t>(name ? std::strlen(name) : 0) + 1;
  if (width < least) width = least;
  if (width > INT32_MAX) width = INT32_MAX;
  return static_cast<int32_t>(width);
}

bool isNumericSqlType(int32_t sqlType) {
  return (sqlType >= 2 && sqlType <= 8) || (sqlType >= -7 && sqlType <= -5);
}

}  // namespace lp
