// CHARFORMATA to and from the engine's CharFormat, field by field.
#pragma once
#include <windows.h>
#include <richedit.h>

#include "engine/char_format.h"

// The engine format and mask a CHARFORMATA asks for. False when the record is
// too small to be one.
bool FormatFromCharFormat(const CHARFORMATA& record, CharFormat& format, std::uint32_t& mask);

// Fills the fields of `record` after cbSize with `format`; `uniform` is the mask
// of the fields that hold for the whole range asked about.
void CharFormatFromFormat(const CharFormat& format, std::uint32_t uniform, CHARFORMATA& record);
