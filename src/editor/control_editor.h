// The editor operations of the program's document control, by messages to
// `editorWindow`. The window is looked up on every call: word wrap re-creates
// it, and what holds a ControlEditor (the undo journal) outlives it.
#pragma once
#include "editor/editor_operations.h"

class ControlEditor : public EditorOperations {
 public:
  Position GetTextLength() const override;
  PositionRange GetSelection() const override;
  void SetSelection(PositionRange range) override;
  std::string GetTextRange(PositionRange range) const override;
  std::string GetSelectedText() const override;
  bool ReplaceSelection(std::string_view bytes) override;
  void ClearSelection() override;
  Position FindWordBreak(WordMove move, Position position) const override;
  Position FindInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const override;
  Position FindLastInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const override;
  std::string GetWholeText() const override;
  bool ReplaceWholeText(std::string_view bytes) override;
  bool ExchangeWholeText(TextStorage& text) override;
  Position ReplaceAll(Position from, std::string_view pattern, std::uint32_t options, std::string_view replacement,
                      TextStorage& replaced) override;
};
