#include "base/pictures.h"

#include "base/globals.h"

HIMAGELIST LoadPictures(int size) {
  auto strip = static_cast<HBITMAP>(LoadImageW(appInstance, MAKEINTRESOURCEW(size), IMAGE_BITMAP, 0, 0, 0));
  if (!strip) return nullptr;
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 0, 4);
  // The strips are drawn on the grey the mask takes away.
  if (list && ImageList_AddMasked(list, strip, RGB(192, 192, 192)) < 0) {
    ImageList_Destroy(list);
    list = nullptr;
  }
  DeleteObject(strip);
  return list;
}
