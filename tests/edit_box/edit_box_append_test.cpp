// The append-text command: the text goes to the end whatever the selection,
// batches of appends give exactly the text of appends one by one, and
// anything that reads or changes the box sees all of it.
#include <chrono>

#include "runtime/components/edit_box.h"
#include "runtime/components/edit_box_object.h"
#include "runtime/core/entry_services.h"
#include "runtime/core/gbk.h"
#include "runtime/core/message_loop.h"

#include "edit_box_support.h"

namespace test {
namespace {

using lp::EditBoxData;

class EditBoxAppend : public EditBoxTest {
 protected:
  void SetUp() override {
    EditBoxTest::SetUp();
    setWindow(lp::WindowData(), 500, 400);
    EditBoxData multi;
    multi.multiLine = true;
    multi.scrollBars = 2;
    addBox(1, multi, 300, 200);
    addBox(2, multi, 300, 200);
    geometry(2).left = 320;
    ASSERT_TRUE(load());
  }

  // What a row-by-row insertion leaves in the control.
  void appendDirectly(HWND w, const std::string& piece) {
    const int n = GetWindowTextLengthW(w);
    SendMessageW(w, EM_SETSEL, n, n);
    SendMessageW(w, EM_SCROLLCARET, 0, 0);
    SendMessageW(w, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lp::gbkToWide(piece).c_str()));
  }

  static std::string line(int i) { return "\xB5\xDA" + std::to_string(i) + " verse text\r\n"; }  // 第
};

TEST_F(EditBoxAppend, ManyLinesAppendQuicklyAndGiveTheTextOfRowByRowAppends) {
  for (int i = 0; i < 40; ++i) {
    append(1, line(i));
    appendDirectly(box(2), line(i));
    if (i == 20) {
      // The user's selection in the middle does not change where text goes.
      SendMessageW(box(1), EM_SETSEL, 2, 5);
      SendMessageW(box(2), EM_SETSEL, 2, 5);
    }
  }
  pump();
  EXPECT_EQ(text(1), text(2));
  DWORD start = 0, end = 0, start2 = 0, end2 = 0;
  SendMessageW(box(1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SendMessageW(box(2), EM_GETSEL, reinterpret_cast<WPARAM>(&start2), reinterpret_cast<LPARAM>(&end2));
  EXPECT_EQ(start, start2);
  EXPECT_EQ(end, end2);

  writeText(1, EditBoxData::kContent, "");
  std::string expected;
  const auto began = std::chrono::steady_clock::now();
  for (int i = 0; i < 4000; ++i) {
    // The reader appends each line in pieces and lets messages through.
    append(1, std::to_string(i));
    append(1, " ");
    append(1, line(i));
    expected += std::to_string(i) + " " + line(i);
    pump();
  }
  const std::string content = readText(1, EditBoxData::kContent);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  EXPECT_EQ(content, expected);
  EXPECT_LT(seconds, 8.0);  // generous: the machine is shared
  RecordProperty("append_4000_lines_seconds", std::to_string(seconds));
}

TEST_F(EditBoxAppend, ReadsAndChangesSeeEveryAppendedPiece) {
  append(1, "abc");
  EXPECT_EQ(readText(1, EditBoxData::kContent), "abc");
  append(1, "def");
  EXPECT_EQ(GetWindowTextLengthW(box(1)), 6);
  append(1, "g");
  SetFocus(box(1));
  type("h");
  EXPECT_EQ(text(1), "abcdefgh") << "typed after the appended text";
  append(1, "i");
  writeText(1, EditBoxData::kContent, "new");
  pump();
  EXPECT_EQ(text(1), "new");
  // Appends several texts in one call, empty ones included.
  lp::ValueRecord args[4] = {{kWindowId, componentId(1), kEditBoxType}, {}, {}, {}};
  lp::setRecordPointer(args[1], "1", lp::kText);
  lp::setRecordPointer(args[2], nullptr, lp::kText);
  lp::setRecordPointer(args[3], "2", lp::kText);
  lp_entry_services.callCoreCommand(lp::cmdEditBoxAppendText, 4, args);
  Sleep(150);
  pump();
  EXPECT_EQ(text(1), "new12") << "the timer inserts what is left";
}

// What the control itself holds, asked past the box's own procedure (asking
// the box would insert what is pending first).
std::wstring controlText(HWND w) {
  wchar_t buffer[64] = {};
  CallWindowProcW(lp::editBoxOf(w)->classProcedure, w, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

TEST_F(EditBoxAppend, WhatIsLeftGoesInAsSoonAsTheProgramIsIdle) {
  append(1, "abc");
  append(1, "def");
  EXPECT_EQ(controlText(box(1)), L"") << "pieces wait while appending goes on";
  lp::runIdleHandlers();
  EXPECT_EQ(controlText(box(1)), L"abcdef") << "idle: inserted without waiting for the timer";
  append(1, "g");
  EXPECT_EQ(text(1), "abcdefg");
  lp::runIdleHandlers();
  EXPECT_EQ(controlText(box(1)), L"abcdefg") << "nothing inserted twice";
}

TEST_F(EditBoxAppend, RecreationKeepsAppendedText) {
  append(1, "kept");
  writeNumber(1, EditBoxData::kScrollBars, 3);
  EXPECT_EQ(text(1), "kept");
}

}  // namespace
}  // namespace test
