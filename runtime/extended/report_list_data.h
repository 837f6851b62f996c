// The report list's properties as stored in its template (current version 1).
// Columns and InitialRows are kept as the stored bytes; report_list_records.h
// parses them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/components/colours.h"
#include "runtime/components/property_facts.h"
#include "runtime/components/stored_texts.h"

namespace lp {

struct ReportListData {
  static constexpr uint32_t kVersion = 1;

  enum Property : int32_t {
    kBorder, kTextColor, kTextBackColor, kBackColor, kFont, kViewType, kIconAlign,
    kAutoArrange, kLabelWrap, kColumns, kHideHeader, kHeaderImages, kSortableHeader,
    kFullRowSelect, kGridLines, kHeaderDragDrop, kImages, kStateImages, kHotTrack, kHandCursor,
    kUnderlineCold, kUnderlineHot, kEditLabels, kSortOrder, kCheckBoxes, kFlatScrollBars,
    kSingleSelect, kCurrentRow, kShowSelectionAlways, kInitialRows, kEditedText,
    kPropertyCount
  };
  static const PropertyFacts kProperties[kPropertyCount];

  enum ViewType : int32_t { kLargeIcons, kSmallIcons, kListView, kReportView };

  int32_t border = 1;
  uint32_t textColor = kClrBlack;
  uint32_t textBackColor = kClrWhite;
  uint32_t backColor = kClrWhite;
  std::vector<uint8_t> font;
  int32_t viewType = kLargeIcons;
  int32_t iconAlign = 0;
  bool autoArrange = true;
  bool labelWrap = true;
  std::vector<uint8_t> columns;
  bool hideHeader = false;
  std::vector<uint8_t> headerImages;
  bool sortableHeader = true;
  bool fullRowSelect = false;
  bool gridLines = false;
  bool headerDragDrop = false;
  std::vector<uint8_t> images;
  std::vector<uint8_t> stateImages;
  bool hotTrack = false;
  bool handCursor = true;
  bool underlineCold = true;
  bool underlineHot = true;
  bool editLabels = false;
  int32_t sortOrder = 0;
  bool checkBoxes = false;
  bool flatScrollBars = false;
  bool singleSelect = true;
  int32_t currentRow = -1;
  bool showSelectionAlways = false;
  std::vector<uint8_t> initialRows;

  // Versions 0 and 1; an empty block leaves the defaults.
  bool read(const uint8_t* block, size_t size);
  std::vector<uint8_t> write() const;
  // The font's face name, every column heading, and every text and info tip
  // of the initial rows. Malformed record data is left alone.
  void visitTexts(const TextVisitor& visit);
  // Choices clamped to their ranges; CurrentRow below -1 becomes -1.
  static int32_t clampValue(int32_t ownIndex, int32_t value);
};

}  // namespace lp
