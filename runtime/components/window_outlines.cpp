#include "runtime/components/window_outlines.h"

namespace lp {
namespace {

constexpr int32_t M = kOutlineUnit;  // full width or height
constexpr int32_t H = 16383;         // half
constexpr int32_t Q = 8191;          // quarter
constexpr int32_t T = 24576;         // three quarters

const OutlinePoint kTriangleUp[] = {{H, 0}, {M, M}, {0, M}, {H, 0}};
const OutlinePoint kTriangleDown[] = {{0, 0}, {M, 0}, {H, M}};
const OutlinePoint kTriangleLeft[] = {{0, H}, {M, 0}, {M, M}};
const OutlinePoint kTriangleRight[] = {{0, 0}, {M, H}, {0, M}};
const OutlinePoint kPentagon[] = {{H, 0}, {M, 12516}, {26013, M}, {6754, M}, {0, 12516}};
const OutlinePoint kParallelogram[] = {{Q, 0}, {M, 0}, {T, M}, {0, M}};
const OutlinePoint kHexagon[] = {{Q, 0}, {T, 0}, {M, H}, {T, M}, {Q, M}, {0, H}};
const OutlinePoint kOctagon[] = {{9597, 0}, {23170, 0}, {M, 9597}, {M, 23170},
                                 {23170, M}, {9597, M}, {0, 23170}, {0, 9597}};
const OutlinePoint kDiamond[] = {{H, 0}, {M, H}, {H, M}, {0, H}};
const OutlinePoint kStar5[] = {{H, 0},     {20251, 11902}, {M, 12516}, {22640, 19763}, {26013, M},
                               {H, 26240}, {6754, M},      {10127, 19763}, {0, 12516}, {12516, 11902}};
const OutlinePoint kTrapezoid[] = {{Q, 0}, {T, 0}, {M, M}, {0, M}};
const OutlinePoint kTrapezoidDown[] = {{0, 0}, {M, 0}, {T, M}, {Q, M}};
const OutlinePoint kCross[] = {{10922, 0},     {21845, 0},     {21845, 10922}, {M, 10922},
                               {M, 21845},     {21845, 21845}, {21845, M},     {10922, M},
                               {10922, 21845}, {0, 21845},     {0, 10922},     {10922, 10922}};
const OutlinePoint kStar6[] = {{H, 0},      {20479, Q}, {M, Q},     {T, H}, {M, T},     {20479, T},
                               {H, M},      {12287, T}, {0, T},     {Q, H}, {0, Q},     {12287, Q}};
const OutlinePoint kStar4[] = {{H, 0}, {20479, 12287}, {M, H}, {20479, 20479},
                               {H, M}, {12287, 20479}, {0, H}, {12287, 12287}};
const OutlinePoint kChevronRight[] = {{0, 0}, {20479, 0}, {M, H}, {20479, M}, {0, M}, {12287, H}};
const OutlinePoint kArrowLeft[] = {{0, H}, {H, 0}, {H, Q}, {M, Q}, {M, T}, {H, T}, {H, M}};
const OutlinePoint kArrowRight[] = {{M, H}, {H, M}, {H, T}, {0, T}, {0, Q}, {H, Q}, {H, 0}};
const OutlinePoint kArrowUp[] = {{H, 0}, {M, H}, {T, H}, {T, M}, {Q, M}, {Q, H}, {0, H}};
const OutlinePoint kArrowDown[] = {{H, M}, {0, H}, {Q, H}, {Q, 0}, {T, 0}, {T, H}, {M, H}};
const OutlinePoint kRightTriangle[] = {{0, 0}, {M, M}, {0, M}};
const OutlinePoint kChevronLeft[] = {{M, 0}, {12287, 0}, {0, H}, {12287, M}, {M, M}, {20479, H}};
const OutlinePoint kDoubleArrowHorizontal[] = {{0, H}, {Q, 0}, {Q, Q}, {T, Q}, {T, 0},
                                               {M, H}, {T, M}, {T, T}, {Q, T}, {Q, M}};
const OutlinePoint kDoubleArrowVertical[] = {{H, 0}, {M, Q}, {T, Q}, {T, T}, {M, T},
                                             {H, M}, {0, T}, {Q, T}, {Q, Q}, {0, Q}};
const OutlinePoint kHouse[] = {{H, 0}, {M, H}, {M, M}, {0, M}, {0, H}};
const OutlinePoint kTee[] = {{0, 0}, {M, 0}, {M, 10922}, {21845, 10922}, {21845, M}, {10922, M}, {10922, 10922},
                             {0, 10922}};

#define LP_OUTLINE(points) {points, static_cast<int32_t>(sizeof(points) / sizeof(points[0]))}

// Entry i is Shape i + 4.
const Outline kOutlines[kLastPolygonShape - kFirstPolygonShape + 1] = {
    LP_OUTLINE(kTriangleUp),    LP_OUTLINE(kTriangleDown),  LP_OUTLINE(kTriangleLeft),
    LP_OUTLINE(kTriangleRight), LP_OUTLINE(kPentagon),      LP_OUTLINE(kParallelogram),
    LP_OUTLINE(kHexagon),       LP_OUTLINE(kOctagon),       LP_OUTLINE(kDiamond),
    LP_OUTLINE(kStar5),         LP_OUTLINE(kTrapezoid),     LP_OUTLINE(kTrapezoidDown),
    LP_OUTLINE(kCross),         LP_OUTLINE(kStar6),         LP_OUTLINE(kStar4),
    LP_OUTLINE(kChevronRight),  LP_OUTLINE(kArrowLeft),     LP_OUTLINE(kArrowRight),
    LP_OUTLINE(kArrowUp),       LP_OUTLINE(kArrowDown),     LP_OUTLINE(kRightTriangle),
    LP_OUTLINE(kChevronLeft),   LP_OUTLINE(kDoubleArrowHorizontal), LP_OUTLINE(kDoubleArrowVertical),
    LP_OUTLINE(kHouse),         LP_OUTLINE(kTee),
};

#undef LP_OUTLINE

}  // namespace

Outline windowOutline(int32_t shape) {
  if (shape < kFirstPolygonShape || shape > kLastPolygonShape) return {nullptr, 0};
  return kOutlines[shape - kFirstPolygonShape];
}

}  // namespace lp
