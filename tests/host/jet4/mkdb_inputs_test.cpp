// lp-mkdb's reading of its text inputs and its command line.
#include "tools/mkdb/scripture_tables.h"
#include "tools/mkdb/text_files.h"
#include "tools/mkdb/utf8.h"
#include "tests/host/jet4/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <unistd.h>

using namespace mkdb;
using jet4test::quoted;

namespace {

class TempFile {
 public:
  explicit TempFile(const std::string& content) {
    char name[] = "/tmp/lp-mkdb-test-XXXXXX";
    int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    path_ = name;
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

const std::string kTool = LUMENPATH_MKDB;

}  // namespace

TEST(MkdbInputs, Utf8BecomesUcs2AndAnythingElseIsRefused) {
  EXPECT_EQ(utf8ToUcs2("a创世记"), u"a创世记");
  EXPECT_THROW(utf8ToUcs2("\xF0\x9F\x98\x80"), std::invalid_argument);  // outside the BMP
  EXPECT_THROW(utf8ToUcs2("\xE5\x88"), std::invalid_argument);          // cut short
  EXPECT_THROW(utf8ToUcs2("\xC0\xAF"), std::invalid_argument);          // overlong
  EXPECT_THROW(utf8ToUcs2("\xED\xA0\x80"), std::invalid_argument);      // a surrogate
}

TEST(MkdbInputs, VerseLinesAreCheckedAndNumberedInFileOrder) {
  TempFile good("\xEF\xBB\xBF" "book\tchapter\tverse\ttext\r\n创世记\t1\t1\t起初。\r\n\n诗篇\t23\t1\t牧人。\n");
  std::vector<VerseLine> verses = readVerses(good.path());
  ASSERT_EQ(verses.size(), 2u);
  EXPECT_EQ(verses[0].text, u"起初。");
  EXPECT_EQ(verses[1].chapter, 23);
  jet4::Table table = verseTable(verses);
  EXPECT_EQ(table.rows[1][0].integer, 2);

  TempFile fields("book\tchapter\tverse\ttext\n创世记\t1\t1\t起初。\n创世记\t1\t2\n");
  EXPECT_NE(errorOf([&] { readVerses(fields.path()); }).find(":3: expected 4"), std::string::npos);
  TempFile zero("创世记\t0\t1\t起初。\n");
  EXPECT_NE(errorOf([&] { readVerses(zero.path()); }).find(":1: expected a positive"), std::string::npos);
  TempFile letters("创世记\t1\tx\t起初。\n");
  EXPECT_THROW(readVerses(letters.path()), std::runtime_error);
  TempFile empty("book\tchapter\tverse\ttext\n");
  EXPECT_THROW(readVerses(empty.path()), std::runtime_error);
  EXPECT_THROW(readVerses("/nonexistent/verses.tsv"), std::runtime_error);
}

TEST(MkdbInputs, PinyinKeysAreLowerCaseLetters) {
  TempFile good("csj\t创世记\nyhfy\t约翰福音\n");
  EXPECT_EQ(readPinyinKeys(good.path()).size(), 2u);
  for (const char* bad : {"CSJ\t创世记\n", "c s j\t创世记\n", "csj\n", "csj\t\n"}) {
    TempFile file(bad);
    EXPECT_THROW(readPinyinKeys(file.path()), std::runtime_error) << bad;
  }
}

TEST(MkdbCommand, RefusesBadArgumentsAndLeavesNoFileOnFailure) {
  TempFile keys("csj\t创世记\n");
  TempFile reserved("");
  const std::string out = reserved.path() + ".kx";
  int status = 0;
  jet4test::run(quoted(kTool) + " --out " + out + " 2>/dev/null", &status);
  EXPECT_EQ(status, 2);
  jet4test::run(quoted(kTool) + " --fixture passages --pinyin x --out " + out + " 2>/dev/null", &status);
  EXPECT_EQ(status, 2);
  jet4test::run(quoted(kTool) + " --fixture nosuch --out " + out + " 2>/dev/null", &status);
  EXPECT_EQ(status, 1);
  std::string verse;
  for (int i = 0; i < 256; ++i) verse += "字";  // one more than jingwen holds
  TempFile tooLong("创世记\t1\t1\t" + verse + "\n");
  std::string message = jet4test::run(quoted(kTool) + " --text " + tooLong.path() + " --pinyin " + keys.path() +
                                          " --out " + out + " 2>&1",
                                      &status);
  EXPECT_EQ(status, 1);
  EXPECT_NE(message.find("jingwen"), std::string::npos) << message;
  EXPECT_FALSE(jet4test::fileExists(out));
  EXPECT_FALSE(jet4test::fileExists(out + ".partial"));

  jet4test::run(quoted(kTool) + " --sample --pinyin " + keys.path() + " --out " + out, &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(jet4test::run("mdb-ver " + out), "JET4\n");
  std::remove(out.c_str());
}
