// lp-tplc: the window-template builder.
//
//   lp-tplc --handlers <list> --out-blob <file> --out-header <file>
//           --out-code-base <file.S> <window source>...
//     builds the template data from the window sources (in window-index
//     order), the header with its length and the code-base assembler.
//   lp-tplc --dump <blob>
//     reads a blob back, lists it, and checks that writing it again gives
//     the same bytes.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "runtime/core/template_format.h"
#include "tools/tplc/source_lines.h"
#include "tools/tplc/template_build.h"
#include "tools/tplc/template_listing.h"

namespace {

int failure(const std::string& message) {
  std::fprintf(stderr, "lp-tplc: %s\n", message.c_str());
  return 1;
}

bool writeFile(const std::string& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

bool writeFile(const std::string& path, const std::string& text) { return writeFile(path, text.data(), text.size()); }

int dump(const std::string& path) {
  std::string bytes;
  if (!tplc::readTextFile(path, bytes)) return failure(path + ": cannot be read");
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  lp::TemplateData templates;
  if (!lp::readTemplateData(data, bytes.size(), templates)) return failure(path + ": not readable template data");
  std::fputs(tplc::listTemplates(templates).c_str(), stdout);
  std::vector<uint8_t> again = lp::writeTemplateData(templates);
  if (again != std::vector<uint8_t>(data, data + bytes.size()))
    return failure(path + ": written again, the data differs from the original");
  std::printf("%zu bytes; written again, identical\n", bytes.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--dump") return dump(args[1]);

  std::string handlersPath, blobPath, headerPath, codeBasePath;
  std::vector<std::string> sources;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string* target = arg == "--handlers"        ? &handlersPath
                          : arg == "--out-blob"      ? &blobPath
                          : arg == "--out-header"    ? &headerPath
                          : arg == "--out-code-base" ? &codeBasePath
                                                     : nullptr;
    if (target && i + 1 < args.size()) {
      *target = args[++i];
    } else if (!target && arg.rfind("--", 0) != 0) {
      sources.push_back(arg);
    } else {
      return failure("usage: lp-tplc --handlers <list> --out-blob <file> --out-header <file> "
                     "--out-code-base <file.S> <window source>... | lp-tplc --dump <blob>");
    }
  }
  if (handlersPath.empty() || blobPath.empty() || headerPath.empty() || codeBasePath.empty() || sources.empty())
    return failure("--handlers, --out-blob, --out-header, --out-code-base and a window source are required");

  std::string text, error;
  tplc::HandlerList handlers;
  if (!tplc::readTextFile(handlersPath, text)) return failure(handlersPath + ": cannot be read");
  if (!tplc::parseHandlerList(text, handlers, error)) return failure(handlersPath + ": " + error);
  lp::TemplateData templates;
  if (!tplc::buildTemplates(sources, handlers, templates, error)) return failure(error);

  std::vector<uint8_t> blob = lp::writeTemplateData(templates);
  if (!writeFile(blobPath, blob.data(), blob.size()) ||
      !writeFile(headerPath, tplc::templateLayoutHeader(blob.size())) ||
      !writeFile(codeBasePath, tplc::codeBaseAssembler(handlers)))
    return failure("cannot write the output files");
  return 0;
}
