// The common dialog's properties as stored in its template (current version 1).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/property_facts.h"
#include "runtime/components/stored_texts.h"

namespace lp {

struct CommonDialogData {
  static constexpr uint32_t kVersion = 1;

  enum Property : int32_t {
    kDialogType, kTitle, kFileName, kFilter, kFilterIndex, kInitialDir, kDefaultExt,
    kCreatePrompt, kFileMustExist, kOverwritePrompt, kPathMustExist, kNoChangeDir, kFontColor,
    kBold, kItalic, kStrikeOut, kUnderline, kFontName, kFontSize, kHelpFile, kHelpCommand,
    kHelpContext,
    kPropertyCount
  };
  static const PropertyFacts kProperties[kPropertyCount];

  enum DialogType : int32_t { kOpenFile, kSaveFile, kChooseFont, kHelp };

  int32_t dialogType = kOpenFile;
  std::string title;
  std::string fileName;
  std::string filter;
  int32_t filterIndex = 0;
  std::string initialDir;
  std::string defaultExt;
  bool createPrompt = false;
  bool fileMustExist = true;
  bool overwritePrompt = true;
  bool pathMustExist = true;
  bool noChangeDir = false;
  uint32_t fontColor = kClrBlack;
  bool bold = false;
  bool italic = false;
  bool strikeOut = false;
  bool underline = false;
  std::string fontName;
  int32_t fontSize = 0;
  std::string helpFile;
  int32_t helpCommand = 0;
  int32_t helpContext = 0;

  // Versions 0 and 1; an empty block leaves the defaults.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;
  // Title, file name, filter, initial folder, default extension, font name
  // and help file.
  void visitTexts(const TextVisitor& visit);
  // DialogType clamped to 0..3 and HelpCommand to 0..5; negative FilterIndex
  // and FontSize become 0.
  static int32_t clampValue(int32_t ownIndex, int32_t value);
};

}  // namespace lp
