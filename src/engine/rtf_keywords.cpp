#include "engine/rtf_keywords.h"

#include <algorithm>
#include <iterator>

namespace {

using enum RtfAction;

// Sorted by name for the binary search.
constexpr RtfKeyword keywords[] = {
    {"aftncn", SkipDestination, 0},
    {"aftnsep", SkipDestination, 0},
    {"aftnsepc", SkipDestination, 0},
    {"annotation", SkipDestination, 0},
    {"ansi", Charset, 1252},
    {"ansicpg", AnsiCodePage, 0},
    {"atnauthor", SkipDestination, 0},
    {"atnid", SkipDestination, 0},
    {"author", SkipDestination, 0},
    {"bin", Binary, 0},
    {"bullet", Character, 0x2022},
    {"cell", Cell, 0},
    {"colorschememapping", SkipDestination, 0},
    {"colortbl", SkipDestination, 0},
    {"comment", SkipDestination, 0},
    {"cpg", FontCodePage, 0},
    {"datastore", SkipDestination, 0},
    {"deff", DefaultFont, 0},
    {"doccomm", SkipDestination, 0},
    {"emdash", Character, 0x2014},
    {"emspace", Character, 0x2003},
    {"endash", Character, 0x2013},
    {"enspace", Character, 0x2002},
    {"f", Font, 0},
    {"fcharset", FontCharset, 0},
    {"filetbl", SkipDestination, 0},
    {"fldinst", SkipDestination, 0},
    {"fonttbl", FontTable, 0},
    {"footer", SkipDestination, 0},
    {"footerf", SkipDestination, 0},
    {"footerl", SkipDestination, 0},
    {"footerr", SkipDestination, 0},
    {"footnote", SkipDestination, 0},
    {"ftncn", SkipDestination, 0},
    {"ftnsep", SkipDestination, 0},
    {"ftnsepc", SkipDestination, 0},
    {"generator", SkipDestination, 0},
    {"header", SkipDestination, 0},
    {"headerf", SkipDestination, 0},
    {"headerl", SkipDestination, 0},
    {"headerr", SkipDestination, 0},
    {"info", SkipDestination, 0},
    {"keywords", SkipDestination, 0},
    {"latentstyles", SkipDestination, 0},
    {"ldblquote", Character, 0x201C},
    {"line", Break, 0},
    {"listoverridetable", SkipDestination, 0},
    {"listtable", SkipDestination, 0},
    {"lquote", Character, 0x2018},
    {"mac", Charset, 10000},
    {"nestcell", Cell, 0},
    {"nestrow", Row, 0},
    {"nonshppict", SkipDestination, 0},
    {"object", SkipDestination, 0},
    {"operator", SkipDestination, 0},
    {"page", Break, 0},
    {"par", Break, 0},
    {"pc", Charset, 866},  // the IBM PC character set: the DOS code page of a Cyrillic system
    {"pca", Charset, 850},
    {"pict", SkipDestination, 0},
    {"plain", Plain, 0},
    {"pn", SkipDestination, 0},
    {"pntxta", SkipDestination, 0},
    {"pntxtb", SkipDestination, 0},
    {"qmspace", Character, 0x2005},
    {"rdblquote", Character, 0x201D},
    {"revtbl", SkipDestination, 0},
    {"row", Row, 0},
    {"rquote", Character, 0x2019},
    {"rsidtbl", SkipDestination, 0},
    {"sect", Break, 0},
    {"stylesheet", SkipDestination, 0},
    {"subject", SkipDestination, 0},
    {"tab", Tab, 0},
    {"tc", SkipDestination, 0},
    {"template", SkipDestination, 0},
    {"themedata", SkipDestination, 0},
    {"title", SkipDestination, 0},
    {"u", Unicode, 0},
    {"uc", UnicodeSkip, 0},
    {"userprops", SkipDestination, 0},
    {"xe", SkipDestination, 0},
    {"xmlnstbl", SkipDestination, 0},
};

constexpr bool ByName(const RtfKeyword& a, const RtfKeyword& b) { return a.name < b.name; }
static_assert(std::is_sorted(std::begin(keywords), std::end(keywords), ByName));

}  // namespace

const RtfKeyword* FindRtfKeyword(std::string_view name) {
  auto it = std::lower_bound(std::begin(keywords), std::end(keywords), name,
                             [](const RtfKeyword& k, std::string_view n) { return k.name < n; });
  return it != std::end(keywords) && it->name == name ? it : nullptr;
}
