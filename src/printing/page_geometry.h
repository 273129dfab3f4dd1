// Page and print rectangles in twips, from a printer's physical page and the
// margins of the page-setup dialog. Portable: the caller reads the device.
#pragma once
#include <cstdint>

struct TwipRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const TwipRect&) const = default;
};

// Margins count 2500 units to the inch, so the default 2500 is exactly 1440 twips.
inline constexpr std::int32_t MarginUnitsPerInch = 2500;
inline constexpr std::int32_t TwipsPerInch = 1440;

struct PageGeometry {
  TwipRect page;   // the whole physical page, unprintable edges included
  TwipRect print;  // the page less the margins that leave an inch of text
  bool verticalMargins = false;  // top and bottom applied: room for page numbers
};

// a * b / c rounded to the nearest, as MulDiv; 0 when c is 0.
std::int32_t ScaleRounded(std::int32_t a, std::int32_t b, std::int32_t c);

// A margin is applied in a direction only while at least one inch of text
// remains between the two margins of that direction.
PageGeometry ComputePageGeometry(std::int32_t physicalWidth, std::int32_t physicalHeight, std::int32_t dotsPerInchX,
                                 std::int32_t dotsPerInchY, const TwipRect& margins);

// Where the page number goes: centred on the page width and in the top margin,
// given the size the number takes; its bottom and right are those of the top
// margin's band, as the number control lays out from its top-left corner.
TwipRect PageNumberRect(const PageGeometry& geometry, std::int32_t numberWidth, std::int32_t numberHeight);
