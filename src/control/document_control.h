// The document control: our own ANSI window class around the document engine.
// It answers the rich-edit messages the program uses with byte semantics and
// draws its bytes through the code page it is told, whatever the system's.
#pragma once
#include <windows.h>
#include <richedit.h>

// The class name the control is registered under (once per process).
extern const char documentControlClassName[];

// Registers the class; true when it is registered (also when it already was).
bool RegisterDocumentControlClass(HINSTANCE instance);

// Sets the code page the bytes are shown in: wParam is a CodePage (0 Ansi =
// Windows-1251, 1 Oem = DOS-866, 2 Koi8 = KOI8-R, 5 Utf8 = UTF-8); the bytes
// do not change. Returns the previous code page (the current one, refusing,
// for any other value). EM_GETVIEWCODEPAGE returns the current one.
//
// In the UTF-8 view a valid sequence is one character and any other byte one
// of its own; the user's keys and mouse move the caret and the selection by
// characters, and an edit or a change of view that leaves an end inside a
// character takes it back to the character's start. EM_SETSEL and EM_EXSETSEL
// select exactly the bytes asked for (the program's own selections: an undo
// that puts bytes back, a hex match); EM_FORMATRANGE starts a page at a
// character. Every other message counts and takes bytes.
constexpr UINT EM_SETVIEWCODEPAGE = WM_USER + 0x300;
constexpr UINT EM_GETVIEWCODEPAGE = WM_USER + 0x301;

// EM_FINDTEXT from the other end: wParam and lParam as there (a FINDTEXTA),
// the answer the occurrence with the greatest start inside chrg, or -1. Both
// take FindBytes (engine/engine_types.h) in wParam besides FR_WHOLEWORD and
// FR_MATCHCASE: in the UTF-8 view the pattern is then bytes, found anywhere.
constexpr UINT EM_FINDTEXTBACKWARD = WM_USER + 0x302;

// How many characters of the view start in [wParam, lParam) (both byte
// positions, clamped to the text; -1 as lParam is its end): bytes, or in the
// UTF-8 view sequences, a byte that starts none counted as one. Nothing is copied.
constexpr UINT EM_COUNTCHARACTERS = WM_USER + 0x307;

// The DPI the control is shown at (wParam, 0 for the system's): the text's
// font (its points become pixels at it), the caret and the margins follow;
// the text, caret position, selection and first line stay. Returns the
// previous DPI. At creation a control takes the system's DPI of its window.
constexpr UINT EM_SETDPI = WM_USER + 0x308;

// Paints many ranges in one colour at once (HTML tags), with one repaint:
// lParam points to a COLOURRANGES whose ranges are sorted, disjoint, non-empty
// and inside the text. Returns FALSE, painting nothing, when they are not.
constexpr UINT EM_PAINTRANGES = WM_USER + 0x303;
struct COLOURRANGES {
  COLORREF colour;
  LONG count;
  const CHARRANGE* ranges;
};

// Puts the TextStorage (engine/text_storage.h) that lParam points to in place
// of the whole text and hands the old text back in it: the blocks change
// hands, no byte is copied. Otherwise as WM_SETTEXT: the caret goes to 0 and
// the control's own undo step is dropped. Returns 1; 0 when the text limit
// refuses it and ExchangeOutOfMemory without the memory for the new lines;
// either way nothing changed.
constexpr UINT EM_EXCHANGETEXT = WM_USER + 0x304;
constexpr LRESULT ExchangeOutOfMemory = -2;

// EM_REPLACESEL for bytes: the wParam bytes at lParam, zero bytes included,
// replace the selection as one undoable step, without the copy a stream
// makes. Returns 1; 0 when the text limit refuses them and
// ExchangeOutOfMemory without the memory; either way nothing changed.
constexpr UINT EM_REPLACEBYTES = WM_USER + 0x306;

// Replaces every occurrence of `pattern` at or after `from`, each found after
// the end of the one before (EM_FINDTEXT's options in wParam), by
// `replacement`, building the new text in one pass beside the old one; the old
// text comes back in `replaced`, as EM_EXCHANGETEXT hands it. The caret ends
// after the last replacement. Returns the count (0: none, nothing changed);
// -1 when one pass could differ from replacing match by match (the UTF-8 view,
// some whole-word patterns, the text limit), and ExchangeOutOfMemory; then
// nothing changed.
constexpr UINT EM_REPLACEALL = WM_USER + 0x305;
class TextStorage;
struct REPLACEALL {
  LONG from;
  const char* pattern;      // zero-terminated, as in FINDTEXTA
  const char* replacement;  // `replacementLength` bytes
  LONG replacementLength;
  TextStorage* replaced;
};

// Sent to the parent as WM_NOTIFY just before every change of the text,
// whatever made it: the bytes of `replaced` are about to give way to
// `inserted` new ones and can still be read. The parent must not change the
// text while it handles it.
constexpr UINT EN_TEXTCHANGING = 0x07F0;
struct TEXTCHANGING {
  NMHDR header;
  CHARRANGE replaced;
  LONG inserted;
};
