#include "control/control_geometry.h"

#include <algorithm>

RECT TextArea(const DocumentControl& control) {
  RECT area{};
  GetClientRect(control.window, &area);
  area.left = std::min<LONG>(area.right, area.left + TextLeft(control));
  area.top = std::min<LONG>(area.bottom, area.top + AtDpi(control, TextInsetY));
  return area;
}

int TextLeft(const DocumentControl& control) { return AtDpi(control, (control.selectionBar ? SelectionBarWidth : 0) + TextInsetX); }

int VisibleRows(const DocumentControl& control) {
  RECT area = TextArea(control);
  return std::max<int>(1, (area.bottom - area.top) / control.font.lineHeight);
}

int PartlyVisibleRows(const DocumentControl& control) {
  RECT area = TextArea(control);
  int height = area.bottom - area.top;
  return std::max<int>(1, (height + control.font.lineHeight - 1) / control.font.lineHeight);
}

int WrapWidth(const DocumentControl& control) {
  if (!control.wrap) return 0;
  RECT area = TextArea(control);
  // A row must hold something even in a window narrower than one character.
  return std::max<int>(1, area.right - area.left - AtDpi(control, TextInsetX));
}

RowLayout DocumentControl::Layout() const { return RowLayout(engine, font.metrics, WrapWidth(*this), &xCache); }

Row RowOfPoint(const DocumentControl& control, int y) {
  RECT area = TextArea(control);
  int offset = y - area.top;
  int index = offset >= 0 ? offset / control.font.lineHeight : -((-offset + control.font.lineHeight - 1) / control.font.lineHeight);
  Row row = control.top;
  control.Layout().MoveRows(row, index);
  return row;
}

Position PositionOfPoint(const DocumentControl& control, POINT point) {
  Row row = RowOfPoint(control, point.y);
  std::int64_t x = static_cast<std::int64_t>(point.x) - TextLeft(control) + control.xOffset;
  return control.Layout().PositionAtX(row, x);
}

bool PointOfPosition(const DocumentControl& control, Position position, POINT& point) {
  RowLayout layout = control.Layout();
  Row target = layout.RowAt(position);
  if (target.start < control.top.start) return false;
  Row row = control.top;
  int rows = PartlyVisibleRows(control);
  int index = 0;
  while (row.start < target.start && index < rows && layout.NextRow(row, row)) ++index;
  if (row.start != target.start || index >= rows) return false;
  RECT area = TextArea(control);
  std::int64_t x = TextLeft(control) + layout.XOf(target, position) - control.xOffset;
  point.x = static_cast<LONG>(std::clamp<std::int64_t>(x, -30000, 30000));
  point.y = area.top + index * control.font.lineHeight;
  return true;
}
