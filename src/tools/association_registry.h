// The associations' values in HKEY_CURRENT_USER: read, written and removed one
// by one. Writes and removals go through a replaceable table, so that tests can
// have the registry refuse them (Wine lets every process write anywhere).
#pragma once
#include <windows.h>

#include <vector>

#include "tools/association_entries.h"

struct RegistryWrites {
  LSTATUS (*write)(const RegistryEntry& entry);
  LSTATUS (*remove)(const RegistryEntry& entry);
};

// The system's calls, unless a test has put others in.
extern RegistryWrites registryWrites;

LSTATUS WriteRegistryEntry(const RegistryEntry& entry);
// Removes the value, then every key above it that it leaves empty (up to
// Software\Classes or Software): what was created for it goes with it.
LSTATUS RemoveRegistryEntry(const RegistryEntry& entry);

// True when the value is there with the entry's data (a path in any case).
bool HasRegistryEntry(const RegistryEntry& entry);
bool HasRegistryEntries(const std::vector<RegistryEntry>& entries);
