// The common dialog's font dialog: the properties become the font the dialog
// starts from, and the user's choice goes back into them on OK only.
#include <windows.h>
#include <commdlg.h>

#include <cstdlib>

#include "runtime/components/common_dialog.h"
#include "runtime/core/deferred_system_calls.h"
#include "runtime/core/gbk.h"

namespace lp {
namespace {

int screenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

LOGFONTW startingFont(const CommonDialogData& data, int pixelsPerInch) {
  LOGFONTW font = {};
  if (data.bold) font.lfWeight = FW_BOLD;
  font.lfItalic = data.italic ? 1 : 0;
  font.lfStrikeOut = data.strikeOut ? 1 : 0;
  font.lfUnderline = data.underline ? 1 : 0;
  if (!data.fontName.empty()) {
    const std::wstring face = gbkToWide(data.fontName);
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
  }
  if (data.fontSize != 0) font.lfHeight = -MulDiv(data.fontSize, pixelsPerInch, 72);
  return font;
}

void takeChosenFont(CommonDialogData& data, const LOGFONTW& font, COLORREF colour, int pixelsPerInch) {
  data.fontColor = colour;
  data.bold = font.lfWeight >= FW_BOLD;
  data.italic = font.lfItalic != 0;
  data.strikeOut = font.lfStrikeOut != 0;
  data.underline = font.lfUnderline != 0;
  data.fontName = wideToGbk(font.lfFaceName);
  data.fontSize = MulDiv(std::abs(font.lfHeight), 72, pixelsPerInch);
}

bool showFontDialog(CommonDialogObject& dialog) {
  const int dpi = screenPixelsPerInch();
  LOGFONTW font = startingFont(dialog.data, dpi);
  CHOOSEFONTW choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = GetAncestor(dialog.window, GA_ROOT);
  choose.lpLogFont = &font;
  choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  choose.rgbColors = dialog.data.fontColor;
  if (!deferred::ChooseFontW(&choose)) return false;
  takeChosenFont(dialog.data, font, choose.rgbColors, dpi);
  return true;
}

}  // namespace lp
