// The box that tells how many characters a conversion could not keep.
#pragma once
#include <cstddef>

#include "codepages/code_pages.h"

// Shown once the text is written: `count` characters that `page` lacks became
// look-alikes or '?'. Nothing when there were none.
void ReportReplacedCharacters(std::size_t count, CodePage page);

// The same for a recoding into UTF-8: `count` bytes that mean no character in
// `page` became U+FFFD.
void ReportUndefinedBytes(std::size_t count, CodePage page);
