// CHARFORMATA and CHARFORMATW to and from the engine's CharFormat, field by
// field. The two records agree up to the face; a record is the wide one when
// its cbSize is that of CHARFORMATW or CHARFORMAT2W, so a face the system code
// page cannot name still reaches the control whole.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <string>

#include "engine/char_format.h"

bool IsWideCharFormat(UINT cbSize);

// The engine format and mask a character format record asks for. False when
// the record is too small to be one.
bool FormatFromCharFormat(const CHARFORMATA& record, CharFormat& format, std::uint32_t& mask);

// Fills the fields of `record` after cbSize with `format`; `uniform` is the mask
// of the fields that hold for the whole range asked about.
void CharFormatFromFormat(const CharFormat& format, std::uint32_t uniform, CHARFORMATA& record);

// The engine's face as Windows takes it, and back.
std::wstring WideFace(const std::u16string& face);
std::u16string EngineFace(const wchar_t* face);
