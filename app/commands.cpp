#include "app/commands.h"

#include "runtime/core/command_numbers.h"
#include "runtime/core/program_header.h"

namespace reader::cmd {
namespace {

lp::ValueRecord core(int index, std::initializer_list<lp::ValueRecord> args) {
  return callCommand(lp::kCoreLibrary, index, args);
}
lp::ValueRecord extended(int index, std::initializer_list<lp::ValueRecord> args) {
  return callCommand(lp::kExtendedInterfaceLibrary, index, args);
}
lp::ValueRecord text(const std::string& s) { return textValue(s); }
lp::ValueRecord number(int32_t n) { return integerValue(n); }

double doubleOf(const lp::ValueRecord& r) {
  if (r.type != lp::kDouble) return 0;
  uint64_t bits = (static_cast<uint64_t>(r.high) << 32) | r.low;
  double d;
  static_assert(sizeof d == sizeof bits, "doubles are 8 bytes");
  __builtin_memcpy(&d, &bits, sizeof d);
  return d;
}

}  // namespace

std::string toText(const lp::ValueRecord& value) { return takeText(core(lp::kCmdToText, {value})); }

double toNumber(const std::string& s) { return doubleOf(core(lp::kCmdToNumber, {text(s)})); }

int32_t findTextIgnoringCase(const std::string& searched, const std::string& sought) {
  return integerOf(core(lp::kCmdFindText, {text(searched), text(sought), omittedValue(), logicalValue(true)}));
}

std::string removeAllSpaces(const std::string& s) { return takeText(core(lp::kCmdRemoveAllSpaces, {text(s)})); }

std::vector<std::string> splitText(const std::string& s, const std::string& delimiter) {
  lp::ValueRecord result = core(lp::kCmdSplitText, {text(s), text(delimiter)});
  void* block = lp::recordPointer(result);
  std::vector<std::string> words;
  const int64_t count = lp::arrayElementCount(block);
  const unsigned char* elements = count > 0 ? lp::arrayElements(block) : nullptr;
  // Text elements are 4-byte words on the product; pointer-sized here.
  for (int64_t i = 0; i < count; ++i) {
    char* word = nullptr;
    __builtin_memcpy(&word, elements + i * sizeof(char*), sizeof(char*));
    words.push_back(word ? word : "");
    releaseBlock(word);
  }
  releaseBlock(block);
  return words;
}

bool fileExists(const std::string& path) { return logicalOf(core(lp::kCmdFileExists, {text(path)})); }

bool writeToFile(const std::string& path, const void* byteSet) {
  return logicalOf(core(lp::kCmdWriteToFile, {text(path), byteSetValue(byteSet)}));
}

bool removeFile(const std::string& path) { return logicalOf(core(lp::kCmdRemoveFile, {text(path)})); }

std::string readIni(const std::string& path, const char* section, const char* key, const std::string& fallback) {
  return takeText(core(lp::kCmdReadIni, {text(path), textValue(section), textValue(key), text(fallback)}));
}

bool writeIni(const std::string& path, const char* section, const char* key, const std::string& value) {
  return logicalOf(core(lp::kCmdWriteIni, {text(path), textValue(section), textValue(key), text(value)}));
}

std::string specialFolder(int32_t code) {
  return takeText(callCommand(lp::kSystemInterfaceLibrary, lp::kCmdGetSpecialFolder, {number(code)}));
}

void shellOpen(const std::string& target) {
  releaseValue(callCommand(lp::kApplicationInterfaceLibrary, lp::kCmdShellOpen, {text(target)}));
}

bool setClipboardText(const std::string& s) { return logicalOf(core(lp::kCmdSetClipboardText, {text(s)})); }

int32_t infoBox(const std::string& content, int32_t flags, const char* caption) {
  return integerOf(core(lp::kCmdInfoBox, {text(content), number(flags), textValue(caption)}));
}

void doEvents() { core(lp::kCmdDoEvents, {}); }

std::string decryptToText(const void* enciphered, const std::string& key) {
  constexpr int32_t kAlgorithm = 2;
  lp::ValueRecord plain = callCommand(lp::kDataOperationsLibrary, lp::kCmdDecryptData,
                                      {byteSetValue(enciphered), text(key), number(kAlgorithm)});
  // An absent result counts as the empty byte-set.
  if (plain.type != lp::kByteSet) {
    releaseValue(plain);
    plain = byteSetValue(nullptr);
  }
  std::string result = toText(plain);
  releaseValue(plain);
  return result;
}

bool loadWindowModal(const Component& window) {
  return logicalOf(core(lp::kCmdLoadWindow, {componentValue(window), omittedValue(), logicalValue(true)}));
}

void destroy(const Component& c) { core(lp::kCmdDestroy, {componentValue(c)}); }

void move(const Component& c, int32_t left, int32_t top, int32_t width, int32_t height) {
  core(lp::kCmdMove, {componentValue(c), number(left), number(top), number(width), number(height)});
}

bool openDialog(const Component& dialog) { return logicalOf(core(lp::kCmdOpenDialog, {componentValue(dialog)})); }

std::string listItemText(const Component& list, int32_t index) {
  return takeText(core(lp::kCmdListBoxGetItemText, {componentValue(list), number(index)}));
}

void addListItem(const Component& list, const std::string& s) {
  core(lp::kCmdListBoxAddItem, {componentValue(list), text(s)});
}

void clearList(const Component& list) { core(lp::kCmdListBoxClear, {componentValue(list)}); }

void appendText(const Component& edit, const std::string& s) {
  core(lp::kCmdEditBoxAppendText, {componentValue(edit), text(s)});
}

bool openDatabase(const Component& db, const std::string& path) {
  return logicalOf(core(lp::kCmdDatabaseOpen, {componentValue(db), text(path)}));
}

void closeDatabase(const Component& db) { core(lp::kCmdDatabaseClose, {componentValue(db)}); }

int32_t query(const Component& db, const std::string& statement) {
  return integerOf(core(lp::kCmdDatabaseQuery, {componentValue(db), text(statement)}));
}

void closeQuery(const Component& db, int32_t handle) {
  core(lp::kCmdDatabaseCloseQuery, {componentValue(db), number(handle)});
}

bool isEOF(const Component& db, int32_t handle) {
  return logicalOf(core(lp::kCmdDatabaseIsEOF, {componentValue(db), number(handle)}));
}

void moveFirst(const Component& db, int32_t handle) {
  core(lp::kCmdDatabaseMoveFirst, {componentValue(db), number(handle)});
}

void moveNext(const Component& db, int32_t handle) {
  core(lp::kCmdDatabaseMoveNext, {componentValue(db), number(handle)});
}

std::string readFieldText(const Component& db, int32_t handle, const char* field) {
  // Whatever the stored type, the field is used as text.
  lp::ValueRecord value = core(lp::kCmdDatabaseReadField, {componentValue(db), number(handle), textValue(field)});
  std::string result = toText(value);
  releaseValue(value);
  return result;
}

int32_t insertRow(const Component& list) { return integerOf(extended(lp::kCmdInsertRow, {componentValue(list)})); }

void setCellText(const Component& list, int32_t row, int32_t column, const std::string& s) {
  extended(lp::kCmdSetCellText, {componentValue(list), number(row), number(column), text(s)});
}

std::string cellText(const Component& list, int32_t row, int32_t column) {
  return takeText(extended(lp::kCmdGetCellText, {componentValue(list), number(row), number(column)}));
}

int32_t rowCount(const Component& list) { return integerOf(extended(lp::kCmdGetRowCount, {componentValue(list)})); }

void deleteAllRows(const Component& list) { extended(lp::kCmdDeleteAllRows, {componentValue(list)}); }

void setColumnWidth(const Component& list, int32_t column, int32_t width) {
  extended(lp::kCmdSetColumnWidth, {componentValue(list), number(column), number(width)});
}

}  // namespace reader::cmd
