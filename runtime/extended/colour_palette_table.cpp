#include "runtime/extended/colour_palette_table.h"

namespace lp {

const NamedColour kPaletteColours[kPaletteColourCount] = {
    {"\xBA\xDA\xC9\xAB" /* 黑色 */, RGB(0, 0, 0)},
    {"\xB2\xD8\xC7\xE0" /* 藏青 */, RGB(0, 0, 128)},
    {"\xC4\xAB\xC2\xCC" /* 墨绿 */, RGB(0, 128, 0)},
    {"\xC9\xEE\xC7\xE0" /* 深青 */, RGB(0, 128, 128)},
    {"\xBA\xEC\xBA\xD6" /* 红褐 */, RGB(128, 0, 0)},
    {"\xD7\xCF\xBA\xEC" /* 紫红 */, RGB(128, 0, 128)},
    {"\xBA\xD6\xC2\xCC" /* 褐绿 */, RGB(128, 128, 0)},
    {"\xC7\xB3\xBB\xD2" /* 浅灰 */, RGB(192, 192, 192)},
    {"\xBB\xD2\xC9\xAB" /* 灰色 */, RGB(128, 128, 128)},
    {"\xC0\xB6\xC9\xAB" /* 蓝色 */, RGB(0, 0, 255)},
    {"\xC2\xCC\xC9\xAB" /* 绿色 */, RGB(0, 255, 0)},
    {"\xD1\xDE\xC7\xE0" /* 艳青 */, RGB(0, 255, 255)},
    {"\xBA\xEC\xC9\xAB" /* 红色 */, RGB(255, 0, 0)},
    {"\xC6\xB7\xBA\xEC" /* 品红 */, RGB(255, 0, 255)},
    {"\xBB\xC6\xC9\xAB" /* 黄色 */, RGB(255, 255, 0)},
    {"\xB0\xD7\xC9\xAB" /* 白色 */, RGB(255, 255, 255)},
    {"\xC0\xB6\xBB\xD2" /* 蓝灰 */, RGB(128, 128, 255)},
    {"\xB2\xD8\xC0\xB6" /* 藏蓝 */, RGB(88, 48, 224)},
    {"\xC4\xDB\xC2\xCC" /* 嫩绿 */, RGB(128, 224, 0)},
    {"\xC7\xE0\xC2\xCC" /* 青绿 */, RGB(0, 224, 128)},
    {"\xBB\xC6\xBA\xD6" /* 黄褐 */, RGB(192, 96, 0)},
    {"\xB7\xDB\xBA\xEC" /* 粉红 */, RGB(255, 168, 255)},
    {"\xC4\xDB\xBB\xC6" /* 嫩黄 */, RGB(216, 216, 0)},
    {"\xD2\xF8\xB0\xD7" /* 银白 */, RGB(236, 236, 236)},
    {"\xD7\xCF\xC9\xAB" /* 紫色 */, RGB(144, 0, 255)},
    {"\xCC\xEC\xC0\xB6" /* 天蓝 */, RGB(0, 136, 255)},
    {"\xBB\xD2\xC2\xCC" /* 灰绿 */, RGB(128, 160, 128)},
    {"\xC7\xE0\xC0\xB6" /* 青蓝 */, RGB(0, 96, 192)},
    {"\xB3\xC8\xBB\xC6" /* 橙黄 */, RGB(255, 128, 0)},
    {"\xCC\xD2\xBA\xEC" /* 桃红 */, RGB(255, 80, 128)},
    {"\xDC\xBD\xBA\xEC" /* 芙红 */, RGB(255, 128, 192)},
    {"\xC9\xEE\xBB\xD2" /* 深灰 */, RGB(96, 96, 96)},
};

int paletteIndexOf(COLORREF colour) {
  for (int i = 0; i < kPaletteColourCount; ++i)
    if (kPaletteColours[i].colour == colour) return i;
  return -1;
}

}  // namespace lp
