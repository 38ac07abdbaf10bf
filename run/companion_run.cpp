// The run of a group of files that belong together (companion_groups.h): one
// date, one name and one counter for all members, so that a raw, its JPEG
// and their sidecars stay side by side under one stem in one folder.

#include "run/internal/companion_groups.h"
#include "run/internal/counter_name.h"
#include "run/distribution_run.h"
#include "run/file_date.h"
#include "run/run_front_end.h"
#include "run/run_steps.h"
#include "run/run_texts.h"
#include "platform/lower_name.h"
#include "platform/path_text.h"

#include <algorithm>

namespace {

// A bound for the search of a counter free for every member; the highest
// counter of the members' series makes the first candidate free unless the
// folder changes under the run.
constexpr int kMaxCandidates = 1000;

struct Member {
  const GroupMember& member;
  std::string path;
  std::string name;
  std::optional<FileStatus> status;
};
using Members = std::vector<Member>;
using Outcomes = std::vector<FileOutcome>;

// The leader's outcome, and every other member staying with it.
Outcomes LeaderStays(FileOutcome leader, const Members& members) {
  Outcomes outcomes{std::move(leader)};
  for (size_t m = 1; m < members.size(); ++m)
    outcomes.push_back(StayedOutcome(members[m].path, StayReason::LeaderStayed));
  return outcomes;
}

size_t LongestTail(const Members& members) {
  size_t longest = 0;
  for (const Member& member : members)
    longest = std::max(longest, member.member.tail.size());
  return longest;
}

// stem without a counter tag at its end: the numbered names of a stem that
// carries one already count on from it, not behind it.
std::string WithoutCounter(std::string stem) {
  if (const auto counter = TrailingCounter(stem)) stem.resize(stem.size() - counter->length);
  return stem;
}

bool AnyTaken(const std::string& stem, const Members& members, const TargetFolderIndex& index) {
  return std::any_of(members.begin(), members.end(), [&](const Member& member) {
    return index.Contains(stem + member.member.tail);
  });
}

// The stem the group takes in index: plain when no member's name is taken;
// else numbered (a stem with room for a counter, its own counter dropped)
// plus the smallest counter above the highest that any member's series holds,
// skip numbers further, at which every member's name is free. Empty when no
// such counter is found.
std::string FreeStem(const std::string& plain, std::string numbered, const Members& members,
                     const TargetFolderIndex& index, uint64_t skip) {
  if (!AnyTaken(plain, members, index)) return plain;
  numbered = WithoutCounter(std::move(numbered));
  uint64_t number = 0;
  for (const Member& member : members)
    number = std::max(number, index.HighestCounter(numbered, member.member.tail));
  number += 1 + skip;
  for (int candidate = 0; candidate < kMaxCandidates; ++candidate, ++number) {
    std::string stem = numbered + CounterText(number);
    if (!AnyTaken(stem, members, index)) return stem;
  }
  return {};
}

// Moves one member that follows its leader to stem + its tail.
FileOutcome MoveMember(const Member& member, const std::string& folder, const std::string& stem,
                       TargetFolderIndex& index, const RunState& state) {
  if (std::optional<FileOutcome> stays = NotMovable(member.path, member.status)) return *stays;
  const std::string name = stem + member.member.tail;
  // Free when the stem was chosen; taken since only by another program.
  if (index.Contains(name)) return StayedOutcome(member.path, StayReason::NameTaken);
  const MoveResult result =
      MoveRecorded(member.path, *member.status, member.name, folder, name, index, state);
  if (result.outcome == MoveOutcome::Moved)
    return {member.path, FileResult::Moved, JoinPath(folder, name), {}, {}};
  if (result.outcome == MoveOutcome::NotFound && !EntryExists(member.path))
    return StayedOutcome(member.path, StayReason::Vanished);
  return FailedMoveOutcome(member.path, result.outcome, result.error);
}

// The file of member's name at stem in folder whose bytes equal member's:
// the first candidate when none does (nothing when there is none).
struct Comparison {
  bool equal = false;
  std::string path;
};
std::optional<Comparison> CompareAt(const Member& member, const std::string& folder,
                                    const std::string& stem, const TargetFolderIndex& index,
                                    IdenticalFiles& identical) {
  std::vector<ContentCandidate> candidates =
      ContentCandidates(folder, index.Named(stem + member.member.tail));
  if (candidates.empty()) return std::nullopt;
  if (!member.status) return Comparison{false, candidates.front().path};
  if (std::optional<std::string> same = identical.Find(member.path, *member.status, candidates))
    return Comparison{true, std::move(*same)};
  return Comparison{false, candidates.front().path};
}

// With gleichecb: the group's pictures and videos lie in folder already, at
// one stem (plain or numbered) whose files equal them all. They stay as
// "already in the target"; a sidecar equal to its file there too, one that
// differs stays (it is not numbered apart from its picture), one missing
// there joins its picture. Nothing when no stem holds them all.
std::optional<Outcomes> IdenticalGroup(const Members& members, const std::string& folder,
                                       const std::string& plain, const std::string& numbered,
                                       TargetFolderIndex& index, const RunState& state) {
  const std::string& leaderTail = members.front().member.tail;
  // The pictures and videos come first (CompanionGroup::members).
  const size_t pictures =
      static_cast<size_t>(std::count_if(members.begin(), members.end(), [](const Member& m) {
        return m.member.role != MemberRole::Sidecar;
      }));
  for (const TargetFolderIndex::Entry& entry :
       index.NameAndNumbered(plain + leaderTail, WithoutCounter(numbered), leaderTail)) {
    const std::string stem = LowerName(entry.name.substr(0, entry.name.size() - leaderTail.size()));
    Outcomes outcomes;
    for (const Member& member : members) {
      if (member.member.role == MemberRole::Sidecar) break;
      const std::optional<Comparison> found =
          CompareAt(member, folder, stem, index, *state.identical);
      if (!found || !found->equal) break;
      outcomes.push_back({member.path, FileResult::AlreadyInTarget, found->path, {}, {}});
    }
    if (outcomes.size() < pictures) continue;
    for (size_t m = pictures; m < members.size(); ++m) {
      const Member& sidecar = members[m];
      const std::optional<Comparison> found =
          CompareAt(sidecar, folder, stem, index, *state.identical);
      if (!found) {
        outcomes.push_back(MoveMember(sidecar, folder, stem, index, state));
      } else if (found->equal) {
        outcomes.push_back({sidecar.path, FileResult::AlreadyInTarget, found->path, {}, {}});
      } else {
        FileOutcome differs = StayedOutcome(sidecar.path, StayReason::DiffersInTarget);
        differs.target = found->path;
        outcomes.push_back(std::move(differs));
      }
    }
    return outcomes;
  }
  return std::nullopt;
}

// Moves the group into folder: the leader first, under the group's stem
// (found anew when another program takes a name meanwhile), then every
// other member beside it.
Outcomes MoveGroup(const Members& members, const std::string& folder, const PlannedName& planned,
                   bool createFolder, const RunState& state) {
  const Member& leader = members.front();
  const size_t longest = LongestTail(members);
  const std::string plain = FitStem(planned, longest, kMaxNameBytes);
  const std::string numbered = FitStem(planned, kCounterTagBytes + longest, kMaxNameBytes);
  MoveResult last{MoveOutcome::TargetTaken, {}};
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    FileOutcome stays;
    TargetFolderIndex* index = PrepareFolder(leader.path, folder, createFolder, state, stays);
    if (!index) return LeaderStays(std::move(stays), members);
    if (AlreadyInPlace(leader.path, leader.name, folder, plain + leader.member.tail,
                       state.targets)) {
      Outcomes outcomes;
      for (const Member& member : members)
        outcomes.push_back({member.path, FileResult::InPlace, member.path, {}, {}});
      return outcomes;
    }
    const std::string stem = FreeStem(plain, numbered, members, *index, RetrySkip(attempt));
    if (state.identical && stem != plain) {
      if (std::optional<Outcomes> same =
              IdenticalGroup(members, folder, plain, numbered, *index, state))
        return *same;
    }
    if (stem.empty())
      return LeaderStays(StayedOutcome(leader.path, StayReason::NameTaken), members);
    last = MoveRecorded(leader.path, *leader.status, leader.name, folder, stem + leader.member.tail,
                        *index, state);
    switch (last.outcome) {
    case MoveOutcome::Moved: {
      Outcomes outcomes{
          {leader.path, FileResult::Moved, JoinPath(folder, stem + leader.member.tail), {}, {}}};
      for (size_t m = 1; m < members.size(); ++m)
        outcomes.push_back(MoveMember(members[m], folder, stem, *index, state));
      return outcomes;
    }
    case MoveOutcome::SourceChanged:
      return LeaderStays(FailedMoveOutcome(leader.path, last.outcome, last.error), members);
    case MoveOutcome::NotFound:
      if (!EntryExists(leader.path))
        return LeaderStays(Stays(StayedOutcome(leader.path, StayReason::Vanished), folder, state),
                           members);
      [[fallthrough]];
    case MoveOutcome::TargetTaken:
      state.targets.Forget(folder);
      break;
    default:
      return LeaderStays(
          Stays(FailedMoveOutcome(leader.path, last.outcome, last.error), folder, state), members);
    }
  }
  return LeaderStays(FailedMoveOutcome(leader.path, last.outcome, last.error), members);
}

// The group's date: the first from metadata, looked for in the members'
// order (JPEGs, other stills, videos); without one, the leader's
// modification time. A member that came along unasked is read by its own
// format's metadata reader: the option promises RAW+JPEG.
DatedFile GroupDate(const Members& members, bool allFormats) {
  std::optional<DatedFile> leaderDate;
  for (const Member& member : members) {
    if (member.member.role == MemberRole::Sidecar) break;
    if (!member.status || !member.status->regular) continue;
    try {
      const DatedFile dated = DateOfFile(member.path, allFormats || member.member.joined,
                                         member.status->modifiedSeconds);
      if (dated.source != DateSource::ModificationTime) return dated;
      if (&member == &members.front()) leaderDate = dated;
    } catch (const std::exception&) {
      if (&member == &members.front()) throw; // the leader's own date decides
    }
  }
  return *leaderDate;
}

} // namespace

std::vector<FileOutcome> DistributionRun::DistributeGroup(const CompanionGroup& group,
                                                          TargetFolders& targets,
                                                          IdenticalFiles& identical,
                                                          std::string& folder) {
  const RunOptions options = frontEnd_.Options();
  const std::string target = WithBackslash(LexicallyNormal(options.target));
  Members members;
  for (const GroupMember& member : group.members) {
    const std::string path = files_.Path(member.file);
    members.push_back({member, path, SplitSourcePath(path).name, StatusOf(path)});
  }
  const Member& leader = members.front();
  if (std::optional<FileOutcome> stays = NotMovable(leader.path, leader.status))
    return LeaderStays(*stays, members);
  DatedFile dated;
  try {
    dated = GroupDate(members, options.modernFormats);
  } catch (const std::exception& error) {
    return LeaderStays(StayedOutcome(leader.path, StayReason::DateUnreadable, error.what()),
                       members);
  }
  const PlannedName planned =
      LoweredName(DecideTargetName(leader.path, SplitSourcePath(leader.path), DateStamp(dated.date),
                                   options, leader.status->readOnly));
  folder = TargetFolder(target, dated.date, options.structure);
  if (target.empty())
    return LeaderStays(StayedOutcome(leader.path, StayReason::MoveError, kNoTargetFolderText),
                       members);
  if (record_) record_->TargetFolder(target);
  const RunState state{targets, options.skipIdentical ? &identical : nullptr, mode_,
                       record_ ? &*record_ : nullptr};
  std::vector<FileOutcome> outcomes =
      MoveGroup(members, folder, planned, StructureCreatesFolders(options.structure), state);
  // Every member went by the group's date (the preview shows it).
  for (FileOutcome& outcome : outcomes)
    outcome.dated = dated;
  return outcomes;
}
