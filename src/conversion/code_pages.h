// The five Cyrillic code pages and the tables that convert between them.
#pragma once

// Numbered as in the settings and list positions; only the first three can be a view code page.
enum CodePage : unsigned char { Ansi = 0, Oem = 1, Koi8 = 2, Iso = 3, Mac = 4 };
