// Helpers shared by the database tests: files, the mdbtools commands, GBK.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace jet4test {

std::vector<uint8_t> readFile(const std::string& path);
bool fileExists(const std::string& path);
std::string readText(const std::string& path);

// Runs a shell command; returns its standard output and sets `status` to its
// exit status.
std::string run(const std::string& command, int* status = nullptr);
std::string quoted(const std::string& path);

std::string toGbk(const std::string& utf8);
std::string fromGbk(const std::string& gbk);

using Record = std::vector<std::string>;

// `mdb-export` of a table as tab-separated fields without quotes or header.
std::vector<Record> exportTable(const std::string& database, const std::string& table);

// One statement through `mdb-sql -H -F -P` with MDBICONV=GBK, the statement
// sent in GBK; the rows come back as UTF-8 fields.
std::vector<Record> query(const std::string& database, const std::string& statementUtf8);

// The lines of a TSV file after its header, split on tabs.
std::vector<Record> readTsv(const std::string& path);

std::vector<Record> splitLines(const std::string& text);

}  // namespace jet4test
