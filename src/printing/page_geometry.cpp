#include "printing/page_geometry.h"

#include <algorithm>

std::int32_t ScaleRounded(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return 0;
  std::int64_t product = std::int64_t{a} * b;
  std::int64_t half = (c > 0 ? c : -c) / 2;
  std::int64_t q = ((product >= 0) == (c > 0) ? product + half : product - half) / c;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(q, INT32_MIN, INT32_MAX));
}

namespace {

std::int32_t Twips(std::int32_t margin) { return ScaleRounded(margin, TwipsPerInch, MarginUnitsPerInch); }

// Applies the margins of one direction to [low, high]; false when they would
// leave less than an inch.
bool ApplyMargins(std::int32_t& low, std::int32_t& high, std::int32_t before, std::int32_t after) {
  std::int64_t wanted = std::int64_t{Twips(before)} + Twips(after) + TwipsPerInch;
  if (before < 0 || after < 0 || wanted >= high) return false;
  low = Twips(before);
  high -= Twips(after);
  return true;
}

}  // namespace

PageGeometry ComputePageGeometry(std::int32_t physicalWidth, std::int32_t physicalHeight, std::int32_t dotsPerInchX,
                                 std::int32_t dotsPerInchY, const TwipRect& margins) {
  PageGeometry geometry;
  geometry.page = {0, 0, ScaleRounded(physicalWidth, TwipsPerInch, dotsPerInchX),
                   ScaleRounded(physicalHeight, TwipsPerInch, dotsPerInchY)};
  geometry.print = geometry.page;
  ApplyMargins(geometry.print.left, geometry.print.right, margins.left, margins.right);
  geometry.verticalMargins = ApplyMargins(geometry.print.top, geometry.print.bottom, margins.top, margins.bottom);
  return geometry;
}

TwipRect PageNumberRect(const PageGeometry& geometry, std::int32_t numberWidth, std::int32_t numberHeight) {
  TwipRect rect;
  rect.left = std::max(0, (geometry.page.right - numberWidth) / 2);
  rect.top = std::max(geometry.page.top, geometry.page.top + (geometry.print.top - geometry.page.top - numberHeight) / 2);
  rect.right = std::max(geometry.print.right, rect.left + numberWidth);
  rect.bottom = geometry.print.top;
  return rect;
}
