#pragma once
// A free name for a file whose planned name is taken in its target folder.

#include <cstdint>
#include <string>

class TargetFolderIndex;

// The planned name with a counter tag in front of extension:
// stem + "_[0001]" + extension for the first duplicate, and one more than the
// highest counter of that stem and extension in the folder for every further
// one. A counter that the planned stem carries already is replaced, not
// stacked ("x_[0003].jpg" taken gives "x_[0004].jpg" or higher). The result
// never names an entry of the folder; empty when no such name is found.
// name is the planned name (case kept), extension the source file's. skip
// numbers are passed over first (another run is taking the next ones).
std::string MakeUniqueName(const std::string& name, const std::string& extension,
                           const TargetFolderIndex& folder, uint64_t skip = 0);

// The stem whose numbered names MakeUniqueName counts for name: name without
// its extension and without a counter tag at its end.
std::string CounterStem(const std::string& name);
