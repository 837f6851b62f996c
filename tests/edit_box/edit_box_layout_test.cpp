// The single-line layout: the text line centred in a box of any height, the
// margins painted in BackColor and answering as border, and the height rule.
#include "edit_box_support.h"
#include "runtime/core/property_service.h"

namespace test {
namespace {

using lp::EditBoxData;

class EditBoxLayout : public EditBoxTest {
 protected:
  // The client rectangle in the window's own coordinates.
  RECT clientInWindow(HWND w) {
    RECT client, frame;
    GetClientRect(w, &client);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(w, &frame);
    OffsetRect(&client, -frame.left, -frame.top);
    return client;
  }

  int lineHeight(HWND w) {
    HDC dc = GetDC(w);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, L"W", 1, &size);
    SelectObject(dc, old);
    ReleaseDC(w, dc);
    return size.cy;
  }

  COLORREF pixel(HWND w, int x, int y) {
    HDC dc = GetWindowDC(w);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
  }
};

constexpr COLORREF kRed = RGB(255, 0, 0);

TEST_F(EditBoxLayout, TallSingleLineBoxCentresItsTextAndPaintsTheMarginsInBackColor) {
  setWindow(lp::WindowData());
  EditBoxData d;
  d.border = 0;
  d.backColor = kRed;
  d.content = "Centred";
  addBox(1, d, 120, 40);
  ASSERT_TRUE(load());
  HWND w = box(1);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  pump();
  const RECT client = clientInWindow(w);
  const int height = lineHeight(w);
  EXPECT_EQ(client.bottom - client.top, height);
  const int above = client.top, below = 40 - client.bottom;
  EXPECT_LE(std::abs(above - below), 1) << above << " above, " << below << " below";
  EXPECT_GT(above, 5);

  EXPECT_EQ(pixel(w, 60, 1), kRed);
  EXPECT_EQ(pixel(w, 60, 38), kRed);
  EXPECT_EQ(pixel(w, 115, client.top + 1), kRed) << "the empty part of the line itself";

  RECT frame;
  GetWindowRect(w, &frame);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(frame.left + 60, frame.top + 2)), HTBORDER);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(frame.left + 60, frame.top + 20)), HTCLIENT);

  // A new BackColor repaints the margins too.
  writeNumber(1, EditBoxData::kBackColor, static_cast<int32_t>(RGB(0, 0, 255)));
  UpdateWindow(w);
  pump();
  EXPECT_EQ(pixel(w, 60, 1), RGB(0, 0, 255));
}

TEST_F(EditBoxLayout, LowSingleLineBoxGrowsToHoldOneLine) {
  setWindow(lp::WindowData());
  addBox(1, EditBoxData(), 120, 8);
  EditBoxData multi;
  multi.multiLine = true;
  addBox(2, multi, 120, 8);
  ASSERT_TRUE(load());
  RECT r;
  GetWindowRect(box(1), &r);
  EXPECT_GE(r.bottom - r.top, lineHeight(box(1)));
  EXPECT_EQ(r.right - r.left, 120);
  GetWindowRect(box(2), &r);
  EXPECT_EQ(r.bottom - r.top, 8) << "the rule is for single-line boxes";
}

TEST_F(EditBoxLayout, FontWriteAppliesTheHeightRuleAndRecentresTheLine) {
  setWindow(lp::WindowData());
  EditBoxData d;
  d.border = 0;
  addBox(1, d, 120, 24);
  ASSERT_TRUE(load());
  const lp::FontValue big = {36, 0, 0, 0, 0, 0, "SimSun"};
  lp::writeProperty(kWindowId, componentId(1), property(EditBoxData::kFont), -1,
                    static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&big)),
                    static_cast<uint32_t>(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(&big)) >> 32));
  RECT r;
  GetWindowRect(box(1), &r);
  const int height = lineHeight(box(1));
  EXPECT_GT(height, 30);
  EXPECT_GE(r.bottom - r.top, height);
  const RECT client = clientInWindow(box(1));
  EXPECT_EQ(client.bottom - client.top, height);
  // The buffer written is what the property reads back.
  EXPECT_EQ(lp::readProperty(kWindowId, componentId(1), property(EditBoxData::kFont), 5), 36u);
}

TEST_F(EditBoxLayout, MultiLineBoxKeepsItsWholeClientArea) {
  setWindow(lp::WindowData());
  EditBoxData multi;
  multi.multiLine = true;
  multi.border = 0;
  addBox(1, multi, 120, 80);
  ASSERT_TRUE(load());
  RECT client;
  GetClientRect(box(1), &client);
  EXPECT_EQ(client.bottom, 80);
}

}  // namespace
}  // namespace test
