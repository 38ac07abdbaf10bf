#pragma once
// The files and folders other systems keep beside a user's files for their
// own housekeeping: a NAS's thumbnails and recycle bins, a Mac's resource
// forks and folder settings, Windows' thumbnail caches. None of them is a
// photo, and moving them would file a NAS thumbnail as a second copy of its
// picture or a resource fork as a JPEG, so the walk never collects them in
// any kind of files ("Alle" included): they stay where they are, uncounted.
//
// Case: these names are written by systems that ignore case (SMB shares,
// FAT, NTFS, HFS+), which may show them in any case ("THUMBS.DB",
// "@EADIR"), so they are compared ignoring ASCII case. No name here holds
// anything but ASCII, so the ASCII rule is the whole rule.

#include "platform/ascii_case.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

enum class HousekeepingMatch : uint8_t {
  Folder,      // a folder of this name is not entered
  File,        // a file of this name is not collected
  FilePrefix,  // a file whose name starts with this is not collected
  AppleDouble, // as FilePrefix, but only when the file starts with kAppleDoubleMagic
};

struct HousekeepingName {
  std::string_view name;
  HousekeepingMatch match;
  std::string_view reason;
};

inline constexpr HousekeepingName kHousekeepingNames[] = {
    {"@eaDir", HousekeepingMatch::Folder, "a NAS's thumbnails and index data of each picture"},
    {"#recycle", HousekeepingMatch::Folder, "a NAS share's recycle bin"},
    {"#snapshot", HousekeepingMatch::Folder, "a NAS share's read-only snapshots"},
    {".@__thumb", HousekeepingMatch::Folder, "a NAS's thumbnails"},
    {"@Recycle", HousekeepingMatch::Folder, "a NAS share's recycle bin"},
    {"$RECYCLE.BIN", HousekeepingMatch::Folder, "Windows' recycle bin of a drive"},
    {"System Volume Information", HousekeepingMatch::Folder,
     "Windows' restore points and index of a drive"},
    {".Trashes", HousekeepingMatch::Folder, "a Mac's trash of a drive"},
    {".Spotlight-V100", HousekeepingMatch::Folder, "a Mac's search index of a drive"},
    {".fseventsd", HousekeepingMatch::Folder, "a Mac's change log of a drive"},
    {"lost+found", HousekeepingMatch::Folder, "pieces a file system check recovered"},
    {"._", HousekeepingMatch::AppleDouble, "a Mac's resource fork of the file named after it"},
    {".DS_Store", HousekeepingMatch::File, "a Mac's view settings of the folder"},
    {"Thumbs.db", HousekeepingMatch::File, "Windows' thumbnail cache of the folder"},
    {"ehthumbs.db", HousekeepingMatch::File, "Windows Media Center's thumbnail cache"},
    {"desktop.ini", HousekeepingMatch::File, "Windows' view settings of the folder"},
    {".picasa.ini", HousekeepingMatch::File, "a photo manager's edits and albums of the folder"},
    {".nomedia", HousekeepingMatch::File, "Android's mark of a folder its gallery skips"},
    {"SYNOPHOTO_THUMB_", HousekeepingMatch::FilePrefix, "a NAS's thumbnail of a picture"},
    {"SYNOFILE_THUMB_", HousekeepingMatch::FilePrefix, "a NAS's thumbnail of a file"},
};

// The first bytes of an AppleDouble file: a real picture that happens to be
// named "._x.jpg" does not start with them and is collected.
inline constexpr unsigned char kAppleDoubleMagic[] = {0x00, 0x05, 0x16, 0x07};

namespace housekeeping_check {

constexpr bool RowsAreComplete() {
  for (const HousekeepingName& row : kHousekeepingNames)
    if (row.name.empty() || row.reason.empty()) return false;
  return true;
}

constexpr bool NamesAreUnique() {
  const size_t count = std::size(kHousekeepingNames);
  for (size_t i = 0; i < count; ++i)
    for (size_t j = i + 1; j < count; ++j)
      if (EqualIgnoringAsciiCase(kHousekeepingNames[i].name, kHousekeepingNames[j].name))
        return false;
  return true;
}

// Folding ASCII letters is the whole case rule only for names of ASCII
// characters; a separator would make a name match nothing.
constexpr bool NamesAreAscii() {
  for (const HousekeepingName& row : kHousekeepingNames)
    for (const char c : row.name)
      if (static_cast<unsigned char>(c) >= 0x80 || c == '/') return false;
  return true;
}

} // namespace housekeeping_check

static_assert(housekeeping_check::RowsAreComplete(), "every row names a name and its reason");
static_assert(housekeeping_check::NamesAreUnique(), "a name comes once, whatever its case");
static_assert(housekeeping_check::NamesAreAscii(), "names are ASCII and hold no separator");

// What the table says of a file's name, before anything is read.
enum class HousekeepingFile : uint8_t {
  No,                 // the user's file
  Yes,                // housekeeping
  IfAppleDoubleMagic, // housekeeping only if its first bytes are kAppleDoubleMagic
};

// Whether a folder of this name is housekeeping.
bool IsHousekeepingFolder(std::string_view name);
// What the table says of a file of this name.
HousekeepingFile HousekeepingFileOf(std::string_view name);
// Whether the file name in the open folder dirFd starts with
// kAppleDoubleMagic. Reads those bytes only (opened without blocking, so a
// FIFO cannot hold the walk); a file that cannot be read is the user's.
bool StartsWithAppleDoubleMagic(int dirFd, const char* name);
