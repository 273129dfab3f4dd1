// What the zorn2-text commands share: exit codes, code-page arguments and the
// standard streams, read and written as bytes.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "codepages/code_pages.h"

constexpr int exitUsage = 2;
constexpr int exitFailure = 1;

// The CodePage an argument (ansi oem koi8 iso mac utf8) names, or -1.
int ParseCodePage(const char* argument);

// The argument that names `codePage`: ansi, ..., utf8.
const char* CodePageArgument(CodePage codePage);

// The name of a code page in messages: Windows-1251, ..., UTF-8.
const char* CodePageMessageName(CodePage codePage);

// Reads standard input to its end into `text`; false (after a message) on a read error.
bool ReadStandardInput(std::string& text);

// Up to `limit` bytes from the start of standard input; false (after a message) on a read error.
bool ReadStandardInputStart(std::string& text, std::size_t limit);

// Writes `bytes`; false after a message when that fails.
bool WritePiece(std::string_view bytes);

// Flushes standard output; the exit code: 0, or exitFailure after a message.
int FlushStandardOutput();

// Writes `bytes` and flushes; the exit code.
int WriteStandardOutput(std::string_view bytes);

// Streams standard input to standard output in large chunks. `transform(chunk, length)` may
// rewrite the chunk in place and returns the bytes to write for it; chunk edges must not
// matter to it (it carries what straddles one). `finish`, when given, returns the bytes to
// write after the last chunk. Returns the exit code.
int TransformStream(const std::function<std::string_view(unsigned char* chunk, std::size_t length)>& transform,
                    const std::function<std::string_view()>& finish = {});
