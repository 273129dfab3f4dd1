// The search engine over a bare document engine: steps and runs in both
// directions, the backward answer against the bisection it stands for, hex
// patterns and the history.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/engine_editor.h"
#include "engine/document_engine.h"
#include "search/backward_search.h"
#include "search/hex_pattern.h"
#include "search/search_engine.h"
#include "search/search_history.h"
#include "search/search_texts.h"

namespace {

// The document replaced match by match: its one pass always gives way.
struct StepwiseEditor final : EngineEditor {
  using EngineEditor::EngineEditor;
  Position ReplaceAll(Position, std::string_view, std::uint32_t, std::string_view, TextStorage&) override {
    return DocumentEngine::ReplaceStepwise;
  }
};

// A document with the host's answers queued; every answer and report is counted.
struct Search : SearchHost {
  DocumentEngine engine;
  EngineEditor editor{engine};
  StepwiseEditor stepwise{engine};
  bool onePass = true;
  SearchState state;
  std::vector<int> answers;
  int asked = 0, snapshots = 0, refusals = 0, unasked = 0;

  explicit Search(const std::string& text) { engine.SetTextLimit(MaxTextLength); engine.SetText(text); }
  int ConfirmReplace() override { return ++asked <= static_cast<int>(answers.size()) ? answers[asked - 1] : -1; }
  bool RecordSnapshot() override {
    ++snapshots;
    return true;
  }
  void RunOutOfMemory() override {}
  void ReportRefusedReplace() override { ++refusals; }
  void ReplacingUnasked() override { ++unasked; }
  bool RecordHandOver() override {  // the run's one step, as a snapshot is
    ++snapshots;
    return true;
  }
  void KeepReplacedText(TextStorage&& replaced) override { handedOver = std::move(replaced); }
  void WithdrawHandOver() override { --snapshots; }
  TextStorage handedOver;

  Search& Find(const std::string& pattern, bool backwards = false) {
    SetPattern(state.searchPattern, pattern);
    state.backwards = backwards;
    return *this;
  }
  Search& ReplaceAll(const std::string& pattern, const std::string& replacement, bool backwards = false) {
    Find(pattern, backwards);
    SetPattern(state.replacePattern, replacement);
    state.replaceMode = true;
    state.confirmReplace = false;
    state.replaceAll = true;
    return *this;
  }
  Search& Caret(Position start, Position end = -1) {
    engine.SetSelection(start, end < 0 ? start : end);
    return *this;
  }
  void Start() {
    if (onePass) StartSearch(state, editor, *this);
    else StartSearch(state, stepwise, *this);
  }
  bool Next() { return ContinueSearch(state, editor, *this); }
  PositionRange Selection() const { return engine.GetSelection(); }
};

PositionRange At(Position start, Position length) { return {start, start + length}; }

}  // namespace

// Find, then Find next, from the caret in each direction; the caret moved on wins, moved back does not.
TEST(SearchEngine, FindAndFindNextFollowTheCaretOnlyForwards) {
  Search s("cat cat cat cat");
  s.Find("cat").Caret(4, 7);
  s.Start();
  EXPECT_EQ(s.Selection(), At(4, 3)) << "a selected match is found itself first";
  s.Caret(1);
  EXPECT_TRUE(s.Next());
  EXPECT_EQ(s.Selection(), At(8, 3)) << "a caret moved back is ignored";
  s.Caret(12);
  EXPECT_TRUE(s.Next());
  EXPECT_EQ(s.Selection(), At(12, 3)) << "a caret moved forward past the last match wins";
  EXPECT_FALSE(s.Next());
  EXPECT_EQ(s.Selection(), At(12, 3)) << "nothing found leaves the selection";
  s.Caret(5);
  EXPECT_TRUE(s.Next()) << "after a failure the caret decides";
  EXPECT_EQ(s.Selection(), At(8, 3));

  s.state.wholeText = true;
  s.Caret(14);
  s.Start();
  EXPECT_EQ(s.Selection(), At(0, 3)) << "whole text starts at the beginning";
  s.Caret(13);
  EXPECT_TRUE(s.Next());
  EXPECT_EQ(s.Selection(), At(4, 3)) << "...and ignores the caret";

  s.Find("cat", true).Caret(9);
  s.Start();
  EXPECT_EQ(s.Selection(), At(4, 3)) << "backwards and whole text still start at the selection";
  EXPECT_TRUE(s.Next());
  EXPECT_FALSE(s.Next()) << "a backward search never wraps";
  EXPECT_FALSE(Search("x").Next()) << "no pattern yet: the dialog opens";

  // A pattern overlapping itself: the bisection's answer at the limit is the selected match itself.
  Search overlapping("aaaa");
  overlapping.Find("aa", true).Caret(4);
  overlapping.Start();
  EXPECT_EQ(overlapping.Selection(), At(2, 2));
  EXPECT_TRUE(overlapping.Next());
  EXPECT_EQ(overlapping.Selection(), At(0, 2)) << "find next backwards moves before the selected match";
  EXPECT_FALSE(overlapping.Next());
}

// The fast backward answer against the bisection it stands for: far from the limit, a match ending at
// it, matches that overlap it (the bisection's answer then reaches past the limit), whole words.
TEST(SearchEngine, BackwardScanGivesTheBisectionsAnswers) {
  const struct { const char *text, *pattern; Position limit; std::uint32_t options; Position found; } cases[] = {
      {"aaaa", "aa", 2, 0, 2},     {"aaaa", "aa", 1, 0, -1},   {"abab ab", "ab", 4, 0, 2},
      {"abababa", "aba", 4, 0, 2}, {"aaab", "aab", 3, 0, -1},  {"ab abab", "ab", 5, FindWholeWord, 0},
      {"ab ab ab", "ab", 8, 0, 6}, {"aabaab", "aab", 4, 0, 0}, {"ba", "ab", 2, 0, -1},
  };
  for (const auto& c : cases) {
    const Search s(c.text);
    const EditorOperations& ops = s.editor;
    EXPECT_EQ(BisectBackward(ops, c.limit, c.pattern, c.options), c.found) << c.text << " " << c.limit;
    EXPECT_EQ(FindBackward(ops, c.limit, c.pattern, c.options), c.found) << c.text << " " << c.limit;
  }
}

// A replacement never meets its own output, forwards or backwards; one snapshot per run. One the text
// limit refuses changes nothing, stays selected and ends the run.
TEST(SearchEngine, ReplaceAllNeverReplacesItsOwnOutputAndStopsAtTheTextLimit) {
  const struct { std::string text, pattern, by, after; bool backwards, tight; PositionRange selection; } cases[] = {
      {"aaa", "a", "aa", "aaaaaa", false, false, At(6, 0)},   {"aaa", "a", "aa", "aaaaaa", true, false, At(2, 0)},
      {"aaaa", "aa", "aaa", "aaaaaa", true, false, At(3, 0)}, {"xaax", "aa", "", "xx", false, false, At(1, 0)},
      {"a a a", "a", "bb", "bb a a", false, true, At(3, 1)},  // a text limit of 6
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " " + c.pattern + " -> " + c.by + (c.backwards ? " backwards" : ""));
    Search s(c.text);
    if (c.tight) s.engine.SetTextLimit(6);
    s.ReplaceAll(c.pattern, c.by, c.backwards).Caret(c.backwards ? 4 : 0);
    s.Start();
    EXPECT_EQ(s.engine.GetText(), c.after);
    EXPECT_EQ(s.Selection(), c.selection);
    EXPECT_EQ(std::tuple(s.snapshots, s.unasked, s.refusals, s.state.replaceAll), std::tuple(1, 1, c.tight, !c.tight));
  }
  // Over the whole text too the next search starts after the replacement; a run that did not
  // would grow "aa" to the text limit.
  Search whole("a-a-a");
  whole.engine.SetTextLimit(12);
  whole.ReplaceAll("a", "aa").Caret(5);
  whole.state.wholeText = true;
  whole.Start();
  EXPECT_EQ(std::tuple(whole.engine.GetText(), whole.refusals), std::tuple("aa-aa-aa", 0));
  // Asked to confirm: No keeps a match, All replaces the rest without asking again and turns confirmation off.
  Search s("a a a");
  s.ReplaceAll("a", "b").Caret(0);
  s.state.confirmReplace = true;
  s.answers = {ReplaceNo, ReplaceAll};
  s.Start();
  EXPECT_EQ(std::tuple(s.engine.GetText(), s.state.confirmReplace, s.asked), std::tuple("a b b", false, 2));
}

// In the UTF-8 view a hex pattern is bytes: found at a lead byte, across characters and on an
// invalid byte, never folded (D0 90 is А, not а; 41 is A, not a), in either direction and when
// replacing.
TEST(SearchEngine, HexPatternsInTheUtf8ViewFindTheirBytesExactly) {
  const std::string text = "\xD0\xB0\xD0\x90\xFF\xD0\xAF\xD0\x90" "aA";  // а А FF Я А a A
  const struct { std::string pattern; bool backwards; Position found; } cases[] = {
      {"\xD0", false, 0},        {"\xB0\xD0", false, 1}, {"\xFF", false, 4},
      {"\xD0\x90", false, 2},    {"\xD0\x90", true, 7},  {"\x90\xFF\xD0", false, 3},
      {"A", false, 10},
  };
  for (const auto& c : cases) {
    Search s(text);
    s.engine.SetCodePage(Utf8);
    s.state.hexPattern = true;
    s.Find(c.pattern, c.backwards).Caret(c.backwards ? 11 : 0);
    s.Start();
    EXPECT_EQ(s.Selection(), At(c.found, static_cast<Position>(c.pattern.size()))) << c.found;
  }
  Search s(text);
  s.engine.SetCodePage(Utf8);
  s.state.hexPattern = true;
  s.ReplaceAll("\x90", "\xB0").Caret(0);
  s.Start();
  EXPECT_EQ(s.engine.GetText(), "\xD0\xB0\xD0\xB0\xFF\xD0\xAF\xD0\xB0" "aA");
}

// Replace all in one pass leaves the text, caret and state the run match by match leaves: random
// texts of letters in both cases, blanks and a dot, often the pattern again and again, whole words
// or not, replacements that grow, shrink or empty, from the caret or the whole text, now and then
// under a tight text limit or with a tag painted.
TEST(SearchEngine, ReplaceAllInOnePassLeavesWhatTheRunMatchByMatchLeaves) {
  std::mt19937 random(7);
  auto pick = [&](std::size_t most) { return std::uniform_int_distribution<std::size_t>(0, most)(random); };
  const std::string bytes = "aAb .\xE0\xC0";
  auto text = [&](std::size_t size) {
    std::string made;
    while (made.size() < size) made += bytes[pick(bytes.size() - 1)];
    return made;
  };
  for (int round = 0; round < 4000 && !::testing::Test::HasFailure(); ++round) {
    const std::string pattern = text(1 + pick(2)), by = text(pick(3));
    std::string original;  // matches side by side are where a pass could go wrong
    for (std::size_t pieces = pick(12); pieces > 0; --pieces) original += pick(1) ? pattern : text(1 + pick(2));
    const bool wholeWord = pick(1) != 0, matchCase = pick(1) != 0, wholeText = pick(1) != 0;
    const auto caret = static_cast<Position>(pick(original.size()));
    const auto limit = static_cast<Position>(pick(3) == 0 ? original.size() + pick(6) : MaxTextLength);
    const bool coloured = pick(3) == 0 && !original.empty();  // tags painted, which must move with the edits
    const auto paintFrom = static_cast<Position>(pick(original.size() - 1));
    auto run = [&](bool onePass) {
      Search s(original);
      if (coloured) {
        const PositionRange tag{paintFrom, paintFrom + 1};
        s.engine.PaintRanges(&tag, 1, 0x0000FF);
      }
      s.onePass = onePass;
      s.engine.SetTextLimit(limit);
      s.ReplaceAll(pattern, by).Caret(caret);
      s.state.wholeWord = wholeWord;
      s.state.matchCase = matchCase;
      s.state.wholeText = wholeText;
      s.Start();
      std::vector<Colour> colours;
      for (Position p = 0; p < s.engine.GetLength(); ++p) colours.push_back(s.engine.GetColourRun(p).colour);
      return std::tuple(s.engine.GetText(), s.Selection(), s.state.searchPosition, s.state.replaceAll, s.refusals,
                        s.snapshots, colours);
    };
    EXPECT_EQ(run(true), run(false)) << "\"" << original << "\" \"" << pattern << "\" -> \"" << by << "\" "
                                     << wholeWord << matchCase << wholeText << " caret " << caret << " limit " << limit;
  }
}

TEST(WordAtCaret, TakesThirtyTwoWholeCharactersInEachViewAndGivesThemInUtf8) {
  // "x" then forty "я": the limit falls on characters, never inside a two-byte "я" in UTF-8.
  const std::string ya1251(40, '\xFF');
  std::string yaUtf8;
  for (int k = 0; k < 40; ++k) yaUtf8 += "\xD1\x8F";
  const std::string expected = "x" + yaUtf8.substr(0, 62);
  for (auto [codePage, text] : {std::pair{Ansi, "x" + ya1251}, std::pair{Utf8, "x" + yaUtf8}}) {
    Search search(text + " next");
    search.engine.SetCodePage(codePage);
    search.engine.SetSelection(5, 5);
    EXPECT_EQ(WordAtCaret(search.editor, codePage), expected) << codePage;
    // Typed back, it is the view's bytes again, cut only between characters.
    EXPECT_EQ(TypedTextToView(expected, codePage, 32), text.substr(0, codePage == Utf8 ? 31 : 32)) << codePage;
    EXPECT_EQ(TypedTextToView("\xD1\x8F", codePage, 32), text.substr(1, codePage == Utf8 ? 2 : 1)) << "short: whole";
  }
  Search naive("na\xC3\xAFve");  // the Find dialog shows and finds "naïve" whole in the UTF-8 view
  naive.engine.SetCodePage(Utf8);
  EXPECT_EQ(WordAtCaret(naive.editor, Utf8), "na\xC3\xAFve");
}

TEST(ParseHexPattern, PairsByPositionAndEndsAtZero) {
  EXPECT_EQ(ParseHexPattern("4142"), "AB");
  EXPECT_EQ(ParseHexPattern("41 42"), std::string("\x41\x04\x02"));
  EXPECT_EQ(ParseHexPattern("414"), std::string("\x41\x04"));
  EXPECT_EQ(ParseHexPattern("4100"), "A");
  EXPECT_EQ(ParseHexPattern(std::string(100, 'f')), std::string(32, '\xFF')) << "at most 32 bytes";
}

TEST(SearchHistory, NewestFirstWithoutRepeatsTenAtMost) {
  struct Values : SearchHistoryValues {
    std::map<int, std::string> slots;
    std::string Read(int slot) const override { return slots.count(slot) ? slots.at(slot) : ""; }
    void Write(int slot, const std::string& text) override { slots[slot] = text; }
  } values;
  for (const char* text : {"a", "b", "a", "c"}) RecordSearchHistory(values, text);
  EXPECT_EQ(ReadSearchHistory(values), (std::vector<std::string>{"c", "a", "b"}));
  values.slots[1] = "";
  RecordSearchHistory(values, "d");
  EXPECT_EQ(ReadSearchHistory(values), (std::vector<std::string>{"d", "c", "b"})) << "an empty slot is filled first";
  for (int i = 0; i < 12; ++i) RecordSearchHistory(values, std::to_string(i));
  RecordSearchHistory(values, "x");
  EXPECT_EQ(ReadSearchHistory(values),
            (std::vector<std::string>{"x", "11", "10", "9", "8", "7", "6", "5", "4", "3"}));
}
