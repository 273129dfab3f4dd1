#include "editor/engine_editor.h"

Position EngineEditor::GetTextLength() const { return engine_.GetLength(); }

PositionRange EngineEditor::GetSelection() const { return engine_.GetSelection(); }

void EngineEditor::SetSelection(PositionRange range) { engine_.SetSelection(range.start, range.end); }

std::string EngineEditor::GetTextRange(PositionRange range) const { return engine_.GetTextRange(range); }

std::string EngineEditor::GetSelectedText() const { return engine_.GetSelectedText(); }

bool EngineEditor::ReplaceSelection(std::string_view bytes) { return engine_.ReplaceSelection(bytes); }

void EngineEditor::ClearSelection() { engine_.ClearSelection(); }

Position EngineEditor::FindWordBreak(WordMove move, Position position) const {
  return engine_.FindWordBreak(move, position);
}

Position EngineEditor::FindInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const {
  return engine_.Find(range, pattern, options);
}

Position EngineEditor::FindLastInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const {
  return engine_.FindLast(range, pattern, options);
}

std::string EngineEditor::GetWholeText() const { return engine_.GetText(); }

bool EngineEditor::ReplaceWholeText(std::string_view bytes) { return engine_.SetText(bytes); }

bool EngineEditor::ExchangeWholeText(TextStorage& text) { return engine_.ExchangeText(text); }

Position EngineEditor::ReplaceAll(Position from, std::string_view pattern, std::uint32_t options,
                                  std::string_view replacement, TextStorage& replaced) {
  return engine_.ReplaceAll(from, pattern, options, replacement, replaced);
}
