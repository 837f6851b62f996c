// The report list's entry points: property writes with their run-time
// effects or the request to rebuild, property reads, the serialised block,
// the text conversion and the interface provider.
#include "runtime/components/border_style.h"
#include "runtime/components/component_entries.h"
#include "runtime/components/property_values.h"
#include "runtime/components/component_font.h"
#include "runtime/extended/report_list.h"
#include "runtime/extended/report_list_object.h"

namespace lp {
namespace {

using Data = ReportListData;

bool* logicalField(Data& d, int32_t index) {
  switch (index) {
    case Data::kAutoArrange: return &d.autoArrange;
    case Data::kLabelWrap: return &d.labelWrap;
    case Data::kHideHeader: return &d.hideHeader;
    case Data::kSortableHeader: return &d.sortableHeader;
    case Data::kFullRowSelect: return &d.fullRowSelect;
    case Data::kGridLines: return &d.gridLines;
    case Data::kHeaderDragDrop: return &d.headerDragDrop;
    case Data::kHotTrack: return &d.hotTrack;
    case Data::kHandCursor: return &d.handCursor;
    case Data::kUnderlineCold: return &d.underlineCold;
    case Data::kUnderlineHot: return &d.underlineHot;
    case Data::kEditLabels: return &d.editLabels;
    case Data::kCheckBoxes: return &d.checkBoxes;
    case Data::kFlatScrollBars: return &d.flatScrollBars;
    case Data::kSingleSelect: return &d.singleSelect;
    case Data::kShowSelectionAlways: return &d.showSelectionAlways;
    default: return nullptr;
  }
}

int32_t* numberField(Data& d, int32_t index) {
  switch (index) {
    case Data::kViewType: return &d.viewType;
    case Data::kIconAlign: return &d.iconAlign;
    case Data::kSortOrder: return &d.sortOrder;
    default: return nullptr;
  }
}

std::vector<uint8_t>* bufferField(Data& d, int32_t index) {
  switch (index) {
    case Data::kFont: return &d.font;
    case Data::kColumns: return &d.columns;
    case Data::kHeaderImages: return &d.headerImages;
    case Data::kImages: return &d.images;
    case Data::kStateImages: return &d.stateImages;
    case Data::kInitialRows: return &d.initialRows;
    default: return nullptr;
  }
}

// Switches a style the live window can take or drop.
void setStyle(HWND window, DWORD style, bool on) {
  LONG_PTR current = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, on ? (current | style) : (current & ~static_cast<LONG_PTR>(style)));
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(window, nullptr, TRUE);
}

// Effects of the properties that apply to the live window.
void applyInPlace(ReportListObject& list, int32_t index) {
  Data& d = list.data;
  switch (index) {
    case Data::kBorder: applyBorderStyle(list.window, d.border); break;
    case Data::kTextColor:
    case Data::kTextBackColor:
    case Data::kBackColor: applyColours(list); break;
    case Data::kFont: applyFont(list.window, d.font, list.font); break;
    case Data::kLabelWrap:
      if (d.viewType == Data::kLargeIcons || d.viewType == Data::kSmallIcons)
        setStyle(list.window, LVS_NOLABELWRAP, !d.labelWrap);
      break;
    case Data::kHideHeader:
      if (d.viewType == Data::kReportView) setStyle(list.window, LVS_NOCOLUMNHEADER, d.hideHeader);
      break;
    case Data::kHeaderImages: applyHeaderImages(list); break;
    case Data::kImages:
    case Data::kStateImages: applyImageLists(list); break;
    default: break;
  }
}

int32_t setProperty(ComponentObject* object, int32_t index, const PropertyValue* value, int32_t*) {
  auto& list = *static_cast<ReportListObject*>(object);
  Data& d = list.data;
  bool changed = false;
  if (index == Data::kCurrentRow) {
    applyCurrentRow(list, Data::clampValue(index, static_cast<int32_t>(value->word)));
    return 0;
  }
  if (bool* field = logicalField(d, index)) {
    changed = *field != (value->word != 0);
    *field = value->word != 0;
  } else if (int32_t* number = numberField(d, index)) {
    const int32_t clamped = Data::clampValue(index, static_cast<int32_t>(value->word));
    changed = *number != clamped;
    *number = clamped;
  } else if (std::vector<uint8_t>* buffer = bufferField(d, index)) {
    std::vector<uint8_t> bytes = bufferOf(value);
    changed = *buffer != bytes;
    *buffer = std::move(bytes);
  } else if (index == Data::kBorder) {
    d.border = Data::clampValue(index, static_cast<int32_t>(value->word));
  } else if (index == Data::kTextColor || index == Data::kTextBackColor || index == Data::kBackColor) {
    (index == Data::kTextColor ? d.textColor : index == Data::kTextBackColor ? d.textBackColor : d.backColor) =
        static_cast<uint32_t>(value->word);
  } else {
    return 0;  // EditedText is read only
  }
  if (needsRecreation(d, index)) return changed ? 1 : 0;
  applyInPlace(list, index);
  return 0;
}

PropertyValue buffer(const std::vector<uint8_t>& bytes) {
  return {bytes.empty() ? 0 : reinterpret_cast<uintptr_t>(bytes.data()), static_cast<int32_t>(bytes.size())};
}
PropertyValue word(int64_t v) { return {static_cast<uintptr_t>(static_cast<uint32_t>(v)), 0}; }

int32_t getProperty(ComponentObject* object, int32_t index, PropertyValue* out) {
  auto& list = *static_cast<ReportListObject*>(object);
  Data& d = list.data;
  if (bool* field = logicalField(d, index)) {
    *out = word(*field);
  } else if (int32_t* number = numberField(d, index)) {
    *out = word(*number);
  } else if (std::vector<uint8_t>* bytes = bufferField(d, index)) {
    *out = buffer(*bytes);
  } else {
    switch (index) {
      case Data::kBorder: *out = word(d.border); break;
      case Data::kTextColor: *out = word(d.textColor); break;
      case Data::kTextBackColor: *out = word(d.textBackColor); break;
      case Data::kBackColor: *out = word(d.backColor); break;
      case Data::kCurrentRow: *out = word(list.designMode ? d.currentRow : selectedRow(list.window)); break;
      case Data::kEditedText: *out = {reinterpret_cast<uintptr_t>(list.editedText.c_str()), 0}; break;
      default: return 0;
    }
  }
  return 1;
}

HGLOBAL getAllPropertyData(ComponentObject* object) {
  return globalBlock(static_cast<ReportListObject*>(object)->data.write());
}

}  // namespace

void* reportListProvider(int32_t number) {
  static const ComponentEntries entries = {createReportList, setProperty, getAllPropertyData, getProperty, convertTextsOf<ReportListData>};
  return entryOf(entries, number);
}

}  // namespace lp
