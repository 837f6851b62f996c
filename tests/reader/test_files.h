// Files and folders of the reader tests.
#pragma once
#include <string>

namespace readertest {

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// Notes the machine's temporary folder before a test points TMP elsewhere.
void rememberRealTemp();
// A fresh empty folder under the machine's temporary folder (ends in \).
std::string freshFolder(const std::string& name);
// The settings file the reader uses (in the documents folder).
std::string settingsPath();

}  // namespace readertest
