// lp-mkdb: writes the reader's database, or a test fixture, as a Jet 4 file.
//   lp-mkdb --text <verses.tsv> --pinyin <books-pinyin.tsv> --out <file.kx>
//   lp-mkdb --sample --pinyin <books-pinyin.tsv> --out <file.kx>
//   lp-mkdb --fixture <name> --out <file.kx>
#include "tools/jet4/database_writer.h"
#include "tools/mkdb/fixtures.h"
#include "tools/mkdb/scripture_tables.h"
#include "tools/mkdb/text_files.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#ifndef LUMENPATH_SAMPLE_TEXT
#error "LUMENPATH_SAMPLE_TEXT must name the shipped sample text"
#endif

namespace {

const char kUsage[] =
    "usage: lp-mkdb --text <verses.tsv> --pinyin <pinyin.tsv> --out <file.kx>\n"
    "       lp-mkdb --sample --pinyin <pinyin.tsv> --out <file.kx>\n"
    "       lp-mkdb --fixture <name> --out <file.kx>\n";

struct Options {
  std::map<std::string, std::string> values;
  bool sample = false;
  bool has(const char* name) const { return values.count(name) > 0; }
};

bool parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--sample") {
      options.sample = true;
    } else if ((arg == "--text" || arg == "--pinyin" || arg == "--out" || arg == "--fixture") && i + 1 < argc &&
               !options.has(arg.c_str())) {
      options.values[arg] = argv[++i];
    } else {
      return false;
    }
  }
  if (!options.has("--out")) return false;
  int sources = options.has("--text") + options.sample + options.has("--fixture");
  if (sources != 1) return false;
  return options.has("--fixture") != options.has("--pinyin");
}

std::vector<jet4::Table> tablesFor(const Options& options) {
  if (options.has("--fixture")) return mkdb::fixtureTables(options.values.at("--fixture"));
  std::string text = options.sample ? LUMENPATH_SAMPLE_TEXT : options.values.at("--text");
  return {mkdb::verseTable(mkdb::readVerses(text)), mkdb::pinyinTable(mkdb::readPinyinKeys(options.values.at("--pinyin")))};
}

// Writes beside the target and renames, so a failed run leaves no half file.
void writeFile(const std::string& path, const jet4::Bytes& bytes) {
  std::string partial = path + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error(partial + ": cannot be written");
  }
  if (std::rename(partial.c_str(), path.c_str()) != 0) throw std::runtime_error(path + ": cannot be replaced");
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    // A fixed creation date keeps the output the same for the same input.
    writeFile(options.values.at("--out"), jet4::writeDatabase(tablesFor(options), jet4::jetDate(2024, 1, 1)));
  } catch (const std::exception& e) {
    std::cerr << "lp-mkdb: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
