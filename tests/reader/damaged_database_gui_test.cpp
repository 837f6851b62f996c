// The reader started over a database file that was cut short or emptied (a
// full disk, an interrupted copy): it puts its own database back and works.
#include "tests/reader/reader_fixture.h"

namespace {

using namespace readertest;

class DamagedDatabase : public ReaderTest {
 protected:
  std::string fixture() const override { return LP_PROGRAM_DATABASE; }
};

TEST_F(DamagedDatabase, FileCutShortIsReplacedAndLookupsWork) {
  const std::string whole = readFile(LP_PROGRAM_DATABASE);
  for (size_t length : {size_t{0}, size_t{4096}, size_t{65536}, whole.size() / 2}) {
    closeMainWindow();
    writeFile(tempFolder + "lumenpath.kx", whole.substr(0, length));
    loadMainWindow();
    ASSERT_TRUE(IsWindow(unitWindow(0))) << length;
    EXPECT_TRUE(readFile(tempFolder + "lumenpath.kx") == whole) << "cut to " << length;
    setText(kBookBox, "创世记");
    setText(kChapterBox, "1");
    setText(kVerseBox, "1");
    pressEnter(kVerseBox);
    EXPECT_EQ(references(), (std::vector<std::string>{"创世记 1:1"})) << "cut to " << length;
  }
}

TEST_F(DamagedDatabase, FileMissingOnlyItsLastPageStillServesWhatItHolds) {
  // Its book keys still answer, so it is kept; what it holds is found, and
  // what it lost is simply not there.
  const std::string whole = readFile(LP_PROGRAM_DATABASE);
  closeMainWindow();
  writeFile(tempFolder + "lumenpath.kx", whole.substr(0, whole.size() - 4096));
  loadMainWindow();
  ASSERT_TRUE(IsWindow(unitWindow(0)));
  setText(kBookBox, "创世记");
  setText(kChapterBox, "1");
  setText(kVerseBox, "1");
  pressEnter(kVerseBox);
  EXPECT_EQ(references(), (std::vector<std::string>{"创世记 1:1"}));
}

}  // namespace
