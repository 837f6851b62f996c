// What the reader keeps after its actions are done: nothing of our own
// allocator beyond what it held before, and nothing of a closed reading
// window's text.
#include "tests/reader/reader_fixture.h"

#include <windows.h>

#include "runtime/core/memory_service.h"
#include "tests/reader/modal_answerer.h"

namespace {

using namespace readertest;

// Bytes in use in the process heap, where the system's controls keep their texts.
SIZE_T processHeapBytesInUse() {
  HANDLE heap = GetProcessHeap();
  SIZE_T total = 0;
  HeapLock(heap);
  PROCESS_HEAP_ENTRY entry = {};
  while (HeapWalk(heap, &entry)) {
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
  }
  HeapUnlock(heap);
  return total;
}

class Memory : public ReaderTest {
 protected:
  std::string fixture() const override { return LP_PROGRAM_DATABASE; }

  void search(const char* words) {
    setText(kSearchBox, words);
    pressEnter(kSearchBox);
  }
  void lookUpVerseRange() {
    setText(kBookBox, "约翰福音");
    setText(kChapterBox, "1");
    setText(kVerseBox, "3");
    setText(kLastChapterBox, "2");
    setText(kLastVerseBox, "5");
    pressEnter(kLastVerseBox);
  }
  void openAndCloseReadingWindow() {
    bool closing = false;
    ThreadTimer closer([&] {
      HWND box = control(kReadingBox, "Edit", kReadingWindow);
      if (!box || closing) return;
      closing = true;
      PostMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
      PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    });
    chooseMenu(kReadingWindowItem);
    for (int i = 0; i < 50 && unitWindow(0, kReadingWindow); ++i) pump();
  }
  // One of every action that reads the database or moves texts around.
  void everyAction() {
    search("神");
    search("爱 神");
    search("无此词语");
    search("'");
    lookUpVerseRange();
    setText(kBookBox, "y");
    setText(kBookBox, "");
    click(kShowAllButton);
    Sleep(200);
    pump();
    openAndCloseReadingWindow();
    click(kClearButton);
  }
};

TEST_F(Memory, ActionsGiveBackEveryBlockOfOurAllocator) {
  // The first round fills what lives as long as the window (the book list, settings).
  everyAction();
  const int32_t before = lp::liveBlockCount();
  for (int round = 0; round < 3; ++round) everyAction();
  EXPECT_EQ(lp::liveBlockCount(), before);
}

TEST_F(Memory, ClosedReadingWindowLeavesNothingOfItsText) {
  std::string lines;
  for (int i = 0; i < 2000; ++i) lines += "约翰福音3:16 神爱世人,甚至将他的独生子赐给他们\r\n";
  setText(kResultBox, lines);
  openAndCloseReadingWindow();
  const SIZE_T before = processHeapBytesInUse();
  for (int i = 0; i < 4; ++i) openAndCloseReadingWindow();
  // A control that kept a byte per character would leave over 200,000 bytes;
  // the allowance is for what the system itself caches meanwhile.
  const SIZE_T characters = lines.size() / 2;
  EXPECT_LT(processHeapBytesInUse(), before + characters / 2);
}

}  // namespace
