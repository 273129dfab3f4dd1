// What the character table shows: every byte from 32 to 255 in seven rows of
// 32, row r holding the codes 32r to 32r + 31, rows ended by CR LF.
#pragma once
#include <string>

std::string CharacterTableText();  // 236 bytes
