// Repair of line breaks written as a lone carriage return.
#pragma once
#include <string>
#include <string_view>

// `text` with a line feed added after every carriage return that lacks one. Lone line feeds
// stay as they are.
std::string RepairLineBreaks(std::string_view text);
