#pragma once
// Pictures that belong together: the raw and the JPEG of one shot, a Live
// Photo's still and clip, and the sidecars in which programs keep a
// picture's edits or data (XMP, THM, AAE, PP3, DOP, JSON). Dated and named
// each on its own, a sidecar lands under another name in another folder and
// its link to its picture is gone; with the option on (RunOptions::companions)
// the run moves each group as one (companion_run.cpp).
//
// Groups form per source folder among its own files, names compared
// ignoring case: pictures and videos of one base name with different
// extensions, and the sidecars named after one of them (its whole name or
// its base name, plus the sidecar's extension), and the files whose names
// point at one in a form of their own (companion_names.h: edited copies,
// renamed copies and clips, a clip's data, an export's cut and numbered
// data names). A group holds at least one collected picture or video and at
// least two members.

#include "run/collected_files.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class MemberRole {
  Jpeg,    // .jpg, .jpeg, .jpe: the leader where there is one
  Still,   // any other picture
  Video,   // a clip
  Sidecar, // data of a picture, named after it
};

struct GroupMember {
  size_t file = 0; // index in the run's file list
  MemberRole role = MemberRole::Still;
  // The member's name after the group's base name, lowered: ".cr2",
  // ".xmp", ".cr2.xmp", ".jpg.supplemental-metadata.json", "-edited.jpg",
  // "m01.xml"; an export's cut or numbered data name in its full form, a
  // renamed copy's by its owner's base (".lrv"). A member's target name is
  // the leader's target stem plus this tail.
  std::string tail;
  // Not collected itself (its kind is not ticked): it came with its group.
  bool joined = false;
};

struct CompanionGroup {
  // The leader first, then the other pictures and videos in the order the
  // group's date is looked for (JPEGs, other stills, videos, each by name;
  // those named after another after them), then the sidecars by name. Members move in this order.
  std::vector<GroupMember> members;
  size_t first = 0; // the member that comes first in the file list: the
                    // group is handled there
};

class CompanionGroups {
public:
  // Forms the groups of the files of list, and appends to list
  // the files of the same folders that join a group without being collected
  // themselves, each once. Every picture and video pattern counts, ticked
  // or not: the option promises RAW+JPEG whatever else is collected.
  explicit CompanionGroups(CollectedFiles& list);
  CompanionGroups() = default;

  // The group of file (an index in the list), or null.
  const CompanionGroup* GroupOf(size_t file) const;
  const std::vector<CompanionGroup>& Groups() const { return groups_; }

private:
  std::vector<CompanionGroup> groups_;
  std::vector<uint32_t> groupOf_; // by file: group index + 1, or 0
};
