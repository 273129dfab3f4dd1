// align MODE [--width N] [--first N] [--left N] [--join]: the editor's paragraph
// alignment with the settings given as options (defaults: 80, 0, 0, lines kept).
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli_streams.h"
#include "codepages/alignment.h"
#include "commands.h"

namespace {

struct ModeName {
  const char* name;
  Alignment alignment;
};

const ModeName modes[] = {
    {"justify", AlignJustify}, {"centre", AlignCentre}, {"left", AlignLeft}, {"right", AlignRight}};

bool ParseMode(const char* argument, Alignment& alignment) {
  for (const ModeName& mode : modes) {
    if (std::strcmp(argument, mode.name) == 0) {
      alignment = mode.alignment;
      return true;
    }
  }
  return false;
}

// A column count 0..maxAlignmentWidth written in decimal digits only.
bool ParseColumns(const char* argument, int32_t& columns) {
  if (argument == nullptr || *argument < '0' || *argument > '9') return false;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(argument, &end, 10);
  if (errno != 0 || *end != '\0' || value > maxAlignmentWidth) return false;
  columns = static_cast<int32_t>(value);
  return true;
}

bool ParseOptions(int argc, char** argv, AlignmentSettings& settings) {
  for (int i = 0; i < argc; ++i) {
    const char* option = argv[i];
    if (std::strcmp(option, "--join") == 0) {
      settings.joinLines = true;
      continue;
    }
    int32_t* target = std::strcmp(option, "--width") == 0   ? &settings.width
                      : std::strcmp(option, "--first") == 0 ? &settings.firstIndent
                      : std::strcmp(option, "--left") == 0  ? &settings.leftIndent
                                                            : nullptr;
    if (target == nullptr || i + 1 >= argc || !ParseColumns(argv[++i], *target)) return false;
  }
  return true;
}

}  // namespace

int RunAlign(int argc, char** argv) {
  Alignment alignment;
  AlignmentSettings settings;
  if (argc < 1 || !ParseMode(argv[0], alignment) || !ParseOptions(argc - 1, argv + 1, settings)) return exitUsage;
  std::string text;
  if (!ReadStandardInput(text)) return exitFailure;
  if (!AlignTextInPieces(text, alignment, settings, WritePiece)) return exitFailure;
  return FlushStandardOutput();
}
