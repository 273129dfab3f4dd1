// Sizes at the display's scale: the program is laid out for 96 dots per inch
// and every pixel measure grows with the window's DPI. No windows.h here.
#pragma once

inline constexpr int defaultDpi = 96;

// `pixels` at 96 dpi, at `dpi`, rounded to the nearest pixel.
constexpr int Scaled(int pixels, int dpi) { return (pixels * dpi + defaultDpi / 2) / defaultDpi; }

// The picture sizes drawn for the toolbar and the menus, smallest first.
inline constexpr int pictureSizes[] = {16, 24, 32, 48};

// The largest drawn size not above `pixels` at `dpi` (16 for small buttons and
// menus, 24 for big buttons): a picture is never stretched, only chosen.
constexpr int PictureSize(int pixels, int dpi) {
  int chosen = pictureSizes[0];
  for (int size : pictureSizes) {
    if (size * defaultDpi <= pixels * dpi) chosen = size;
  }
  return chosen;
}
