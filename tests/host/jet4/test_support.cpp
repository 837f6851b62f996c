#include "tests/host/jet4/test_support.h"

#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace jet4test {

std::vector<uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool fileExists(const std::string& path) { return std::ifstream(path).good(); }

std::string readText(const std::string& path) {
  std::vector<uint8_t> bytes = readFile(path);
  return std::string(bytes.begin(), bytes.end());
}

std::string run(const std::string& command, int* status) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string out;
  char buffer[65536];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  int result = pclose(pipe);
  if (status) *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return out;
}

std::string quoted(const std::string& path) { return "'" + path + "'"; }

static std::string convert(const std::string& text, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv unavailable");
  std::string out(text.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) throw std::runtime_error("text not convertible");
  out.resize(out.size() - outLeft);
  return out;
}

std::string toGbk(const std::string& utf8) { return convert(utf8, "GBK", "UTF-8"); }
std::string fromGbk(const std::string& gbk) { return convert(gbk, "UTF-8", "GBK"); }

std::vector<Record> splitLines(const std::string& text) {
  std::vector<Record> records;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    Record fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
      fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    records.push_back(fields);
  }
  return records;
}

std::vector<Record> exportTable(const std::string& database, const std::string& table) {
  int status = 0;
  std::string out = run("mdb-export -H -d '\t' -q '' " + quoted(database) + " " + table, &status);
  if (status != 0) throw std::runtime_error("mdb-export failed on " + table);
  return splitLines(out);
}

std::vector<Record> query(const std::string& database, const std::string& statementUtf8) {
  char name[] = "/tmp/lp-jet4-sql-XXXXXX";
  int fd = mkstemp(name);
  if (fd < 0) throw std::runtime_error("no temporary file");
  std::string gbk = toGbk(statementUtf8) + "\n";
  bool written = write(fd, gbk.data(), gbk.size()) == static_cast<ssize_t>(gbk.size());
  close(fd);
  int status = 0;
  std::string out = written ? run("MDBICONV=GBK mdb-sql -H -F -P " + quoted(database) + " < " + name, &status) : "";
  unlink(name);
  if (!written || status != 0) throw std::runtime_error("mdb-sql failed: " + statementUtf8);
  return splitLines(fromGbk(out));
}

std::vector<Record> readTsv(const std::string& path) {
  std::vector<Record> records = splitLines(readText(path));
  if (!records.empty() && records[0][0] == "book") records.erase(records.begin());
  for (Record& r : records)
    if (!r.empty() && !r.back().empty() && r.back().back() == '\r') r.back().pop_back();
  return records;
}

}  // namespace jet4test
