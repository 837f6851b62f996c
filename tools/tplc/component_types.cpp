#include "tools/tplc/component_types.h"

#include <iterator>

#include "runtime/components/button_data.h"
#include "runtime/components/color_picker_data.h"
#include "runtime/components/common_dialog_data.h"
#include "runtime/components/core_type_table.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/components/external_database_data.h"
#include "runtime/components/label_data.h"
#include "runtime/components/list_box_data.h"
#include "runtime/components/window_data.h"
#include "runtime/core/program_header.h"
#include "runtime/extended/extended_type_table.h"
#include "runtime/extended/report_list_data.h"
#include "runtime/extended/transparent_label_data.h"

namespace tplc {
namespace {

// Pictures, icons, sounds and image lists are not given in sources, nor are
// the run-time-only properties.

using W = lp::WindowData;
const Field<W> kWindowFields[] = {
    {"Caption", text<&W::caption>},
    {"Border", integer<&W::border>},
    {"BackColor", colour<&W::backColor>},
    {"PictureMode", integer<&W::pictureMode>},
    {"PlayCount", integer<&W::playCount>},
    {"ControlBox", logical<&W::controlBox>},
    {"MaxButton", logical<&W::maxButton>},
    {"MinButton", logical<&W::minButton>},
    {"Position", integer<&W::position>},
    {"Movable", logical<&W::movable>},
    {"EnterMovesFocus", logical<&W::enterMovesFocus>},
    {"EscCloses", logical<&W::escCloses>},
    {"F1OpensHelp", logical<&W::f1OpensHelp>},
    {"HelpFile", text<&W::helpFile>},
    {"HelpContext", integer<&W::helpContext>},
    {"ShowInTaskbar", logical<&W::showInTaskbar>},
    {"MoveAnywhere", logical<&W::moveAnywhere>},
    {"Shape", integer<&W::shape>},
    {"AlwaysOnTop", logical<&W::alwaysOnTop>},
    {"KeepTitleActive", logical<&W::keepTitleActive>},
    {"WindowClassName", text<&W::windowClassName>},
};

using E = lp::EditBoxData;
const Field<E> kEditBoxFields[] = {
    {"Content", text<&E::content>},
    {"Border", integer<&E::border>},
    {"TextColor", colour<&E::textColor>},
    {"BackColor", colour<&E::backColor>},
    {"Font", font<&E::font>},
    {"HideSelection", logical<&E::hideSelection>},
    {"MaxLength", integer<&E::maxLength>},
    {"MultiLine", logical<&E::multiLine>},
    {"ScrollBars", integer<&E::scrollBars>},
    {"Alignment", integer<&E::alignment>},
    {"InputMode", integer<&E::inputMode>},
    {"PasswordChar", character<&E::passwordChar>},
    {"CaseConversion", integer<&E::caseConversion>},
    {"Adjuster", integer<&E::adjuster>},
    {"AdjusterMin", integer<&E::adjusterMin>},
    {"AdjusterMax", integer<&E::adjusterMax>},
    {"SelStart", integer<&E::selStart>},
    {"SelLength", integer<&E::selLength>},
    {"DataSource", text<&E::dataSource>},
    {"DataColumn", text<&E::dataColumn>},
};

using L = lp::LabelData;
const Field<L> kLabelFields[] = {
    {"Caption", text<&L::caption>},
    {"TextEffect", integer<&L::textEffect>},
    {"Border", integer<&L::border>},
    {"GradientBorderWidth", integer<&L::gradientBorderWidth>},
    {"GradientBorderColor1", colour<&L::gradientBorderColor1>},
    {"GradientBorderColor2", colour<&L::gradientBorderColor2>},
    {"GradientBorderColor3", colour<&L::gradientBorderColor3>},
    {"Font", font<&L::font>},
    {"TextColor", colour<&L::textColor>},
    {"BackColor", colour<&L::backColor>},
    {"PictureMode", integer<&L::pictureMode>},
    {"GradientMode", integer<&L::gradientMode>},
    {"GradientColor1", colour<&L::gradientColor1>},
    {"GradientColor2", colour<&L::gradientColor2>},
    {"GradientColor3", colour<&L::gradientColor3>},
    {"HorizontalAlign", integer<&L::horizontalAlign>},
    {"WordWrap", logical<&L::wordWrap>},
    {"VerticalAlign", integer<&L::verticalAlign>},
    {"DataSource", text<&L::dataSource>},
    {"DataColumn", text<&L::dataColumn>},
};

using B = lp::ButtonData;
const Field<B> kButtonFields[] = {
    {"ButtonType", integer<&B::buttonType>},
    {"Caption", text<&B::caption>},
    {"HorizontalAlign", integer<&B::horizontalAlign>},
    {"VerticalAlign", integer<&B::verticalAlign>},
    {"Font", font<&B::font>},
};

using LB = lp::ListBoxData;
const Field<LB> kListBoxFields[] = {
    {"Border", integer<&LB::border>},
    {"Sorted", logical<&LB::sorted>},
    {"MultiColumn", logical<&LB::multiColumn>},
    {"RowSpacing", integer<&LB::rowSpacing>},
    {"TextColor", colour<&LB::textColor>},
    {"BackColor", colour<&LB::backColor>},
    {"Font", font<&LB::font>},
    {"MultiSelect", logical<&LB::multiSelect>},
    {"CurrentIndex", integer<&LB::currentIndex>},
    {"Items", texts<&LB::items>},
    {"ItemData", numbers<&LB::itemData>},
    {"DataSource", text<&LB::dataSource>},
    {"DataColumn", text<&LB::dataColumn>},
    {"BindingOption", logical<&LB::bindingOption>},
};

using CP = lp::ColorPickerData;
const Field<CP> kColorPickerFields[] = {
    {"Color", colour<&CP::color>},
    {"Transparent", logical<&CP::transparent>},
};

using CD = lp::CommonDialogData;
const Field<CD> kCommonDialogFields[] = {
    {"DialogType", integer<&CD::dialogType>},
    {"Title", text<&CD::title>},
    {"FileName", text<&CD::fileName>},
    {"Filter", text<&CD::filter>},
    {"FilterIndex", integer<&CD::filterIndex>},
    {"InitialDir", text<&CD::initialDir>},
    {"DefaultExt", text<&CD::defaultExt>},
    {"CreatePrompt", logical<&CD::createPrompt>},
    {"FileMustExist", logical<&CD::fileMustExist>},
    {"OverwritePrompt", logical<&CD::overwritePrompt>},
    {"PathMustExist", logical<&CD::pathMustExist>},
    {"NoChangeDir", logical<&CD::noChangeDir>},
    {"FontColor", colour<&CD::fontColor>},
    {"Bold", logical<&CD::bold>},
    {"Italic", logical<&CD::italic>},
    {"StrikeOut", logical<&CD::strikeOut>},
    {"Underline", logical<&CD::underline>},
    {"FontName", text<&CD::fontName>},
    {"FontSize", integer<&CD::fontSize>},
    {"HelpFile", text<&CD::helpFile>},
    {"HelpCommand", integer<&CD::helpCommand>},
    {"HelpContext", integer<&CD::helpContext>},
};

using RL = lp::ReportListData;
const Field<RL> kReportListFields[] = {
    {"Border", integer<&RL::border>},
    {"TextColor", colour<&RL::textColor>},
    {"TextBackColor", colour<&RL::textBackColor>},
    {"BackColor", colour<&RL::backColor>},
    {"Font", font<&RL::font>},
    {"ViewType", integer<&RL::viewType>},
    {"IconAlign", integer<&RL::iconAlign>},
    {"AutoArrange", logical<&RL::autoArrange>},
    {"LabelWrap", logical<&RL::labelWrap>},
    {"Columns", columns<&RL::columns>},
    {"HideHeader", logical<&RL::hideHeader>},
    {"SortableHeader", logical<&RL::sortableHeader>},
    {"FullRowSelect", logical<&RL::fullRowSelect>},
    {"GridLines", logical<&RL::gridLines>},
    {"HeaderDragDrop", logical<&RL::headerDragDrop>},
    {"HotTrack", logical<&RL::hotTrack>},
    {"HandCursor", logical<&RL::handCursor>},
    {"UnderlineCold", logical<&RL::underlineCold>},
    {"UnderlineHot", logical<&RL::underlineHot>},
    {"EditLabels", logical<&RL::editLabels>},
    {"SortOrder", integer<&RL::sortOrder>},
    {"CheckBoxes", logical<&RL::checkBoxes>},
    {"FlatScrollBars", logical<&RL::flatScrollBars>},
    {"SingleSelect", logical<&RL::singleSelect>},
    {"CurrentRow", integer<&RL::currentRow>},
    {"ShowSelectionAlways", logical<&RL::showSelectionAlways>},
};

using TL = lp::TransparentLabelData;
const Field<TL> kTransparentLabelFields[] = {
    {"Caption", text<&TL::caption>},
    {"TextEffect", integer<&TL::textEffect>},
    {"Font", font<&TL::font>},
    {"TextColor", colour<&TL::textColor>},
    {"HorizontalAlign", integer<&TL::horizontalAlign>},
    {"WordWrap", logical<&TL::wordWrap>},
    {"VerticalAlign", integer<&TL::verticalAlign>},
};

using Block = std::unique_ptr<PropertyBlock>;

const ComponentType kTypes[] = {
    {lp::kCoreLibrary, lp::kWindowType, [] { return makeBlock(kWindowFields); }},
    {lp::kCoreLibrary, lp::kEditBoxType, [] { return makeBlock(kEditBoxFields); }},
    {lp::kCoreLibrary, lp::kLabelType, [] { return makeBlock(kLabelFields); }},
    {lp::kCoreLibrary, lp::kButtonType, [] { return makeBlock(kButtonFields); }},
    {lp::kCoreLibrary, lp::kListBoxType, [] { return makeBlock(kListBoxFields); }},
    {lp::kCoreLibrary, lp::kColorPickerType, [] { return makeBlock(kColorPickerFields); }},
    {lp::kCoreLibrary, lp::kCommonDialogType, [] { return makeBlock(kCommonDialogFields); }},
    {lp::kCoreLibrary, lp::kExternalDatabaseType,
     []() -> Block { return std::make_unique<DataBlock<lp::ExternalDatabaseData>>(nullptr, 0); }},
    {lp::kExtendedInterfaceLibrary, lp::kReportListType, [] { return makeBlock(kReportListFields); }},
    {lp::kExtendedInterfaceLibrary, lp::kTransparentLabelType, [] { return makeBlock(kTransparentLabelFields); }},
};

}  // namespace

const lp::ComponentTypeFacts& ComponentType::facts() const {
  return library == lp::kCoreLibrary ? *lp::coreType(number) : *lp::extendedType(number);
}

const ComponentType* findComponentType(const std::string& englishName) {
  for (const ComponentType& type : kTypes)
    if (englishName == type.facts().englishName) return &type;
  return nullptr;
}

const ComponentType* findComponentType(uint32_t typeCode) {
  for (const ComponentType& type : kTypes)
    if (type.typeCode() == typeCode) return &type;
  return nullptr;
}

const ComponentType* componentTypes(size_t& count) {
  count = std::size(kTypes);
  return kTypes;
}

}  // namespace tplc
