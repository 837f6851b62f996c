// lp-constgen: builds the program's constant segment as one binary blob and
// a C++ header with the offset of each constant. The texts that the program
// shows are read as UTF-8, stored as GBK and RC4-enciphered with the key.
//
// lp-constgen --key TEXT --caption FILE --update-address FILE
//             --rights-notice FILE [--database FILE]
//             --out-blob FILE --out-header FILE
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "runtime/extended/rc4.h"
#include "tools/constgen/constant_segment.h"
#include "tools/constgen/gbk_text.h"

namespace {

using lp::constgen::NamedOffset;
using lp::constgen::Segment;

const char* const kOptions[] = {"--key", "--caption", "--update-address", "--rights-notice",
                                "--database", "--out-blob", "--out-header"};

bool readFile(const std::string& path, std::string& contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool writeFile(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  return static_cast<bool>(out);
}

// The GBK bytes of a UTF-8 source file, enciphered with the key.
bool encipheredText(const std::string& path, const std::string& key, std::vector<uint8_t>& enciphered) {
  std::string utf8, gbk;
  if (!readFile(path, utf8)) {
    std::fprintf(stderr, "lp-constgen: cannot read %s\n", path.c_str());
    return false;
  }
  if (!lp::constgen::utf8ToGbk(lp::constgen::withoutTrailingNewlines(utf8), gbk)) {
    std::fprintf(stderr, "lp-constgen: %s is not UTF-8 text that GBK can hold\n", path.c_str());
    return false;
  }
  enciphered.assign(gbk.begin(), gbk.end());
  lp::rc4Apply(reinterpret_cast<const uint8_t*>(key.data()), key.size(), enciphered.data(), enciphered.size());
  return true;
}

bool parseArguments(int argc, char** argv, std::map<std::string, std::string>& options) {
  for (int k = 1; k < argc; k += 2) {
    std::string name = argv[k];
    bool known = false;
    for (const char* option : kOptions) known = known || name == option;
    if (!known || k + 1 >= argc) {
      std::fprintf(stderr, "lp-constgen: unexpected argument %s\n", argv[k]);
      return false;
    }
    options[name] = argv[k + 1];
  }
  for (const char* required : {"--key", "--caption", "--update-address", "--rights-notice", "--out-blob",
                               "--out-header"}) {
    if (!options.count(required)) {
      std::fprintf(stderr, "lp-constgen: %s is required\n", required);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options;
  if (!parseArguments(argc, argv, options)) return 2;
  const std::string& key = options["--key"];

  std::vector<uint8_t> caption, updateAddress, rightsNotice;
  if (!encipheredText(options["--caption"], key, caption) ||
      !encipheredText(options["--update-address"], key, updateAddress) ||
      !encipheredText(options["--rights-notice"], key, rightsNotice))
    return 1;

  std::string database;
  if (options.count("--database") && !readFile(options["--database"], database)) {
    std::fprintf(stderr, "lp-constgen: cannot read %s\n", options["--database"].c_str());
    return 1;
  }

  Segment segment;
  std::vector<NamedOffset> offsets;
  offsets.push_back({"kEmptyText", lp::constgen::addText(segment, "")});
  offsets.push_back({"kEmptyByteSet", lp::constgen::addByteSet(segment, {})});
  offsets.push_back({"kKey", lp::constgen::addByteSet(segment, std::vector<uint8_t>(key.begin(), key.end()))});
  offsets.push_back({"kCaption", lp::constgen::addByteSet(segment, caption)});
  offsets.push_back({"kUpdateAddress", lp::constgen::addByteSet(segment, updateAddress)});
  offsets.push_back({"kRightsNotice", lp::constgen::addByteSet(segment, rightsNotice)});
  offsets.push_back({"kDatabase", lp::constgen::addByteSet(segment, std::vector<uint8_t>(database.begin(), database.end()))});

  uint32_t length = static_cast<uint32_t>(segment.bytes.size());
  if (!writeFile(options["--out-blob"], std::string(segment.bytes.begin(), segment.bytes.end())) ||
      !writeFile(options["--out-header"], lp::constgen::layoutHeader(offsets, length))) {
    std::fprintf(stderr, "lp-constgen: cannot write the outputs\n");
    return 1;
  }
  return 0;
}
