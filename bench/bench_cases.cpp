#include "bench/bench_cases.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace bench {
namespace {

const char* const kFillNames[] = {"report", "books", "lines"};

std::vector<std::string> split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(line);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

void writeSpread(std::ostream& out, const Spread& s) { out << '\t' << s.min << '\t' << s.median << '\t' << s.max; }

Spread readSpread(const std::vector<std::string>& parts, size_t at) {
  Spread s;
  s.min = std::atof(parts[at].c_str());
  s.median = std::atof(parts[at + 1].c_str());
  s.max = std::atof(parts[at + 2].c_str());
  s.measured = true;
  return s;
}

}  // namespace

bool writeCases(const std::string& path, const std::vector<BenchCase>& cases) {
  std::ofstream out(path, std::ios::binary);
  for (const BenchCase& c : cases) {
    std::string words;
    for (const std::string& w : c.furtherWords) words += (words.empty() ? "" : " ") + w;
    out << c.name << '\t' << kFillNames[static_cast<int>(c.fill)] << '\t' << words;
    for (const std::string& s : c.statements) out << '\t' << s;
    out << '\n';
  }
  return static_cast<bool>(out);
}

std::vector<BenchCase> readCases(const std::string& path) {
  std::vector<BenchCase> cases;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const std::vector<std::string> parts = split(line, '\t');
    if (parts.size() < 4) continue;
    BenchCase c;
    c.name = parts[0];
    for (int k = 0; k < 3; ++k) {
      if (parts[1] == kFillNames[k]) c.fill = static_cast<FillKind>(k);
    }
    for (const std::string& w : split(parts[2], ' ')) {
      if (!w.empty()) c.furtherWords.push_back(w);
    }
    c.statements.assign(parts.begin() + 3, parts.end());
    cases.push_back(c);
  }
  return cases;
}

bool writeResults(const std::string& path, const std::vector<ReferenceResult>& results) {
  std::ofstream out(path, std::ios::binary);
  for (const ReferenceResult& r : results) {
    out << r.name << '\t' << r.rows;
    writeSpread(out, r.query);
    writeSpread(out, r.fill);
    writeSpread(out, r.total);
    out << '\n';
  }
  return static_cast<bool>(out);
}

std::vector<ReferenceResult> readResults(const std::string& path) {
  std::vector<ReferenceResult> results;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const std::vector<std::string> parts = split(line, '\t');
    if (parts.size() < 11) continue;
    ReferenceResult r;
    r.name = parts[0];
    r.rows = std::atol(parts[1].c_str());
    r.query = readSpread(parts, 2);
    r.fill = readSpread(parts, 5);
    r.total = readSpread(parts, 8);
    results.push_back(r);
  }
  return results;
}

}  // namespace bench
