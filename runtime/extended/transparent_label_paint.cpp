// Painting the transparent label: only its text, with the effect, the
// alignment, word wrap and the mnemonic underline; nothing behind it.
#include "runtime/components/caption_text.h"
#include "runtime/components/component_font.h"
#include "runtime/extended/transparent_label_object.h"

namespace lp {

void paintTransparentLabel(TransparentLabelObject& label) {
  const TransparentLabelData& d = label.data;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(label.window, &ps);
  const std::wstring text = windowText(label.window);
  if (!text.empty()) {
    RECT r;
    GetClientRect(label.window, &r);
    HFONT created = createFontFromBuffer(d.font.data(), d.font.size());
    HGDIOBJ old = SelectObject(dc, fontOrDefault(created));
    SetBkMode(dc, TRANSPARENT);
    drawCaption(dc, text, r, captionFormat(d.horizontalAlign, d.wordWrap, d.verticalAlign), d.textEffect,
                static_cast<COLORREF>(d.textColor & 0x00FFFFFFu));
    SelectObject(dc, old);
    if (created) DeleteObject(created);
  }
  EndPaint(label.window, &ps);
}

}  // namespace lp
