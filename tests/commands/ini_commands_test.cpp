// ReadIni and WriteIni with Chinese section, key and value names.
#include <string>

#include <gtest/gtest.h>

#include "command_calls.h"
#include "runtime/core/command_numbers.h"

namespace {

using test::core;
using test::none;
using test::text;

std::string read(const std::string& path, const char* section, const char* key, lp::ValueRecord fallback = none()) {
  return test::takeText(core(lp::kCmdReadIni, {text(path.c_str()), text(section), text(key), fallback}));
}

bool write(const std::string& path, lp::ValueRecord section, lp::ValueRecord key, lp::ValueRecord value) {
  lp::ValueRecord r = core(lp::kCmdWriteIni, {text(path.c_str()), section, key, value});
  EXPECT_EQ(r.type, lp::kLogical);
  return r.low != 0;
}

TEST(Ini, WrittenValuesReadBackAndDefaultsApply) {
  const std::string path = test::freshFolder("ini") + "lumenpath.ini";
  EXPECT_TRUE(write(path, text("字体设置"), text("字体名"), text("宋体")));
  EXPECT_EQ(read(path, "字体设置", "字体名"), "宋体");
  EXPECT_EQ(read(path, "  字体设置", "\t字体名"), "宋体");
  EXPECT_EQ(read(path, "字体设置", "字号", text("12")), "12");
  EXPECT_EQ(read(path, "字体设置", "字号"), "");
  EXPECT_EQ(read(path, "颜色背景", "颜色", text("默认")), "默认");
}

TEST(Ini, ANewFileIsUnicodeAndAnExistingGbkFileIsRead) {
  const std::string folder = test::freshFolder("ini_format");
  const std::string fresh = folder + "new.ini";
  ASSERT_TRUE(write(fresh, text("颜色背景"), text("背景"), text("白")));
  EXPECT_EQ(test::readFile(fresh).substr(0, 2), "\xFF\xFE");
  const std::string old = folder + "old.ini";
  test::writeFile(old, "[皮肤设置]\r\n皮肤=经典\r\n");
  EXPECT_EQ(read(old, "皮肤设置", "皮肤"), "经典");
  ASSERT_TRUE(write(old, text("皮肤设置"), text("皮肤"), text("夜间")));
  EXPECT_EQ(read(old, "皮肤设置", "皮肤"), "夜间");
}

TEST(Ini, EmptyPathSectionOrKeyGiveEmptyTextEvenWithADefault) {
  const std::string path = test::freshFolder("ini_empty") + "a.ini";
  ASSERT_TRUE(write(path, text("s"), text("k"), text("v")));
  EXPECT_EQ(read(path, "", "k", text("default")), "");
  EXPECT_EQ(read(path, "   ", "k", text("default")), "");
  EXPECT_EQ(read(path, "s", "", text("default")), "");
  EXPECT_EQ(test::takeText(core(lp::kCmdReadIni, {text(" "), text("s"), text("k"), text("default")})), "");
}

TEST(Ini, OmittedKeyDeletesTheSectionAndOmittedValueTheKey) {
  const std::string path = test::freshFolder("ini_delete") + "b.ini";
  ASSERT_TRUE(write(path, text("皮肤设置"), text("a"), text("1")));
  ASSERT_TRUE(write(path, text("皮肤设置"), text("b"), text("2")));
  ASSERT_TRUE(write(path, text("other"), text("c"), text("3")));
  EXPECT_TRUE(write(path, text("皮肤设置"), text("a"), none()));
  EXPECT_EQ(read(path, "皮肤设置", "a", text("gone")), "gone");
  EXPECT_EQ(read(path, "皮肤设置", "b"), "2");
  EXPECT_TRUE(write(path, text("皮肤设置"), none(), none()));
  EXPECT_EQ(read(path, "皮肤设置", "b", text("gone")), "gone");
  EXPECT_EQ(read(path, "other", "c"), "3");
}

TEST(Ini, LongValuesAreCutAtTheBufferSize) {
  const std::string path = test::freshFolder("ini_long") + "c.ini";
  const std::string longValue(12000, 'v');
  ASSERT_TRUE(write(path, text("s"), text("k"), text(longValue.c_str())));
  EXPECT_EQ(read(path, "s", "k"), std::string(10239, 'v'));
}

TEST(Ini, FailsForAPathThatCannotBeWritten) {
  const std::string path = test::freshFolder("ini_fail") + "missing\\d.ini";
  EXPECT_FALSE(write(path, text("s"), text("k"), text("v")));
  EXPECT_FALSE(write("", text("s"), text("k"), text("v")));
}

}  // namespace
