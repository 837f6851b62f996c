#include <gtest/gtest.h>

#include <cstring>

#include "runtime/components/core_type_table.h"
#include "runtime/components/edit_box_data.h"
#include "runtime/components/window_data.h"
#include "runtime/extended/extended_type_table.h"

namespace lp {
namespace {

struct Expected {
  uint32_t number;
  const char* english;
  uint32_t flags;
  int32_t ownProperties;
  bool fixed;
};

TEST(CoreTypeTable, CarriedTypesHaveTheirFacts) {
  const Expected expected[] = {
      {1, "window", 0x800000D0u, 24, true},     {3, "menu", 0x80000004u, 4, false},
      {5, "EditBox", 0x80000040u, 21, true},    {10, "Label", 0x84012040u, 21, true},
      {11, "Button", 0x80000840u, 6, true},     {15, "ListBox", 0x80000040u, 14, true},
      {28, "ColorPicker", 0x80000040u, 2, true}, {31, "CommonDlg", 0x80008040u, 22, true},
      {46, "ODBCDB", 0x80008040u, 0, false},
  };
  int carried = 0;
  for (uint32_t number = 1; number <= kCoreTypeCount; ++number) {
    const ComponentTypeFacts* type = coreType(number);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->number, number);
    if (!isEmptyType(*type)) ++carried;
  }
  EXPECT_EQ(carried, 9);
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.english);
    const ComponentTypeFacts* type = coreType(e.number);
    ASSERT_FALSE(isEmptyType(*type));
    EXPECT_STREQ(type->englishName, e.english);
    EXPECT_EQ(type->flags, e.flags);
    EXPECT_EQ(type->ownPropertyCount, e.ownProperties);
    EXPECT_EQ(type->hasFixedProperties, e.fixed);
  }
  EXPECT_STREQ(coreType(kWindowType)->chineseName, "\xB4\xB0\xBF\xDA");  // 窗口
  EXPECT_TRUE(isEmptyType(*coreType(2)));
  EXPECT_EQ(coreType(0), nullptr);
  EXPECT_EQ(coreType(52), nullptr);
}

TEST(CoreTypeTable, PropertyIndexesCountTheFixedOnesFirst) {
  const ComponentTypeFacts& window = *coreType(kWindowType);
  EXPECT_EQ(propertyCount(window), 32);
  EXPECT_STREQ(propertyAt(window, 0)->englishName, "Left");
  EXPECT_EQ(propertyAt(window, 7)->type, kPropMousePointer);
  EXPECT_STREQ(propertyAt(window, 8 + WindowData::kCaption)->englishName, "Caption");
  EXPECT_STREQ(propertyAt(window, 8 + WindowData::kWindowClassName)->englishName,
               "WindowClassName");
  EXPECT_EQ(propertyAt(window, 32), nullptr);
  EXPECT_EQ(propertyAt(window, -1), nullptr);

  const ComponentTypeFacts& menu = *coreType(kMenuType);
  EXPECT_EQ(propertyCount(menu), 4);
  EXPECT_STREQ(propertyAt(menu, 3)->englishName, "MenuVisible");

  EXPECT_EQ(propertyCount(*coreType(kExternalDatabaseType)), 0);

  const PropertyFacts* selected = propertyAt(*coreType(kEditBoxType), 8 + EditBoxData::kSelectedText);
  EXPECT_STREQ(selected->englishName, "SelectedText");
  EXPECT_EQ(selected->state, kPropRunTimeOnly);
}

TEST(CoreTypeTable, EveryDescriptorIsNamedAndTyped) {
  for (const ComponentTypeFacts* table : {kCoreTypes, kExtendedTypes}) {
    uint32_t count = table == kCoreTypes ? kCoreTypeCount : kExtendedTypeCount;
    for (uint32_t i = 0; i < count; ++i) {
      const ComponentTypeFacts& type = table[i];
      for (int32_t p = 0; p < propertyCount(type); ++p) {
        const PropertyFacts* facts = propertyAt(type, p);
        ASSERT_NE(facts, nullptr);
        EXPECT_GT(std::strlen(facts->englishName), 0u);
        EXPECT_GT(std::strlen(facts->chineseName), 0u);
        EXPECT_GE(facts->type, kPropInteger);
        EXPECT_LE(facts->type, kPropCustomData);
      }
    }
  }
}

TEST(ExtendedTypeTable, ReportListAndTransparentLabel) {
  const ComponentTypeFacts* list = extendedType(kReportListType);
  EXPECT_STREQ(list->englishName, "ListView");
  EXPECT_EQ(list->flags, 0x40u);
  EXPECT_EQ(list->ownPropertyCount, 31);
  EXPECT_STREQ(propertyAt(*list, 35)->englishName, "CurrentRow");
  EXPECT_STREQ(propertyAt(*list, 38)->englishName, "EditedText");
  const ComponentTypeFacts* label = extendedType(kTransparentLabelType);
  EXPECT_STREQ(label->englishName, "TransLabel");
  EXPECT_EQ(label->flags, 0x00012040u);
  EXPECT_STREQ(propertyAt(*label, 14)->englishName, "VerticalAlign");
  EXPECT_TRUE(isEmptyType(*extendedType(1)));
  EXPECT_EQ(extendedType(6), nullptr);
}

}  // namespace
}  // namespace lp
