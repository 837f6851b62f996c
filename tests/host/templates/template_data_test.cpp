// The template data as bytes: the round trip through the shared reader and
// writer, the empty index, truncations, and the command-line tool.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "reader_templates.h"
#include "tools/tplc/source_lines.h"

namespace {

std::vector<uint8_t> readerBlob() { return lp::writeTemplateData(readerTemplates()); }

TEST(TemplateData, ReaderTemplatesSurviveReadAndWriteByteForByte) {
  const std::vector<uint8_t> blob = readerBlob();
  lp::TemplateData read;
  ASSERT_TRUE(lp::readTemplateData(blob.data(), blob.size(), read));
  ASSERT_EQ(read.windows.size(), 2u);
  EXPECT_EQ(read.windows[0].id, 0x52010001u);
  EXPECT_EQ(read.windows[1].id, 0x52010E81u);
  EXPECT_EQ(lp::writeTemplateData(read), blob);
}

TEST(TemplateData, IndexWithByteCountZeroGivesNoWindows) {
  const uint8_t empty[] = {0, 0, 0, 0};
  lp::TemplateData read;
  ASSERT_TRUE(lp::readTemplateData(empty, sizeof empty, read));
  EXPECT_TRUE(read.windows.empty());
  // Fewer than 8 index bytes make no whole window either.
  const uint8_t partial[] = {4, 0, 0, 0, 1, 0, 0, 0x52};
  ASSERT_TRUE(lp::readTemplateData(partial, sizeof partial, read));
  EXPECT_TRUE(read.windows.empty());
}

TEST(TemplateData, EveryTruncationOfTheReaderTemplatesFailsToRead) {
  const std::vector<uint8_t> blob = readerBlob();
  for (size_t length = 0; length < blob.size(); ++length) {
    lp::TemplateData read;
    EXPECT_FALSE(lp::readTemplateData(blob.data(), length, read)) << "prefix of " << length << " bytes";
  }
}

TEST(TemplateData, HandlerOffsetZeroAndNoHandlerSurviveTheRoundTrip) {
  const std::vector<uint8_t> blob = readerBlob();
  lp::TemplateData read;
  ASSERT_TRUE(lp::readTemplateData(blob.data(), blob.size(), read));
  const lp::WindowTemplate& main = read.windows[0];
  // The destroyed handler is the first of the code base: offset 0 is a handler.
  const lp::ComponentUnit& window = main.units[0].component;
  bool destroyedAtZero = false;
  for (const lp::EventBinding& binding : window.events)
    if (binding.event == 2) destroyedAtZero = binding.handlerOffset == 0;
  EXPECT_TRUE(destroyedAtZero);
  // A menu-bar entry has no handler of its own: -1, not 0.
  const lp::UnitRecord& settings = main.units[26];
  ASSERT_TRUE(settings.isMenu);
  EXPECT_EQ(settings.menu.handlerOffset, -1);
}

// The tool itself: build files from the reader's sources, then dump the blob.
class TplcTool : public ::testing::Test {
 protected:
  static std::string run(const std::string& args) {
    const std::string command = std::string(LP_TPLC) + " " + args + " > tplc.out 2>&1";
    status_ = std::system(command.c_str());
    std::string output;
    tplc::readTextFile("tplc.out", output);
    return output;
  }
  static int status_;
};
int TplcTool::status_ = 0;

TEST_F(TplcTool, BuildsBlobHeaderAndCodeBaseAndDumpsTheBlob) {
  const std::string sources = LP_RESOURCES_DIR "/windows/main_window.tmpl " LP_RESOURCES_DIR
                                               "/windows/reading_window.tmpl";
  run("--handlers " LP_RESOURCES_DIR "/handlers.txt --out-blob t.bin --out-header t.h --out-code-base t.S " +
      sources);
  ASSERT_EQ(status_, 0);
  std::string blob, header, codeBase;
  ASSERT_TRUE(tplc::readTextFile("t.bin", blob));
  ASSERT_TRUE(tplc::readTextFile("t.h", header));
  ASSERT_TRUE(tplc::readTextFile("t.S", codeBase));
  const std::vector<uint8_t> expected = readerBlob();
  EXPECT_EQ(std::vector<uint8_t>(blob.begin(), blob.end()), expected);
  EXPECT_NE(header.find("kTemplatesLength = " + std::to_string(expected.size()) + "u;"), std::string::npos);
  EXPECT_NE(codeBase.find("LP_SYMBOL(lp_code_base):\n  .balign 8\n  jmp LP_SYMBOL(onMainWindowDestroyed)"),
            std::string::npos);

  const std::string listing = run("--dump t.bin");
  EXPECT_EQ(status_, 0);
  EXPECT_NE(listing.find("unit 0x16010CB7 ListView 超级列表框"), std::string::npos);
  EXPECT_NE(listing.find("written again, identical"), std::string::npos);

  std::FILE* cut = std::fopen("cut.bin", "wb");
  std::fwrite(blob.data(), 1, blob.size() - 1, cut);
  std::fclose(cut);
  EXPECT_NE(run("--dump cut.bin").find("not readable template data"), std::string::npos);
  EXPECT_NE(status_, 0);
}

TEST_F(TplcTool, UnknownHandlerIsABuildError) {
  std::FILE* source = std::fopen("bad.tmpl", "wb");
  std::fputs("window 0x52010001\nunit 0x06010000 window\n  on 0 onNoSuchHandler\n", source);
  std::fclose(source);
  const std::string output = run("--handlers " LP_RESOURCES_DIR
                                 "/handlers.txt --out-blob b.bin --out-header b.h --out-code-base b.S bad.tmpl");
  EXPECT_NE(status_, 0);
  EXPECT_NE(output.find("bad.tmpl: line 3: handler onNoSuchHandler is not in the handler list"), std::string::npos)
      << output;
}

}  // namespace
