// EditorOperations straight on a DocumentEngine, for code that runs without a
// window: native tests and tools.
#pragma once
#include "editor/editor_operations.h"
#include "engine/document_engine.h"

class EngineEditor : public EditorOperations {
 public:
  explicit EngineEditor(DocumentEngine& engine) : engine_(engine) {}

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

 private:
  DocumentEngine& engine_;
};
