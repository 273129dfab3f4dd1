// Stand-in until the RTF reader is merged: keeps the text outside control
// words, \par as CR LF and \'hh as its byte; groups and destinations are not
// told apart.
#include "editor/engine/rtf_reader.h"

#include <cctype>
#include <string>

std::string RtfToText(std::string_view rtf, CodePage) {
  std::string text;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    char c = rtf[i];
    if (c == '{' || c == '}' || c == '\r' || c == '\n') continue;
    if (c != '\\') {
      text += c;
      continue;
    }
    if (i + 1 >= rtf.size()) break;
    char next = rtf[i + 1];
    if (next == '\'' && i + 3 < rtf.size()) {
      auto hex = [](char h) { return std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : (std::tolower(static_cast<unsigned char>(h)) - 'a' + 10) & 15; };
      text += static_cast<char>(hex(rtf[i + 2]) * 16 + hex(rtf[i + 3]));
      i += 3;
      continue;
    }
    if (!std::isalpha(static_cast<unsigned char>(next))) {
      text += next;
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
    if (rtf.substr(i + 1, end - i - 1) == "par") text += "\r\n";
    while (end < rtf.size() && (rtf[end] == '-' || std::isdigit(static_cast<unsigned char>(rtf[end])))) ++end;
    if (end < rtf.size() && rtf[end] == ' ') ++end;
    i = end - 1;
  }
  return text;
}
