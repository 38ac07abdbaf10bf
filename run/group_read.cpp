// A group's read: every member's look and the group's date, as the group's
// turn takes them (companion_run.cpp).

#include "run/internal/companion_groups.h"
#include "run/internal/date_read_ahead.h"

#include <exception>

namespace {

using Looks = std::vector<std::optional<FileStatus>>;

// The group's date: the first from metadata, looked for in the members'
// order (JPEGs, other stills, videos); without one, the leader's
// modification time. A member that came along unasked is read by its own
// format's metadata reader: the option promises RAW+JPEG. sidecars are those
// of the group's folder, so a member's export data or XMP file dates it.
// The leader is a regular file (looks holds the members').
DatedFile GroupDate(const CollectedFiles& files, const CompanionGroup& group, const Looks& looks,
                    bool allFormats, const FolderSidecars* sidecars) {
  std::optional<DatedFile> leaderDate;
  // A member's name or inner XMP date counts only when no member has a
  // capture date of its own: a stripped JPEG's name must not outrank its
  // raw's EXIF.
  std::optional<DatedFile> lesserDate;
  for (size_t m = 0; m < group.members.size(); ++m) {
    const GroupMember& member = group.members[m];
    if (member.role == MemberRole::Sidecar) break;
    const std::optional<FileStatus>& status = looks[m];
    if (!status || !status->regular) continue;
    const std::string& path = files.Path(member.file);
    try {
      const std::optional<int64_t> modified = status->modifiedSeconds;
      const DatedFile dated = allFormats || !member.joined
                                  ? DateOfFile(path, allFormats, modified, nullptr, sidecars)
                                  : DateOfJoinedFile(path, modified);
      if (IsOwnCaptureDate(dated.source)) return dated;
      if (dated.source != DateSource::ModificationTime && !lesserDate) lesserDate = dated;
      if (m == 0) leaderDate = dated;
    } catch (const std::exception&) {
      if (m == 0) throw; // the leader's own date decides
    }
  }
  return lesserDate ? *lesserDate : *leaderDate;
}

} // namespace

ReadListedFile ReadGroup(const CollectedFiles& files, const CompanionGroup& group,
                         bool allFormats) {
  ReadListedFile read;
  const size_t leader = group.members.front().file;
  read.path = files.Path(leader);
  read.allFormats = allFormats;
  read.sidecars = files.SidecarsOf(files.FolderNumber(leader));
  for (const GroupMember& member : group.members)
    read.members.push_back(StatusOf(files.Path(member.file)));
  read.status = read.members.front();
  // Only a regular leader is dated (PlanFile).
  if (read.status && read.status->regular) {
    read.dateRead = true;
    try {
      read.dated = GroupDate(files, group, read.members, allFormats, read.sidecars);
    } catch (...) {
      read.dateError = std::current_exception();
    }
  }
  return read;
}
