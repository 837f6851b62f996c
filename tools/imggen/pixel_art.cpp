#include "tools/imggen/pixel_art.h"

#include <map>
#include <sstream>

namespace lp::imggen {
namespace {

std::string withoutComment(const std::string& line) {
  std::string content = line.substr(0, line.find('#'));
  while (!content.empty() && (content.back() == ' ' || content.back() == '\t' || content.back() == '\r'))
    content.pop_back();
  return content;
}

bool parseColour(const std::string& hex, uint32_t& colour) {
  if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
  colour = 0xFF000000u | static_cast<uint32_t>(std::stoul(hex, nullptr, 16));
  return true;
}

}  // namespace

bool readPixelArt(const std::string& text, PixelImage& image, std::string& error) {
  image = PixelImage{};
  std::map<char, uint32_t> colours{{'.', 0}};
  bool hotspotGiven = false;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string content = withoutComment(line);
    if (content.empty()) continue;
    const auto fail = [&](const std::string& what) {
      error = "line " + std::to_string(number) + ": " + what;
      return false;
    };
    std::istringstream words(content);
    std::string keyword;
    words >> keyword;
    if (keyword == "colour") {
      std::string name, hex;
      uint32_t colour = 0;
      if (!(words >> name >> hex) || name.size() != 1 || !parseColour(hex, colour))
        return fail("expected: colour <character> <RRGGBB>");
      if (!image.pixels.empty()) return fail("colours come before the rows");
      if (!colours.emplace(name[0], colour).second) return fail(std::string("colour '") + name + "' given twice");
      continue;
    }
    if (keyword == "hotspot") {
      if (!(words >> image.hotspotX >> image.hotspotY)) return fail("expected: hotspot <x> <y>");
      hotspotGiven = true;
      continue;
    }
    if (content.find(' ') != std::string::npos) return fail("a row has no spaces");
    if (image.width == 0) image.width = static_cast<int>(content.size());
    if (static_cast<int>(content.size()) != image.width)
      return fail("row of " + std::to_string(content.size()) + " pixels, the first had " + std::to_string(image.width));
    for (char c : content) {
      const auto colour = colours.find(c);
      if (colour == colours.end()) return fail(std::string("no colour for '") + c + "'");
      image.pixels.push_back(colour->second);
    }
    ++image.height;
  }
  if (image.height == 0) {
    error = "no rows";
    return false;
  }
  // Icon files store sizes in a byte, 0 meaning 256.
  if (image.width > 256 || image.height > 256) {
    error = "larger than 256 pixels";
    return false;
  }
  if (hotspotGiven && (image.hotspotX < 0 || image.hotspotX >= image.width || image.hotspotY < 0 ||
                       image.hotspotY >= image.height)) {
    error = "the hotspot lies outside the image";
    return false;
  }
  return true;
}

}  // namespace lp::imggen
