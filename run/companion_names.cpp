#include "run/internal/companion_names.h"

#include "run/internal/counter_name.h"

#include <algorithm>
#include <array>

namespace {

// An edited copy beside its original, as an export writes it in the
// language of the account: IMG_1-edited.jpg of IMG_1.jpg (or of IMG_1.HEIC).
// Its data stays with the original; as a member of the original's group it
// is filed under the group's date.
struct EditedMark {
  std::string_view mark; // after the original's base name
  std::string_view reason;
};
constexpr std::array kEditedMarks{
    EditedMark{"-edited", "English"},
    EditedMark{"-bearbeitet", "German"},
    EditedMark{"-bewerkt", "Dutch"},
    EditedMark{"-modifié", "French"},
};

// A picture or video that a device names after another of its shot.
struct RenamedCompanion {
  std::string_view extension;   // the member's
  std::string_view prefix;      // the member's name begins with this...
  std::string_view ownerPrefix; // ...where its owner's begins with this
  // The member's base is the owner's whole name with its dot an underscore.
  bool ownerExtension;
  OwnerKind owner;
  std::string_view reason;
};
constexpr std::array kRenamedCompanions{
    RenamedCompanion{
        ".lrv", "gl", "gx", false, OwnerKind::Video,
        "GoPro: GL010001.LRV is the low-resolution copy of the HEVC clip GX010001.MP4"},
    RenamedCompanion{".lrv", "gl", "gh", false, OwnerKind::Video,
                     "GoPro: GL010001.LRV is the low-resolution copy of the AVC clip GH010001.MP4"},
    RenamedCompanion{".mov", "", "", true, OwnerKind::Picture,
                     "iCloud: IMG_100_HEIC.MOV is the clip of the Live Photo IMG_100.HEIC"},
};

// A clip's data under a name of its own: the clip's base name, then after
// ('#' any digit), then the extension.
struct ClipData {
  std::string_view extension;
  std::string_view after;
  std::string_view reason;
};
constexpr std::array kClipData{
    ClipData{".xml", "m##", "Sony: C0001M01.XML holds the data of the clip C0001.MP4"},
    ClipData{".srt", "", "DJI: DJI_0002.SRT holds the flight record of the clip DJI_0002.MP4"},
};

// An export keeps a data file's whole name within 51 characters: a longer
// one is cut in front of ".json", into the picture's own name where that
// is long.
constexpr size_t kExportNameCharacters = 51;
static_assert(std::string_view("Screenshot_20260501-120732.png.supplemental-me.json").size() ==
              kExportNameCharacters);
constexpr size_t kExportCutCharacters = kExportNameCharacters - kExportDataExtension.size();
constexpr std::string_view kJsonForm = ".json";
constexpr std::string_view kSupplementalForm = ".supplemental-metadata.json";
static_assert(kSupplementalForm.starts_with(kExportDataTail) &&
              kSupplementalForm.ends_with(kExportDataExtension));

constexpr bool IsLowered(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}
constexpr bool LoweredExtension(std::string_view extension) {
  return extension.size() > 1 && extension[0] == '.' && IsLowered(extension);
}
static_assert(std::all_of(kEditedMarks.begin(), kEditedMarks.end(), [](const EditedMark& row) {
  return row.mark.size() > 1 && row.mark[0] == '-' && IsLowered(row.mark);
}));
static_assert(std::all_of(kRenamedCompanions.begin(), kRenamedCompanions.end(),
                          [](const RenamedCompanion& row) {
                            return LoweredExtension(row.extension) && IsLowered(row.prefix) &&
                                   IsLowered(row.ownerPrefix) &&
                                   // a prefix is swapped, or the owner's extension is named
                                   (!row.prefix.empty() != row.ownerExtension);
                          }));
static_assert(std::all_of(kClipData.begin(), kClipData.end(), [](const ClipData& row) {
  return LoweredExtension(row.extension) && IsLowered(row.after);
}));

bool FitsAfter(std::string_view text, std::string_view after) {
  return text.size() == after.size() &&
         std::equal(text.begin(), text.end(), after.begin(), [](char c, char pattern) {
           return pattern == '#' ? c >= '0' && c <= '9' : c == pattern;
         });
}

// The first n characters of text (UTF-8; a byte that is no valid part of a
// character counts as one).
std::string_view FirstCharacters(std::string_view text, size_t n) {
  size_t at = 0;
  for (size_t count = 0; at < text.size() && count < n; ++count) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
      ++at;
  }
  return text.substr(0, at);
}

// The "(N)" at the end of base, or empty.
std::string_view TrailingNumber(std::string_view base) {
  if (!base.ends_with(')')) return {};
  const size_t open = base.rfind('(');
  if (open == std::string_view::npos || open + 2 >= base.size()) return {};
  const std::string_view digits = base.substr(open + 1, base.size() - open - 2);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return {};
  return base.substr(open);
}

} // namespace

std::vector<OwnerName> PictureOwnerNames(std::string_view lowered) {
  const std::string_view extension = ExtensionOf(lowered);
  const std::string_view base = lowered.substr(0, lowered.size() - extension.size());
  std::vector<OwnerName> owners;
  for (const EditedMark& row : kEditedMarks) {
    if (base.size() > row.mark.size() && base.ends_with(row.mark))
      owners.push_back({std::string(base.substr(0, base.size() - row.mark.size())), false,
                        OwnerKind::Either, std::string(row.mark) + std::string(extension)});
  }
  for (const RenamedCompanion& row : kRenamedCompanions) {
    if (extension != row.extension) continue;
    if (row.ownerExtension) {
      const size_t underscore = base.rfind('_');
      if (underscore == std::string_view::npos || underscore == 0 || underscore + 1 == base.size())
        continue;
      std::string owner(base);
      owner[underscore] = '.';
      owners.push_back(
          {std::move(owner), true, row.owner, std::string(lowered.substr(underscore))});
    } else if (base.size() > row.prefix.size() && base.starts_with(row.prefix)) {
      owners.push_back({std::string(row.ownerPrefix) + std::string(base.substr(row.prefix.size())),
                        false, row.owner, std::string(extension)});
    }
  }
  return owners;
}

bool IsClipDataExtension(std::string_view extension) {
  return std::any_of(kClipData.begin(), kClipData.end(),
                     [&](const ClipData& row) { return row.extension == extension; });
}

std::optional<OwnerName> ClipDataOwner(std::string_view lowered) {
  const std::string_view extension = ExtensionOf(lowered);
  const std::string_view base = lowered.substr(0, lowered.size() - extension.size());
  for (const ClipData& row : kClipData) {
    if (extension != row.extension || base.size() <= row.after.size()) continue;
    const std::string_view clip = base.substr(0, base.size() - row.after.size());
    if (!FitsAfter(base.substr(clip.size()), row.after)) continue;
    return OwnerName{std::string(clip), false, OwnerKind::Video,
                     std::string(lowered.substr(clip.size()))};
  }
  return std::nullopt;
}

std::vector<ExportDataName> ExportDataNames(std::string_view whole) {
  // NAME(1).jpg: the export numbers its data after the picture's whole
  // name, NAME.jpg(1).json.
  const std::string_view extension = ExtensionOf(whole);
  const std::string_view base = whole.substr(0, whole.size() - extension.size());
  const std::string_view number = TrailingNumber(base);
  const std::string named =
      std::string(base.substr(0, base.size() - number.size())) + std::string(extension);
  const std::string supplemental = named + std::string(kExportDataTail);
  std::vector<ExportDataName> names;
  if (!number.empty()) {
    names.push_back({named + std::string(number), kJsonForm});
    names.push_back({supplemental + std::string(number), kSupplementalForm});
  }
  const std::string_view cut = FirstCharacters(supplemental, kExportCutCharacters);
  if (cut.size() < supplemental.size()) {
    // Cut within the picture's own name: NAME.json and its longer form
    // are cut alike; the shorter form is the one it had.
    const std::string_view form = cut.size() <= named.size() ? kJsonForm : kSupplementalForm;
    std::string name = std::string(cut) + std::string(number);
    if (std::none_of(names.begin(), names.end(),
                     [&](const ExportDataName& n) { return n.name == name; }))
      names.push_back({std::move(name), form});
  }
  return names;
}
