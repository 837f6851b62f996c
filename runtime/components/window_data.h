// The window's properties as stored in its template: fields, defaults,
// clamping and the property data block (current version 6).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/property_facts.h"
#include "runtime/components/stored_texts.h"

namespace lp {

struct WindowData {
  static constexpr uint32_t kVersion = 6;

  // Own property indexes (property number - 8).
  enum Property : int32_t {
    kCaption, kBorder, kBackColor, kBackPicture, kPictureMode, kBackMusic, kPlayCount,
    kControlBox, kMaxButton, kMinButton, kPosition, kMovable, kIcon, kEnterMovesFocus,
    kEscCloses, kF1OpensHelp, kHelpFile, kHelpContext, kShowInTaskbar, kMoveAnywhere,
    kShape, kAlwaysOnTop, kKeepTitleActive, kWindowClassName,
    kPropertyCount
  };
  static const PropertyFacts kProperties[kPropertyCount];

  std::string caption;
  int32_t border = 2;
  uint32_t backColor = kClrDefault;
  std::vector<uint8_t> backPicture;
  int32_t pictureMode = 1;
  std::vector<uint8_t> backMusic;
  int32_t playCount = 0;
  bool controlBox = true;
  bool maxButton = false;
  bool minButton = false;
  int32_t position = 1;
  bool movable = true;
  std::vector<uint8_t> icon;
  bool enterMovesFocus = false;
  bool escCloses = true;
  bool f1OpensHelp = false;
  std::string helpFile;
  int32_t helpContext = 0;
  bool showInTaskbar = true;
  bool moveAnywhere = false;
  int32_t shape = 0;
  bool alwaysOnTop = false;
  bool keepTitleActive = false;
  std::string windowClassName;

  // Resets to the defaults, then reads versions 0 to 6. An empty block
  // leaves the defaults; a later version or a short block fails.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;
  // Caption, help file and window class name.
  void visitTexts(const TextVisitor& visit);
  // The value a write stores: choices clamped to their ranges.
  static int32_t clampValue(int32_t ownIndex, int32_t value);
};

}  // namespace lp
