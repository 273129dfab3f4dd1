// What the program writes under HKEY_CURRENT_USER to be offered for a file type:
// its own class (Zorn2.Text) that "Open with" lists, its own Edit and Print verbs
// beside the system's, and the capabilities Windows' Default apps page reads.
// Windows 8 and later let no program make itself the default: the user chooses.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The boxes of the associations dialog, in its order.
enum class AssociationBox { OpenText, OpenIni, OpenInf, EditBat, EditCmd, EditReg, PrintText };
inline constexpr AssociationBox associationBoxes[] = {
    AssociationBox::OpenText, AssociationBox::OpenIni, AssociationBox::OpenInf,  AssociationBox::EditBat,
    AssociationBox::EditCmd,  AssociationBox::EditReg, AssociationBox::PrintText};

// One value below HKEY_CURRENT_USER. A marker value (REG_NONE, no data) means
// something by its name alone.
struct RegistryEntry {
  std::wstring key;
  std::wstring name;  // empty: the key's default value
  std::wstring data;
  bool marker = false;
  bool operator==(const RegistryEntry&) const = default;
};

// Every value that makes the boxes of `ticked` the program's own, each once.
std::vector<RegistryEntry> AssociationEntries(const std::vector<AssociationBox>& ticked, std::wstring_view exePath);

// Entries of `before` that `after` no longer has (by key and name): what
// unticking takes away, and nothing else.
std::vector<RegistryEntry> EntriesLeft(const std::vector<RegistryEntry>& before,
                                       const std::vector<RegistryEntry>& after);

// The keys an emptied key may be pruned up to, never including them.
bool IsRegistryRoot(std::wstring_view key);
