#include "app/proportional_layout.h"

#include <cstdint>

#include "app/commands.h"
#include "app/controls.h"
#include "app/reader_globals.h"

namespace reader {
namespace {

struct LayoutControl {
  Component control;
  int32_t fontProperty;  // 0: the font is not scaled
};

// The table's entries, in entry order.
const LayoutControl kControls[kLayoutEntries] = {
    {ui::kBookCaption, 10},      {ui::kChapterCaption, 10}, {ui::kVerseCaption, 10},
    {ui::kLastChapterCaption, 10}, {ui::kLastVerseCaption, 10}, {ui::kSearchCaption, 10},
    {ui::kRule, 0},              {ui::kBookBox, 12},        {ui::kChapterBox, 12},
    {ui::kVerseBox, 12},         {ui::kLastChapterBox, 12}, {ui::kLastVerseBox, 12},
    {ui::kSearchBox, 12},        {ui::kResultBox, 12},      {ui::kResultList, 12},
    {ui::kBookList, 14},         {ui::kSearchButton, 13},   {ui::kFontButton, 13},
    {ui::kShowAllButton, 13},    {ui::kCopyButton, 13},     {ui::kClearButton, 13},
    {ui::kColourPicker, 0},      {ui::kPreview, 0},
};
constexpr int kResultBoxEntry = 13;

double windowWidth() { return readInteger(ui::kMainWindow, prop::kWidth); }
double windowHeight() { return readInteger(ui::kMainWindow, prop::kHeight); }

// Truncation toward zero, not rounding.
int32_t truncated(double value) { return static_cast<int32_t>(value); }

void recordFont(const LayoutControl& c, LayoutEntry& e) {
  if (c.fontProperty == 0) return;
  const double size = readInteger(c.control, c.fontProperty, kFontSizeMember);
  e.font = size / readInteger(c.control, prop::kWidth);
}

}  // namespace

void recordLayout() {
  LayoutEntry* entries = layoutEntries();
  for (int i = 0; i < kLayoutEntries; ++i) {
    const LayoutControl& c = kControls[i];
    LayoutEntry& e = entries[i];
    e.x = readInteger(c.control, prop::kLeft) / windowWidth();
    e.y = readInteger(c.control, prop::kTop) / windowHeight();
    e.width = readInteger(c.control, prop::kWidth) / windowWidth();
    e.height = readInteger(c.control, prop::kHeight) / windowHeight();
    recordFont(c, e);
  }
}

void recordResultBoxFont() { recordFont(kControls[kResultBoxEntry], layoutEntries()[kResultBoxEntry]); }

void applyLayout() {
  const LayoutEntry* entries = layoutEntries();
  for (int i = 0; i < kLayoutEntries; ++i) {
    const LayoutControl& c = kControls[i];
    const LayoutEntry& e = entries[i];
    cmd::move(c.control, truncated(windowWidth() * e.x), truncated(windowHeight() * e.y),
              truncated(windowWidth() * e.width), truncated(windowHeight() * e.height));
    if (c.fontProperty == 0) continue;
    const int32_t size = truncated(readInteger(c.control, prop::kWidth) * e.font);
    writeInteger(c.control, c.fontProperty, size, kFontSizeMember);
  }
  // The verse-text column takes whatever width the other three leave.
  cmd::setColumnWidth(ui::kResultList, 3, -2);
}

}  // namespace reader
