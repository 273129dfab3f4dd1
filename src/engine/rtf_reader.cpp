#include "engine/rtf_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "engine/rtf_code_pages.h"
#include "engine/rtf_keywords.h"
#include "engine/target_text.h"

namespace {

// Groups nested deeper than this share the state of the deepest saved one: no word processor
// nests nearly so deep, and the saved states stay a few kilobytes whatever the input.
constexpr std::size_t maxSavedGroups = 4096;
// Numeric parameters saturate here; RTF's own are 16 or 32 bits.
constexpr long long parameterLimit = 1'000'000'000;
constexpr std::size_t nowhere = static_cast<std::size_t>(-1);

bool IsLetter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

int HexValue(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  c |= 0x20;
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

enum class Destination : std::uint8_t { Text, FontTable };

// What a group saves and its closing brace restores.
struct Group {
  Destination destination = Destination::Text;
  int fallbackLength = 1;  // \uc
  int font = -1;           // -1: the document's default font
};

struct ControlWord {
  std::string_view name;
  bool hasParameter = false;
  int parameter = 0;
};

// A font's \fcharset and \cpg, -1 where the font table gives none.
struct FontCode {
  int charset = -1;
  int codePage = -1;
};

class RtfReader {
 public:
  RtfReader(std::string_view rtf, CodePage target) : in_(rtf), text_(target, rtf.size()) {
    groups_.reserve(64);
    groups_.emplace_back();  // outside every group: what a surplus '}' falls back to
  }

  std::string Read() {
    while (pos_ < in_.size()) {
      unsigned char c = in_[pos_++];
      switch (c) {
        case '{': OpenGroup(); break;
        case '}': CloseGroup(); break;
        case '\\': ControlSequence(); break;
        case '\r': case '\n': break;  // line ends of the RTF source, not of the text
        default: TextByte(c);
      }
    }
    return text_.Take();
  }

 private:
  Group& Current() { return groups_.back(); }
  bool InText() const { return groups_.back().destination == Destination::Text; }
  // Past the document's own group: a destination there is malformed and skipping it would drop
  // the whole document.
  bool InsideDocument() const { return groups_.size() + unsavedDepth_ > 2; }

  void OpenGroup() {
    fallbackLeft_ = 0;
    if (groups_.size() < maxSavedGroups) {
      groups_.push_back(groups_.back());
    } else {
      ++unsavedDepth_;
    }
  }

  void CloseGroup() {
    fallbackLeft_ = 0;
    if (unsavedDepth_ > 0) {
      --unsavedDepth_;
    } else if (groups_.size() > 1) {
      groups_.pop_back();
    }
  }

  // Counts a character against the \uN fallback still to drop; true when it is dropped.
  bool InFallback() {
    if (fallbackLeft_ == 0) return false;
    --fallbackLeft_;
    return true;
  }

  void TextByte(unsigned char c) {
    if (InFallback()) return;
    EmitByte(c);
  }

  void ControlSequence() {
    if (pos_ >= in_.size()) return;
    unsigned char c = in_[pos_];
    if (!IsLetter(c)) {
      ++pos_;
      ControlSymbol(c);
      return;
    }
    ControlWord word = ReadControlWord();
    if (InFallback()) {
      if (word.name == "bin") SkipBytes(word.parameter);
      return;
    }
    Execute(word);
  }

  // At the first letter of a control word; ends past its delimiting blank.
  ControlWord ReadControlWord() {
    ControlWord word;
    std::size_t start = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
    word.name = in_.substr(start, pos_ - start);
    bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1]);
    if (negative) ++pos_;
    if (pos_ < in_.size() && IsDigit(in_[pos_])) {
      long long value = 0;
      while (pos_ < in_.size() && IsDigit(in_[pos_])) {
        value = std::min(value * 10 + (in_[pos_++] - '0'), parameterLimit);
      }
      word.hasParameter = true;
      word.parameter = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    return word;
  }

  void ControlSymbol(unsigned char symbol) {
    if (symbol == '\'') {
      int byte = ReadHexByte();
      if (InFallback()) return;
      if (byte < 0) {
        Emit('?');  // a damaged escape: mark the spot rather than lose it silently
      } else {
        EmitByte(static_cast<unsigned char>(byte));
      }
      return;
    }
    if (InFallback()) return;
    switch (symbol) {
      case '\\': case '{': case '}': Emit(symbol); break;
      case '~': Emit(0x00A0); break;   // no-break space
      case '_': Emit(0x2011); break;   // non-breaking hyphen
      case '\t': Emit('\t'); break;
      case '\r': case '\n': EmitBreak(); break;  // a backslash ending a source line is \par
      case '*':
        if (InsideDocument()) SkipGroupRest();
        break;
      default: break;  // \- optional hyphen, \: \| and unknown symbols show nothing
    }
  }

  // Two hex digits after \'; -1 when they are not there (what digits there are are consumed).
  int ReadHexByte() {
    int value = 0;
    for (int digits = 0; digits < 2; ++digits) {
      int digit = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
      if (digit < 0) return -1;
      value = value * 16 + digit;
      ++pos_;
    }
    return value;
  }

  void Execute(const ControlWord& word) {
    const RtfKeyword* keyword = FindRtfKeyword(word.name);
    if (keyword == nullptr) return;
    switch (keyword->action) {
      case RtfAction::SkipDestination:
        if (InsideDocument()) SkipGroupRest();
        break;
      case RtfAction::FontTable:
        if (InsideDocument()) Current().destination = Destination::FontTable;
        break;
      case RtfAction::Character: Emit(keyword->value); break;
      case RtfAction::Break: EmitBreak(); break;
      case RtfAction::Tab: Emit('\t'); break;
      case RtfAction::Cell: EndCell(); break;
      case RtfAction::Row: EndRow(); break;
      case RtfAction::Unicode:
        if (word.hasParameter) UnicodeCharacter(word.parameter);
        break;
      case RtfAction::UnicodeSkip:
        if (word.hasParameter) Current().fallbackLength = std::max(word.parameter, 0);
        break;
      case RtfAction::AnsiCodePage:
        if (!word.hasParameter) break;
        SetDocumentSource(SourceFromCodePage(word.parameter));
        codePageGiven_ = true;
        break;
      case RtfAction::Charset:  // \ansicpg is the more precise, wherever it stands
        if (!codePageGiven_) SetDocumentSource(SourceFromCodePage(static_cast<int>(keyword->value)));
        break;
      case RtfAction::Font: SelectFont(word); break;
      case RtfAction::FontCharset: DefineFont(word, &FontCode::charset); break;
      case RtfAction::FontCodePage: DefineFont(word, &FontCode::codePage); break;
      case RtfAction::DefaultFont:
        if (word.hasParameter) defaultFont_ = word.parameter;
        break;
      case RtfAction::Plain: Current().font = -1; break;
      case RtfAction::Binary: SkipBytes(word.parameter); break;
    }
  }

  void UnicodeCharacter(int parameter) {
    fallbackLeft_ = Current().fallbackLength;
    if (!InText()) return;
    long long value = parameter < 0 ? parameter + 65536LL : parameter;
    if (value >= 0xD800 && value <= 0xDBFF) {
      // The view code pages stop at U+FFFF (UTF-8's view too): a surrogate pair shows as one '?'.
      text_.Append('?');
      highSurrogateEnd_ = text_.Size();
    } else if (value >= 0xDC00 && value <= 0xDFFF) {
      if (text_.Size() != highSurrogateEnd_) text_.Append('?');
      highSurrogateEnd_ = nowhere;
    } else if (value < 0 || value > 0x10FFFF) {
      text_.Append('?');
    } else {
      text_.Append(static_cast<char32_t>(value));
    }
  }

  void EndCell() {
    if (!InText()) return;
    text_.Append('\t');
    cellTabEnd_ = text_.Size();
  }

  void EndRow() {
    if (!InText()) return;
    if (text_.Size() == cellTabEnd_) text_.DropLast();  // no TAB after the last cell
    cellTabEnd_ = nowhere;
    text_.AppendBreak();
  }

  void SelectFont(const ControlWord& word) {
    if (!word.hasParameter) return;
    if (InText()) {
      Current().font = word.parameter;
    } else {
      fontEntry_ = word.parameter;
    }
  }

  void DefineFont(const ControlWord& word, int FontCode::*field) {
    if (InText() || !word.hasParameter) return;
    fonts_[fontEntry_].*field = word.parameter;
    sourceKnown_ = false;
  }

  void SetDocumentSource(RtfSource source) {
    document_ = source;
    sourceKnown_ = false;
  }

  // The code page of \'hh and raw 8-bit bytes here: the current font's, else the document's.
  RtfSource Source() {
    int font = Current().font < 0 ? defaultFont_ : Current().font;
    if (!sourceKnown_ || font != sourceFont_) {
      sourceFont_ = font;
      sourceKnown_ = true;
      source_ = FontSource(font);
    }
    return source_;
  }

  RtfSource FontSource(int font) const {
    auto it = fonts_.find(font);
    if (it == fonts_.end()) return document_;
    if (it->second.codePage >= 0) {
      RtfSource source = SourceFromCodePage(it->second.codePage);
      if (source != RtfSource::Unknown) return source;
    }
    return it->second.charset >= 0 ? SourceFromCharset(it->second.charset, document_) : document_;
  }

  void Emit(char32_t character) {
    if (InText()) text_.Append(character);
  }

  void EmitByte(unsigned char byte) {
    if (InText()) text_.Append(byte < 0x80 ? byte : DecodeRtfByte(Source(), byte));
  }

  void EmitBreak() {
    if (InText()) text_.AppendBreak();
  }

  void SkipBytes(int count) {
    if (count > 0) pos_ += std::min(static_cast<std::size_t>(count), in_.size() - pos_);
  }

  // Skips to the end of the current group, honouring escaped braces and \bin data, and closes it.
  void SkipGroupRest() {
    std::size_t depth = 1;
    while (pos_ < in_.size()) {
      unsigned char c = in_[pos_++];
      if (c == '\\') {
        if (pos_ >= in_.size()) break;
        if (!IsLetter(in_[pos_])) {
          ++pos_;  // a control symbol: \{ and \} are no braces
          continue;
        }
        ControlWord word = ReadControlWord();
        if (word.name == "bin") SkipBytes(word.parameter);
      } else if (c == '{') {
        ++depth;
      } else if (c == '}' && --depth == 0) {
        break;
      }
    }
    CloseGroup();
  }

  std::string_view in_;
  std::size_t pos_ = 0;
  TargetText text_;
  std::vector<Group> groups_;
  std::size_t unsavedDepth_ = 0;
  int fallbackLeft_ = 0;  // characters of a \uN fallback still to drop
  std::size_t highSurrogateEnd_ = nowhere;
  std::size_t cellTabEnd_ = nowhere;

  RtfSource document_ = RtfSource::Cp1252;  // \ansi unless the document says otherwise
  bool codePageGiven_ = false;
  int defaultFont_ = -1;
  int fontEntry_ = -1;  // the font the font table is describing
  std::map<int, FontCode> fonts_;  // ordered: no hash collisions to exploit
  bool sourceKnown_ = false;
  int sourceFont_ = -1;
  RtfSource source_ = RtfSource::Cp1252;
};

bool IsRtf(std::string_view text) {
  constexpr std::string_view signature = "{\\rtf";
  return text.substr(0, signature.size()) == signature &&
         (text.size() == signature.size() || !IsLetter(text[signature.size()]));
}

}  // namespace

std::string RtfToText(std::string_view rtf, CodePage target) {
  std::size_t start = rtf.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos || !IsRtf(rtf.substr(start))) return std::string(rtf);
  return RtfReader(rtf.substr(start), target).Read();
}
