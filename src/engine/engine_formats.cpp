// DocumentEngine: character formats.
#include <algorithm>
#include <new>

#include "engine/document_engine.h"
#include "engine/engine_state.h"

CharFormat DocumentEngine::GetDefaultFormat() const { return state_->defaultFormat; }

void DocumentEngine::SetDefaultFormat(const CharFormat& format, std::uint32_t mask) {
  MergeFormat(state_->defaultFormat, format, mask);
  // An empty control types in its default format.
  if (state_->Length() == 0) MergeFormat(state_->textFormat, format, mask);
}

CharFormat DocumentEngine::GetTextFormat() const { return state_->textFormat; }

void DocumentEngine::SetTextFormat(const CharFormat& format, std::uint32_t mask) {
  EngineState& s = *state_;
  MergeFormat(s.textFormat, format, mask);
  if (mask & FormatColour) s.colours.Reset(s.Length());
}

void DocumentEngine::SetRangeFormat(PositionRange range, const CharFormat& format, std::uint32_t mask) {
  EngineState& s = *state_;
  PositionRange r = s.Resolve(range);
  if (r.start == 0 && r.end == s.Length()) {
    SetTextFormat(format, mask);
    return;
  }
  MergeFormat(s.textFormat, format, mask & ~std::uint32_t{FormatColour});
  if ((mask & FormatColour) && r.start < r.end) {
    try {
      s.colours.Paint(r.start, r.end, format.colour, s.textFormat.colour, s.Length());
    } catch (const std::bad_alloc&) {
      s.colours.Reset(s.Length());  // half a painting would be worse than none
      throw;
    }
  }
}

bool DocumentEngine::PaintRanges(const PositionRange* ranges, std::size_t count, Colour colour) {
  EngineState& s = *state_;
  Position previousEnd = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const PositionRange& r = ranges[i];
    if (r.start < previousEnd || r.end <= r.start || r.end > s.Length()) return false;
    previousEnd = r.end;
  }
  s.colours.PaintSorted(ranges, count, colour, s.textFormat.colour, s.Length());
  return true;
}

FormatQuery DocumentEngine::GetRangeFormat(PositionRange range) const {
  const EngineState& s = *state_;
  PositionRange r = s.Resolve(range);
  FormatQuery query{s.textFormat, FormatEvery};
  if (s.Length() == 0) return query;
  Position first = r.start < r.end ? r.start : std::clamp(r.start - 1, Position{0}, s.Length() - 1);
  query.format.colour = s.colours.ColourOf(first, s.textFormat.colour);
  if (!s.colours.Uniform(r.start, r.end)) query.uniform &= ~std::uint32_t{FormatColour};
  return query;
}

DocumentEngine::ColourRun DocumentEngine::GetColourRun(Position position) const {
  const EngineState& s = *state_;
  if (s.Length() == 0) return {0, 0, s.textFormat.colour};
  ColourRuns::Run run = s.colours.RunAt(std::clamp(position, Position{0}, s.Length() - 1), s.textFormat.colour, s.Length());
  return {run.start, run.end, run.colour};
}
