#include "runtime/extended/report_list_data.h"

#include "runtime/components/choice_range.h"
#include "runtime/components/property_stream.h"
#include "runtime/extended/report_list_records.h"

namespace lp {

const PropertyFacts ReportListData::kProperties[kPropertyCount] = {
    {"\xB1\xDF\xBF\xF2" /* 边框 */, "Border", kPropChoice, 0},
    {"\xCE\xC4\xB1\xBE\xD1\xD5\xC9\xAB" /* 文本颜色 */, "TextColor", kPropColour, 0},
    {"\xCE\xC4\xB1\xBE\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB" /* 文本背景颜色 */, "TextBackColor", kPropBackColour, 0},
    {"\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB" /* 背景颜色 */, "BackColor", kPropBackColour, 0},
    {"\xD7\xD6\xCC\xE5" /* 字体 */, "Font", kPropFont, 0},
    {"\xC0\xE0\xD0\xCD" /* 类型 */, "ViewType", kPropChoice, 0},
    {"\xCD\xBC\xB1\xEA\xB6\xD4\xC6\xEB\xB7\xBD\xCA\xBD" /* 图标对齐方式 */, "IconAlign", kPropChoice, 0},
    {"\xD7\xD4\xB6\xAF\xC5\xC5\xC1\xD0" /* 自动排列 */, "AutoArrange", kPropLogical, 0},
    {"\xB1\xEA\xCC\xE2\xD7\xD4\xB6\xAF\xBB\xBB\xD0\xD0" /* 标题自动换行 */, "LabelWrap", kPropLogical, 0},
    {"\xC1\xD0" /* 列 */, "Columns", kPropCustomData, 0},
    {"\xD2\xFE\xB2\xD8\xB1\xED\xCD\xB7" /* 隐藏表头 */, "HideHeader", kPropLogical, 0},
    {"\xB1\xED\xCD\xB7\xCD\xBC\xC6\xAC\xD7\xE9" /* 表头图片组 */, "HeaderImages", kPropCustomData, 0},
    {"\xB1\xED\xCD\xB7\xBF\xC9\xB5\xE3\xBB\xF7" /* 表头可点击 */, "SortableHeader", kPropLogical, 0},
    {"\xD5\xFB\xD0\xD0\xD1\xA1\xD4\xF1" /* 整行选择 */, "FullRowSelect", kPropLogical, 0},
    {"\xCF\xD4\xCA\xBE\xCD\xF8\xB8\xF1\xCF\xDF" /* 显示网格线 */, "GridLines", kPropLogical, 0},
    {"\xB1\xED\xCD\xB7\xBF\xC9\xCD\xCF\xB6\xAF" /* 表头可拖动 */, "HeaderDragDrop", kPropLogical, 0},
    {"\xCD\xBC\xC6\xAC\xD7\xE9" /* 图片组 */, "Images", kPropCustomData, 0},
    {"\xD7\xB4\xCC\xAC\xCD\xBC\xC6\xAC\xD7\xE9" /* 状态图片组 */, "StateImages", kPropCustomData, 0},
    {"\xC8\xC8\xB5\xE3\xB8\xFA\xD7\xD9" /* 热点跟踪 */, "HotTrack", kPropLogical, 0},
    {"\xCA\xD6\xD0\xCE\xB9\xE2\xB1\xEA" /* 手形光标 */, "HandCursor", kPropLogical, 0},
    {"\xC0\xE4\xB5\xE3\xCF\xC2\xBB\xAE\xCF\xDF" /* 冷点下划线 */, "UnderlineCold", kPropLogical, 0},
    {"\xC8\xC8\xB5\xE3\xCF\xC2\xBB\xAE\xCF\xDF" /* 热点下划线 */, "UnderlineHot", kPropLogical, 0},
    {"\xD4\xCA\xD0\xED\xB1\xE0\xBC\xAD\xB1\xEA\xCC\xE2" /* 允许编辑标题 */, "EditLabels", kPropLogical, 0},
    {"\xC5\xC5\xC1\xD0\xCB\xB3\xD0\xF2" /* 排列顺序 */, "SortOrder", kPropChoice, 0},
    {"\xBC\xEC\xB2\xE9\xBF\xF2" /* 检查框 */, "CheckBoxes", kPropLogical, 0},
    {"\xC6\xBD\xC3\xE6\xB9\xF6\xB6\xAF\xCC\xF5" /* 平面滚动条 */, "FlatScrollBars", kPropLogical, 0},
    {"\xB5\xA5\xD2\xBB\xD1\xA1\xD4\xF1" /* 单一选择 */, "SingleSelect", kPropLogical, 0},
    {"\xCF\xD6\xD0\xD0\xD1\xA1\xD6\xD0\xD0\xD0" /* 现行选中行 */, "CurrentRow", kPropInteger, 0},
    {"\xD7\xDC\xCA\xC7\xCF\xD4\xCA\xBE\xD1\xA1\xD4\xF1" /* 总是显示选择 */, "ShowSelectionAlways", kPropLogical, 0},
    {"\xB3\xF5\xCA\xBC\xD0\xD0" /* 初始行 */, "InitialRows", kPropCustomData, 0},
    {"\xB1\xE0\xBC\xAD\xBA\xF3\xCE\xC4\xB1\xBE" /* 编辑后文本 */, "EditedText", kPropText, kPropRunTimeOnly},
};

namespace {

constexpr int32_t kNoLimit = 0x7FFFFFFF;

const ChoiceRange kChoices[] = {
    {ReportListData::kBorder, 0, 5},    {ReportListData::kViewType, 0, 3},
    {ReportListData::kIconAlign, 0, 1}, {ReportListData::kSortOrder, 0, 2},
    {ReportListData::kCurrentRow, -1, kNoLimit},
};

}  // namespace

int32_t ReportListData::clampValue(int32_t ownIndex, int32_t value) {
  return clampChoice(kChoices, ownIndex, value);
}

bool ReportListData::read(const uint8_t* block, size_t size) {
  *this = ReportListData();
  if (size == 0) return true;
  PropertyReader in(block, size);
  uint32_t version = in.u32();
  if (version > kVersion) return false;
  border = in.i32();
  textColor = in.u32();
  textBackColor = in.u32();
  backColor = in.u32();
  viewType = in.i32();
  iconAlign = in.i32();
  autoArrange = in.logical();
  labelWrap = in.logical();
  hideHeader = in.logical();
  sortableHeader = in.logical();
  fullRowSelect = in.logical();
  gridLines = in.logical();
  headerDragDrop = in.logical();
  hotTrack = in.logical();
  handCursor = in.logical();
  underlineCold = in.logical();
  underlineHot = in.logical();
  editLabels = in.logical();
  sortOrder = in.i32();
  checkBoxes = in.logical();
  flatScrollBars = in.logical();
  singleSelect = in.logical();
  currentRow = in.i32();
  showSelectionAlways = in.logical();
  font = in.bytes();
  headerImages = in.bytes();
  images = in.bytes();
  columns = in.bytes();
  stateImages = in.bytes();
  initialRows = in.bytes();
  if (!in.ok()) {
    *this = ReportListData();
    return false;
  }
  border = clampValue(kBorder, border);
  viewType = clampValue(kViewType, viewType);
  iconAlign = clampValue(kIconAlign, iconAlign);
  sortOrder = clampValue(kSortOrder, sortOrder);
  currentRow = clampValue(kCurrentRow, currentRow);
  return true;
}

std::vector<uint8_t> ReportListData::write() const {
  PropertyWriter out;
  out.u32(kVersion);
  out.i32(border);
  out.u32(textColor);
  out.u32(textBackColor);
  out.u32(backColor);
  out.i32(viewType);
  out.i32(iconAlign);
  out.logical(autoArrange);
  out.logical(labelWrap);
  out.logical(hideHeader);
  out.logical(sortableHeader);
  out.logical(fullRowSelect);
  out.logical(gridLines);
  out.logical(headerDragDrop);
  out.logical(hotTrack);
  out.logical(handCursor);
  out.logical(underlineCold);
  out.logical(underlineHot);
  out.logical(editLabels);
  out.i32(sortOrder);
  out.logical(checkBoxes);
  out.logical(flatScrollBars);
  out.logical(singleSelect);
  out.i32(currentRow);
  out.logical(showSelectionAlways);
  out.bytes(font);
  out.bytes(headerImages);
  out.bytes(images);
  out.bytes(columns);
  out.bytes(stateImages);
  out.bytes(initialRows);
  return out.take();
}

void ReportListData::visitTexts(const TextVisitor& visit) {
  visitFaceName(font, visit);
  std::vector<ReportColumn> parsedColumns;
  if (parseColumns(columns, parsedColumns)) {
    for (ReportColumn& column : parsedColumns) visit(column.heading, false);
    columns = encodeColumns(parsedColumns);
  }
  std::vector<ReportRowRecord> rows;
  if (parseRows(initialRows, rows)) {
    for (ReportRowRecord& row : rows) {
      visit(row.text, false);
      visit(row.tip, false);
    }
    initialRows = encodeRows(rows);
  }
}

}  // namespace lp
