// The source format: words, quotes, comments and continuation lines; the
// handler list and the code base; hot-key names; and the errors that stop a
// build instead of producing wrong template data.
#include <gtest/gtest.h>

#include <string>

#include "runtime/components/edit_box_data.h"
#include "runtime/components/list_box_data.h"
#include "tools/tplc/handler_list.h"
#include "tools/tplc/hot_keys.h"
#include "tools/tplc/source_lines.h"
#include "tools/tplc/template_build.h"
#include "tools/tplc/value_words.h"
#include "tools/tplc/window_source.h"

namespace {

tplc::HandlerList twoHandlers() {
  tplc::HandlerList handlers;
  std::string error;
  EXPECT_TRUE(tplc::parseHandlerList("# comment\nfirst\n\nsecond  # the second\n", handlers, error)) << error;
  return handlers;
}

const char* const kHead = "window 0x52010001\nunit 0x06010000 window\n";

// The error of a source made of the window head and extra lines; empty when
// it builds.
std::string errorOf(const std::string& lines) {
  lp::WindowTemplate window;
  std::string error;
  if (tplc::readWindowSource(kHead + lines, twoHandlers(), window, error)) return "";
  return error;
}

TEST(SourceLines, QuotesCommentsAndContinuations) {
  std::vector<tplc::SourceLine> lines;
  std::string error;
  ASSERT_TRUE(tplc::splitSourceLines("  # only a comment\n"
                                     "set Caption \"two words\" \"\" \"say \\\"hi\\\"\"  # trailing\n"
                                     "\n"
                                     "set Items a b \\\n"
                                     "   c \\\n"
                                     "   d\n"
                                     "  \\\n"
                                     "\n",
                                     lines, error));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].number, 2);
  EXPECT_EQ(lines[0].words, (tplc::Words{"set", "Caption", "two words", "", "say \"hi\""}));
  EXPECT_EQ(lines[1].number, 4);
  EXPECT_EQ(lines[1].words, (tplc::Words{"set", "Items", "a", "b", "c", "d"}));
  EXPECT_FALSE(tplc::splitSourceLines("a\nset Caption \"open\n", lines, error));
  EXPECT_EQ(error, "line 2: a quoted text is not closed");
}

TEST(HandlerList, OffsetsAreEightBytesApartFromZero) {
  tplc::HandlerList handlers = twoHandlers();
  EXPECT_EQ(handlers.offsetOf("first"), 0);
  EXPECT_EQ(handlers.offsetOf("second"), 8);
  EXPECT_EQ(handlers.offsetOf("third"), tplc::kNoHandler);
  std::string error;
  EXPECT_FALSE(tplc::parseHandlerList("a\nb\na\n", handlers, error));
  EXPECT_EQ(error, "line 3: handler a is listed twice");
  EXPECT_FALSE(tplc::parseHandlerList("a b\n", handlers, error));
  EXPECT_FALSE(tplc::parseHandlerList("9lives\n", handlers, error));
}

TEST(CodeBase, OneAlignedJumpPerHandlerInListOrder) {
  const std::string code = tplc::codeBaseAssembler(twoHandlers());
  const std::string entries =
      "LP_SYMBOL(lp_code_base):\n"
      "  .balign 8\n"
      "  jmp LP_SYMBOL(first)  /* offset 0 */\n"
      "  .balign 8\n"
      "  jmp LP_SYMBOL(second)  /* offset 8 */\n";
  EXPECT_NE(code.find(entries), std::string::npos) << code;
  EXPECT_NE(code.find("#define LP_SYMBOL(name) LP_JOIN(__USER_LABEL_PREFIX__, name)"), std::string::npos);
}

TEST(HotKeys, NamesFollowTheTable) {
  EXPECT_EQ(tplc::hotKeyIndex("Ctrl+A"), 1);
  EXPECT_EQ(tplc::hotKeyIndex("Ctrl+Q"), 17);
  EXPECT_EQ(tplc::hotKeyIndex("Ctrl+S"), 19);
  EXPECT_EQ(tplc::hotKeyIndex("F1"), 27);
  EXPECT_EQ(tplc::hotKeyIndex("F12"), 38);
  EXPECT_EQ(tplc::hotKeyIndex("Ctrl+F1"), 39);
  EXPECT_EQ(tplc::hotKeyIndex("Shift+F12"), 62);
  EXPECT_EQ(tplc::hotKeyIndex("Ctrl+Shift+F1"), 63);
  EXPECT_EQ(tplc::hotKeyIndex("Ins"), 75);
  EXPECT_EQ(tplc::hotKeyIndex("Del"), 76);
  EXPECT_EQ(tplc::hotKeyIndex("-"), 77);
  EXPECT_EQ(tplc::hotKeyIndex("ctrl+q"), 0);
  EXPECT_EQ(tplc::hotKeyName(78), "");
}

TEST(WindowSource, UnitsGetTheirAttributesAndEverythingElseKeepsDefaults) {
  lp::WindowTemplate window;
  std::string error;
  ASSERT_TRUE(tplc::readWindowSource(std::string(kHead) +
                                         "unit 0x16010001 EditBox box\n"
                                         "  at -1 2 3 4\n"
                                         "  state disabled tabstop\n"
                                         "  tab 7\n"
                                         "  tag \"a tag\"\n"
                                         "  on -9 second\n"
                                         "  set MaxLength 4\n"
                                         "unit 0x16010002 ListBox\n"
                                         "  parent 0x16010001\n"
                                         "  state hidden\n"
                                         "  set ItemData 1 -1\n"
                                         "menu 0x26010001\n"
                                         "  caption Item\n"
                                         "  level 2\n"
                                         "  hotkey Del\n"
                                         "  state checked disabled\n"
                                         "  on first\n",
                                     twoHandlers(), window, error))
      << error;
  ASSERT_EQ(window.units.size(), 4u);
  EXPECT_TRUE(window.units[0].component.properties.size() > 0);  // the window's defaults
  const lp::ComponentUnit& box = window.units[1].component;
  EXPECT_EQ(box.head.typeCode, 0x00010005u);
  EXPECT_EQ(box.head.name, "box");
  EXPECT_EQ(std::vector<int32_t>({box.left, box.top, box.width, box.height}), std::vector<int32_t>({-1, 2, 3, 4}));
  EXPECT_EQ(box.state, lp::kStateVisible | lp::kStateDisabled | lp::kStateTabStop);
  EXPECT_EQ(box.tabOrder, 7);
  EXPECT_EQ(box.tag, "a tag");
  ASSERT_EQ(box.events.size(), 1u);
  EXPECT_EQ(box.events[0].event, -9);
  EXPECT_EQ(box.events[0].handlerOffset, 8);
  lp::EditBoxData edit, defaults;
  ASSERT_TRUE(edit.read(box.properties.data(), box.properties.size()));
  EXPECT_EQ(edit.maxLength, 4);
  defaults.maxLength = 4;
  EXPECT_EQ(box.properties, defaults.write());

  const lp::ComponentUnit& list = window.units[2].component;
  EXPECT_EQ(list.parent, 0x16010001u);
  EXPECT_EQ(list.state, 0u);
  lp::ListBoxData items;
  ASSERT_TRUE(items.read(list.properties.data(), list.properties.size()));
  EXPECT_EQ(items.itemValue(0), 1u);
  EXPECT_EQ(items.itemValue(1), 0xFFFFFFFFu);

  const lp::MenuUnit& menu = window.units[3].menu;
  ASSERT_TRUE(window.units[3].isMenu);
  EXPECT_EQ(menu.head.typeCode, 0x00010003u);
  EXPECT_EQ(menu.caption, "Item");
  EXPECT_EQ(menu.level, 2);
  EXPECT_EQ(menu.hotKey, 76);
  EXPECT_EQ(menu.flags, lp::kMenuChecked | lp::kMenuDisabled);
  EXPECT_EQ(menu.handlerOffset, 0);
}

TEST(WindowSource, MistakesStopTheBuildWithTheirLine) {
  EXPECT_EQ(errorOf("  on 0 missing\n"), "line 3: handler missing is not in the handler list");
  EXPECT_EQ(errorOf("  on 0 first\n  on 0 second\n"), "line 4: event 0 is bound twice");
  EXPECT_EQ(errorOf("unit 0x16010001 Slider s\n"), "line 3: unknown component type 'Slider'");
  EXPECT_EQ(errorOf("  set Colour 1\n"), "line 3: window has no property Colour");
  EXPECT_EQ(errorOf("  set Icon x.ico\n"), "line 3: property Icon of window cannot be given in a source");
  EXPECT_EQ(errorOf("  set Border 1\n  set Border 2\n"), "line 4: property Border is set twice");
  EXPECT_EQ(errorOf("  set Caption two words\n"),
            "line 3: property Caption: expected exactly one value (quote a text that has blanks)");
  EXPECT_EQ(errorOf("  set MaxButton yes\n"), "line 3: property MaxButton: 'yes' is not a logical (true or false)");
  EXPECT_EQ(errorOf("  set BackColor 0x1000000\n"),
            "line 3: property BackColor: '0x1000000' is not a colour (0x00BBGGRR or ClrDefault)");
  EXPECT_EQ(errorOf("  set Caption \xC3\n"), "line 3: property Caption: '\xC3' cannot be stored as GBK text");
  EXPECT_EQ(errorOf("  state invisible\n"), "line 3: unknown state 'invisible' (hidden, disabled, tabstop)");
  EXPECT_EQ(errorOf("  at 1 2 3\n"), "line 3: expected 'at <left> <top> <width> <height>'");
  EXPECT_EQ(errorOf("unit 0x16010001 Label a\nunit 0x16010001 Label b\n"), "line 4: unit id 0x16010001 is used twice");
  EXPECT_EQ(errorOf("unit 0x16000000 Label a\n"), "line 3: unit id 0x16000000 is not a valid identifier");
  EXPECT_EQ(errorOf("unit 0x26010001 Label a\n"), "line 3: unit id 0x26010001 is a menu item id");
  EXPECT_EQ(errorOf("unit 0x16010001 window\n"),
            "line 3: the first unit, and only it, is the window's own unit (type window)");
  EXPECT_EQ(errorOf("menu 0x26010001\nunit 0x16010001 Label a\n"), "line 4: components come before the menu items");
  EXPECT_EQ(errorOf("menu 0x16010001\n"), "line 3: menu id 0x16010001 is not of class 2, kind 6");
  EXPECT_EQ(errorOf("menu 0x26010001\n  hotkey Ctrl+Alt+X\n"), "line 4: unknown hot key 'Ctrl+Alt+X'");
  EXPECT_EQ(errorOf("menu 0x26010001\n  at 1 2 3 4\n"), "line 4: unknown statement 'at' in a menu item");
  EXPECT_EQ(errorOf("unit 0x16010001 ColorPicker c\n  empty-block\n  set Color 0\n"),
            "line 5: a unit with 'empty-block' sets no properties");
  EXPECT_EQ(errorOf("unit 0x16010001 ListView l\n  set Columns 章\n"),
            "line 4: property Columns: '章' is not a column (heading:width or heading:width:left|centre|right)");
  EXPECT_EQ(errorOf("unit 0x16010001 ListView l\n  set Font 宋体 size=9\n"),
            "line 4: property Font: 'size=9' is not a font member (name=value)");
  EXPECT_EQ(errorOf("unit 0x16010001 Label a\n  parent 0x16010009\n"),
            "unit 0x16010001 names a parent that is not a unit of this window");

  lp::WindowTemplate window;
  std::string error;
  EXPECT_FALSE(tplc::readWindowSource("unit 0x06010000 window\n", twoHandlers(), window, error));
  EXPECT_EQ(error, "line 1: the source must start with 'window <id>'");
  EXPECT_FALSE(tplc::readWindowSource("window 0x52010001\n", twoHandlers(), window, error));
  EXPECT_EQ(error, "the window has no units");
}

}  // namespace
