#include "icon_shape.h"

namespace testsupport {

IconShape iconShape(HICON image) {
  IconShape shape;
  ICONINFO info = {};
  if (!image || !GetIconInfo(image, &info)) return shape;
  BITMAP bitmap = {};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  // A monochrome image keeps its AND and XOR masks one above the other.
  shape = {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2, info.xHotspot, info.yHotspot};
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return shape;
}

}  // namespace testsupport
