#include "documents/recent_list.h"

namespace {

constexpr std::size_t maxEntries = 10;

std::string PathName(char slot) { return std::string(1, slot) + "F"; }
std::string CaretName(char slot) { return std::string(1, slot) + "FC"; }

// "LIST" as stored, but only slot digits, each once, at most ten: a value
// damaged outside the program cannot make a slot appear twice.
std::string ReadOrder(RecentFilesStore& store) {
  std::string order;
  for (char c : store.ReadString("LIST")) {
    if (c >= '0' && c <= '9' && order.find(c) == std::string::npos && order.size() < maxEntries) order += c;
  }
  return order;
}

void WriteFront(RecentFilesStore& store, std::string order, char slot) {
  std::size_t old = order.find(slot);
  if (old != std::string::npos) order.erase(old, 1);
  order.insert(order.begin(), slot);
  if (order.size() > maxEntries) order.resize(maxEntries);
  store.WriteString("LIST", order);
}

}  // namespace

RecentFileAdded AddRecentFileTo(RecentFilesStore& store, const std::string& path, bool restoreCaret) {
  RecentFileAdded result;
  if (path.empty() || !store.OnFixedDrive(path) || path.find('$') != std::string::npos) return result;
  std::string wanted = store.ComparisonForm(path);
  std::string order = ReadOrder(store);
  char freeSlot = 0;
  for (char slot = '0'; slot <= '9'; ++slot) {
    std::size_t position = order.find(slot);
    std::string stored = position == std::string::npos ? std::string() : store.ReadString(PathName(slot));
    if (stored.empty()) {
      if (!freeSlot) freeSlot = slot;
      continue;
    }
    if (store.ComparisonForm(stored) != wanted) continue;
    if (restoreCaret) {
      int32_t caret = store.ReadDword(CaretName(slot), -1);
      if (caret >= 0) result.caret = caret;
    }
    if (position == 0) return result;
    WriteFront(store, order, slot);
    result.listChanged = true;
    return result;
  }
  char slot = freeSlot ? freeSlot : order.back();
  store.WriteDword(CaretName(slot), 0);
  store.WriteString(PathName(slot), path);
  WriteFront(store, order, slot);
  result.listChanged = true;
  return result;
}

void RememberRecentCaret(RecentFilesStore& store, const std::string& path, int32_t caret) {
  std::string wanted = store.ComparisonForm(path);
  for (char slot = '0'; slot <= '9'; ++slot) {
    std::string stored = store.ReadString(PathName(slot));
    if (!stored.empty() && store.ComparisonForm(stored) == wanted) {
      store.WriteDword(CaretName(slot), caret);
      return;
    }
  }
}

bool RecentEntry(RecentFilesStore& store, int k, char* slot, std::string* path) {
  std::string order = ReadOrder(store);
  if (k < 0 || static_cast<std::size_t>(k) >= order.size()) return false;
  *slot = order[static_cast<std::size_t>(k)];
  *path = store.ReadString(PathName(*slot));
  return true;
}

void FreeRecentSlot(RecentFilesStore& store, char slot) { store.WriteString(PathName(slot), ""); }
