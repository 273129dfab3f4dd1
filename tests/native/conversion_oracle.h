// The conversion tables rebuilt from iconv's published mappings plus the
// substitutes this program chooses for characters a target code page lacks.
#pragma once

// What table `table` (0..8) makes of the byte b >= 0x80, or -1 if the oracle has no answer.
int OracleTableEntry(int table, unsigned char b);

// What the passes of RecodeBytes make of one byte, using the oracle's tables.
unsigned char OracleRoute(int fromTable, int toTable, unsigned char b);
