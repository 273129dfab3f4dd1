// Helpers shared by the document engine's tests.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "engine/document_engine.h"

// An engine without a practical text limit, holding `text`.
inline DocumentEngine WithText(const std::string& text, CodePage codePage = Ansi) {
  DocumentEngine engine;
  engine.SetTextLimit(MaxTextLength);
  engine.SetCodePage(codePage);
  EXPECT_TRUE(engine.SetText(text));
  return engine;
}


// A format whose only meaning is its colour.
inline CharFormat Coloured(Colour colour) {
  CharFormat format;
  format.colour = colour;
  return format;
}
