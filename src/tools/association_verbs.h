// What the program writes under a file class to open, edit, print or show its
// files: the key below the class and the key's default value.
#pragma once
#include <string>
#include <string_view>
#include <vector>

enum class AssociationVerb { Edit, Open, Icon, Print };

// The class's key for the verb, relative to HKEY_CLASSES_ROOT.
std::string AssociationKey(std::string_view className, AssociationVerb verb);

// The value to write. A shell command line quotes the program's path: unquoted,
// a blank in it ("Program Files") lets the shell start another program first.
std::string AssociationValue(std::string_view exePath, AssociationVerb verb);

// Every value that is already the program's own: the form written now, and
// the other form (unquoted, as earlier versions wrote). An unquoted command
// line counts only for a path without a blank: one with a blank is the unsafe
// value that must be written again, quoted.
std::vector<std::string> OwnAssociationValues(std::string_view exePath, AssociationVerb verb);
