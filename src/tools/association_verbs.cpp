#include "tools/association_verbs.h"

namespace {

struct VerbRecord {
  const char* keySuffix;
  const char* valueSuffix;
  bool commandLine;  // the shell runs the value: the path is quoted
};

// By AssociationVerb.
constexpr VerbRecord verbs[] = {
    {"\\shell\\edit\\command", " %1", true},
    {"\\shell\\open\\command", " %1", true},
    {"\\DefaultIcon", ",1", false},  // the program's second icon, resource 2
    {"\\shell\\print\\command", " /p %1", true},
};

const VerbRecord& RecordOf(AssociationVerb verb) { return verbs[static_cast<int>(verb)]; }

std::string Unquoted(std::string_view exePath, AssociationVerb verb) {
  return std::string(exePath) + RecordOf(verb).valueSuffix;
}

std::string Quoted(std::string_view exePath, AssociationVerb verb) {
  return "\"" + std::string(exePath) + "\"" + RecordOf(verb).valueSuffix;
}

}  // namespace

std::string AssociationKey(std::string_view className, AssociationVerb verb) {
  return std::string(className) + RecordOf(verb).keySuffix;
}

std::string AssociationValue(std::string_view exePath, AssociationVerb verb) {
  return RecordOf(verb).commandLine ? Quoted(exePath, verb) : Unquoted(exePath, verb);
}

std::vector<std::string> OwnAssociationValues(std::string_view exePath, AssociationVerb verb) {
  std::vector<std::string> own{AssociationValue(exePath, verb)};
  if (!RecordOf(verb).commandLine) {
    own.push_back(Quoted(exePath, verb));
  } else if (exePath.find(' ') == std::string_view::npos) {
    own.push_back(Unquoted(exePath, verb));
  }
  return own;
}
