// The library commands the reader calls, each a thin wrapper over
// callCommand with the argument order of its command.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/runtime_calls.h"

namespace reader::cmd {

// Text and numbers.
std::string toText(const lp::ValueRecord& value);
double toNumber(const std::string& text);
// 1-based position of `sought` in `searched`, ignoring ASCII case; -1 when absent.
int32_t findTextIgnoringCase(const std::string& searched, const std::string& sought);
std::string removeAllSpaces(const std::string& text);
std::vector<std::string> splitText(const std::string& text, const std::string& delimiter);

// Files, settings and the system.
bool fileExists(const std::string& path);
bool writeToFile(const std::string& path, const void* byteSet);
bool removeFile(const std::string& path);
std::string readIni(const std::string& path, const char* section, const char* key, const std::string& fallback);
bool writeIni(const std::string& path, const char* section, const char* key, const std::string& value);
std::string specialFolder(int32_t code);
void shellOpen(const std::string& target);
bool setClipboardText(const std::string& text);
int32_t infoBox(const std::string& content, int32_t flags, const char* caption);
void doEvents();
std::string decryptToText(const void* enciphered, const std::string& key);

// Windows and components.
bool loadWindowModal(const Component& window);
void destroy(const Component& c);
void move(const Component& c, int32_t left, int32_t top, int32_t width, int32_t height);
bool openDialog(const Component& dialog);
std::string listItemText(const Component& list, int32_t index);
void addListItem(const Component& list, const std::string& text);
void clearList(const Component& list);
void appendText(const Component& edit, const std::string& text);

// The external database component.
bool openDatabase(const Component& db, const std::string& path);
void closeDatabase(const Component& db);
int32_t query(const Component& db, const std::string& statement);
void closeQuery(const Component& db, int32_t handle);
bool isEOF(const Component& db, int32_t handle);
void moveFirst(const Component& db, int32_t handle);
void moveNext(const Component& db, int32_t handle);
std::string readFieldText(const Component& db, int32_t handle, const char* field);

// The report list.
int32_t insertRow(const Component& list);
void setCellText(const Component& list, int32_t row, int32_t column, const std::string& text);
std::string cellText(const Component& list, int32_t row, int32_t column);
int32_t rowCount(const Component& list);
void deleteAllRows(const Component& list);
void setColumnWidth(const Component& list, int32_t column, int32_t width);

}  // namespace reader::cmd
