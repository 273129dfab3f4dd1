// RTF to plain text in a code page.
#pragma once
#include <string>
#include <string_view>

#include "conversion/code_pages.h"

std::string RtfToText(std::string_view rtf, CodePage target);
