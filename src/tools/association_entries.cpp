#include "tools/association_entries.h"

#include <algorithm>

namespace {

constexpr std::wstring_view classes = L"Software\\Classes\\";
constexpr std::wstring_view progId = L"Zorn2.Text";
constexpr std::wstring_view capabilities = L"Software\\Mirt\\Zorn2\\Capabilities";

enum class Kind { Open, Edit, Print };

struct BoxRecord {
  Kind kind;
  std::vector<std::wstring_view> extensions;
};

// By AssociationBox.
const BoxRecord& RecordOf(AssociationBox box) {
  static const BoxRecord records[] = {
      {Kind::Open, {L".txt", L".log", L".scp"}}, {Kind::Open, {L".ini"}}, {Kind::Open, {L".inf"}},
      {Kind::Edit, {L".bat"}}, {Kind::Edit, {L".cmd"}}, {Kind::Edit, {L".reg"}},
      {Kind::Print, {L".txt", L".log", L".scp"}},
  };
  return records[static_cast<int>(box)];
}

// The path quoted: unquoted, a blank in it ("Program Files") lets the shell
// start another program first; the file quoted, or a name with a blank arrives
// as two arguments.
std::wstring Command(std::wstring_view exePath, std::wstring_view switches) {
  return L"\"" + std::wstring(exePath) + L"\" " + std::wstring(switches) + L"\"%1\"";
}

// The class "Open with" offers and Default apps names, shared by the open boxes.
void AddApplication(std::vector<RegistryEntry>& out, std::wstring_view exePath) {
  const std::wstring own = std::wstring(classes) + std::wstring(progId);
  // ASCII as the installer writes them too (its builder keeps no other text).
  out.push_back({own, L"", L"Zorn2"});
  out.push_back({own + L"\\DefaultIcon", L"", L"\"" + std::wstring(exePath) + L"\",0"});
  out.push_back({own + L"\\shell\\open\\command", L"", Command(exePath, L"")});
  out.push_back({std::wstring(capabilities), L"ApplicationName", L"Zorn2"});
  out.push_back({std::wstring(capabilities), L"ApplicationDescription",
                 L"Cyrillic text in Windows-1251, DOS-866, KOI8-R and UTF-8"});
  out.push_back({L"Software\\RegisteredApplications", L"Zorn2", std::wstring(capabilities)});
}

// A verb of its own below the type's system associations: the system's verbs
// and the user's default stay as they are.
void AddVerb(std::vector<RegistryEntry>& out, std::wstring_view extension, std::wstring_view verb,
             std::wstring_view caption, std::wstring command) {
  std::wstring key = std::wstring(classes) + L"SystemFileAssociations\\" + std::wstring(extension) + L"\\shell\\" +
                     std::wstring(verb);
  out.push_back({key, L"", std::wstring(caption)});
  out.push_back({key + L"\\command", L"", std::move(command)});
}

void AddBox(std::vector<RegistryEntry>& out, AssociationBox box, std::wstring_view exePath) {
  const BoxRecord& record = RecordOf(box);
  for (std::wstring_view extension : record.extensions) {
    if (record.kind == Kind::Open) {
      out.push_back({std::wstring(classes) + std::wstring(extension) + L"\\OpenWithProgids", std::wstring(progId),
                     L"", true});
      out.push_back({std::wstring(capabilities) + L"\\FileAssociations", std::wstring(extension),
                     std::wstring(progId)});
    } else if (record.kind == Kind::Edit) {
      AddVerb(out, extension, L"Zorn2.Edit", L"Изменить в Zorn2", Command(exePath, L""));
    } else {
      AddVerb(out, extension, L"Zorn2.Print", L"Напечатать в Zorn2", Command(exePath, L"/p "));
    }
  }
}

bool SameValue(const RegistryEntry& a, const RegistryEntry& b) { return a.key == b.key && a.name == b.name; }

}  // namespace

std::vector<RegistryEntry> AssociationEntries(const std::vector<AssociationBox>& ticked, std::wstring_view exePath) {
  std::vector<RegistryEntry> out;
  bool opens = std::any_of(ticked.begin(), ticked.end(),
                           [](AssociationBox box) { return RecordOf(box).kind == Kind::Open; });
  if (opens) AddApplication(out, exePath);
  for (AssociationBox box : ticked) AddBox(out, box, exePath);
  return out;
}

std::vector<RegistryEntry> EntriesLeft(const std::vector<RegistryEntry>& before,
                                       const std::vector<RegistryEntry>& after) {
  std::vector<RegistryEntry> left;
  for (const RegistryEntry& entry : before) {
    bool kept = std::any_of(after.begin(), after.end(), [&](const RegistryEntry& e) { return SameValue(e, entry); });
    if (!kept) left.push_back(entry);
  }
  return left;
}

bool IsRegistryRoot(std::wstring_view key) { return key == L"Software" || key == L"Software\\Classes"; }
