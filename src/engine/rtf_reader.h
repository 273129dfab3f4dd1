// Turns an RTF document into plain text in one of the view code pages.
#pragma once
#include <string>
#include <string_view>

#include "codepages/code_pages.h"

// Plain text of an RTF document, in the bytes of `target` (Ansi = Windows-1251, Oem = DOS-866,
// Koi8 = KOI8-R, Utf8 = UTF-8).
//
// Paragraph, line, page and section ends become CR LF, \tab TAB, table cells are separated by TAB
// and rows end with CR LF. Destinations that carry no text (font, colour and style tables, document
// information, pictures, objects, headers, footers, footnotes, field instructions, every \*
// destination) are left out with their whole group. A character comes from \uN where one is given
// (its fallback skipped as \ucN says), else from \'hh or a raw 8-bit byte in the code page of the
// current font's \fcharset or \cpg, or else of \ansicpg or the character set word (\ansi, the
// default, is Windows-1252; \pc is read as DOS-866, the PC code page of Cyrillic systems).
// A character `target` lacks is written in its nearest plain form (dashes as '-', quotation marks
// as '"', the ellipsis as "...") or else as '?'; the optional hyphen \- is left out.
//
// Input that does not start with "{\rtf" (after blanks) is not RTF: it comes back unchanged, as the
// plain text it is, so a file opened as RTF by mistake loses nothing.
//
// Malformed RTF is read as far as it makes sense: groups left open end with the input, a '}' with
// no group to close is ignored (so text after a premature end of the document is kept), an
// incomplete \'h gives '?', numbers saturate, \bin stops at the end of the input. Time is linear in
// the input, the result at most three times its size, and nesting depth costs no stack.
std::string RtfToText(std::string_view rtf, CodePage target);
