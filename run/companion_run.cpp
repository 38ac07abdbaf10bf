// The run of a group of files that belong together (companion_groups.h): one
// date, one name and one counter for all members, so that a raw, its JPEG
// and their sidecars stay side by side under one stem in one folder.

#include "platform/lower_name.h"
#include "platform/move_precheck.h"
#include "platform/path_text.h"
#include "run/distribution_run.h"
#include "run/file_date.h"
#include "run/file_plan.h"
#include "run/internal/backup_copies.h"
#include "run/internal/companion_groups.h"
#include "run/internal/counter_name.h"
#include "run/internal/date_read_ahead.h"
#include "run/run_front_end.h"
#include "run/run_steps.h"
#include "run/run_texts.h"

#include <algorithm>

namespace {

// A bound for the search of a counter free for every member; the highest
// counter of the members' series makes the first candidate free unless the
// folder changes under the run.
constexpr int kMaxCandidates = 1000;

struct Member {
  const GroupMember& member;
  FilePlan plan; // source, parts and status filled in when the group's turn comes
  // Its name reserved and its intent recorded with its group's, before the
  // leader moved.
  bool recorded = false;
  std::optional<IntentTicket> intent;
};
using Members = std::vector<Member>;
using Outcomes = std::vector<FileOutcome>;

// The leader's outcome, and every other member staying with it.
Outcomes LeaderStays(FileOutcome leader, const Members& members) {
  Outcomes outcomes{std::move(leader)};
  for (size_t m = 1; m < members.size(); ++m)
    outcomes.push_back(StayedOutcome(members[m].plan.source, StayReason::LeaderStayed));
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

// Moves one member that follows its leader to stem + its tail (planned
// already). leaderCopied: the leader's move was a copy.
FileOutcome MoveMember(Member& member, const std::string& stem, TargetFolderIndex& index,
                       const RunState& state, bool leaderCopied = false) {
  FilePlan& plan = member.plan;
  if (plan.kept) return std::move(*plan.kept);
  const std::string name = stem + member.member.tail;
  MoveResult result;
  if (member.recorded) {
    // A name taken since can only have been taken by another program: the
    // move finds it taken.
    const std::string target = JoinPath(plan.folder, name);
    // Edited while its leader was copied (a big clip copied across file
    // systems takes a while): recorded as it is when it moves, so the undo
    // knows the file that landed. A rename takes no such while.
    const std::optional<FileStatus> now =
        leaderCopied ? StatusOf(plan.source) : std::optional<FileStatus>();
    if (now && now->regular && RecordedFileOf(*now) != RecordedFileOf(*plan.status)) {
      plan.status = now;
      member.intent = RecordIntent(plan.source, target, *now, state);
      if (state.record && ChangesFiles(state.mode)) state.record->Flush();
    }
    result =
        MoveAfterIntent(plan.Moving(), {plan.folder, name, target, member.intent}, index, state);
  } else {
    // Free when the stem was chosen; taken since only by another program.
    if (index.Contains(name)) return StayedOutcome(plan.source, StayReason::NameTaken);
    result = MoveRecorded(plan.Moving(), plan.folder, name, index, state);
  }
  if (result.second) {
    FileOutcome stays = BackupFailedOutcome(plan.source, *result.second);
    if (result.outcome == MoveOutcome::Copied) stays.target = JoinPath(plan.folder, name);
    return stays;
  }
  if (result.outcome == MoveOutcome::Moved || result.outcome == MoveOutcome::Copied) {
    FileOutcome moved{plan.source, FileResult::Moved, JoinPath(plan.folder, name), {}, {}};
    moved.backup = BackupPathOf(plan.folder, name, state).value_or(std::string());
    return moved;
  }
  if (result.outcome == MoveOutcome::NotFound && !EntryExists(plan.source))
    return StayedOutcome(plan.source, StayReason::Vanished);
  return FailedMoveOutcome(plan.source, result.outcome, result.error);
}

// Reserves the name at stem of every member that moves and records their
// intents, the group's line first, to reach the record in one append before
// the leader moves (with its batch's, or at once when flush is set): a run
// killed between two members' moves is completed from them (run_recovery.h).
void RecordGroup(Members& members, const std::string& stem, TargetFolderIndex& index,
                 const RunState& state, bool flush) {
  const bool recording = state.record && ChangesFiles(state.mode);
  const auto moving = static_cast<size_t>(std::count_if(
      members.begin(), members.end(), [](const Member& member) { return !member.plan.kept; }));
  if (recording && moving >= 2) state.record->Group(moving);
  for (Member& member : members) {
    if (member.plan.kept) continue;
    const std::string name = stem + member.member.tail;
    ReserveName(index, name, member.plan.source, state);
    member.intent = RecordIntent(member.plan.source, JoinPath(member.plan.folder, name),
                                 *member.plan.status, state);
    member.recorded = true;
  }
  if (recording && flush) state.record->Flush();
}

// Every member that moves is looked at before the leader moves
// (move_precheck.h): one whose name does not fit the target, that may not
// leave its folder or whose bytes do not fit the free space keeps the whole
// group in the source, each member reported (the others as staying with
// it), instead of the first refusal splitting the group. Nothing when all
// can go. A copy run's members never leave their folder (a write-protected
// card) and are all copied.
std::optional<Outcomes> GroupCannotMove(Members& members, const std::string& folder,
                                        const std::string& stem, const RunState& state) {
  const bool keepsSources = state.keepsSources;
  std::vector<MoveOutcome> foreseen(members.size(), MoveOutcome::Moved);
  uint64_t copied = 0; // the bytes of the members copied across file systems
  bool refused = false;
  std::optional<MoveForecast> own;
  MoveForecast& forecast = state.forecast ? *state.forecast : own.emplace();
  for (size_t m = 0; m < members.size(); ++m) {
    const FilePlan& plan = members[m].plan;
    if (plan.kept) continue;
    const std::string name = stem + members[m].member.tail;
    foreseen[m] = keepsSources ? forecast.Copy(folder, name)
                               : forecast.Move(plan.source, *plan.status, folder, name);
    if (foreseen[m] == MoveOutcome::Moved &&
        (keepsSources ||
         !forecast.OnFileSystemOf(plan.source, EntryDevice(*plan.status), folder))) {
      copied += static_cast<uint64_t>(plan.status->size);
      if (!FitsFreeSpace(folder, copied)) foreseen[m] = MoveOutcome::NoSpace;
    }
    refused = refused || foreseen[m] != MoveOutcome::Moved;
  }
  if (!refused) return std::nullopt;
  Outcomes outcomes;
  for (size_t m = 0; m < members.size(); ++m) {
    FilePlan& plan = members[m].plan;
    if (plan.kept)
      outcomes.push_back(std::move(*plan.kept));
    else if (foreseen[m] != MoveOutcome::Moved)
      outcomes.push_back(FailedMoveOutcome(plan.source, foreseen[m], {}));
    else
      outcomes.push_back(StayedOutcome(plan.source, StayReason::LeaderStayed));
  }
  return outcomes;
}

// The members after the leader give up the names reserved for them.
void FreeNames(Members& members, const std::string& stem, TargetFolderIndex& index) {
  for (size_t m = 1; m < members.size(); ++m) {
    if (!members[m].recorded) continue;
    index.Remove(stem + members[m].member.tail);
    members[m].recorded = false;
  }
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
  const FilePlan& plan = member.plan;
  if (!plan.status) return Comparison{false, candidates.front().path};
  if (std::optional<std::string> same = identical.Find(plan.source, *plan.status, candidates))
    return Comparison{true, std::move(*same)};
  return Comparison{false, candidates.front().path};
}

// The group's two stems: plain, and numbered (with room for a counter).
struct GroupStems {
  std::string plain;
  std::string numbered;
};

// The stems of the group's leader's plan.
GroupStems StemsOf(const Members& members) {
  const PlannedName& planned = members.front().plan.planned;
  const size_t longest = LongestTail(members);
  return {FitStem(planned, longest, kMaxNameBytes),
          FitStem(planned, kCounterTagBytes + longest, kMaxNameBytes)};
}

// With gleichecb: the group's pictures and videos lie in its folder already,
// at one stem (plain or numbered) whose files equal them all. They stay as
// "already in the target"; a sidecar equal to its file there too, one that
// differs stays (it is not numbered apart from its picture), one missing
// there joins its picture. Nothing when no stem
// holds them all.
std::optional<Outcomes> IdenticalGroup(Members& members, const GroupStems& stems,
                                       TargetFolderIndex& index, const RunState& state) {
  const std::string& folder = members.front().plan.folder;
  const std::string& leaderTail = members.front().member.tail;
  // The pictures and videos come first (CompanionGroup::members).
  const size_t pictures =
      static_cast<size_t>(std::count_if(members.begin(), members.end(), [](const Member& m) {
        return m.member.role != MemberRole::Sidecar;
      }));
  for (const TargetFolderIndex::Entry& entry : index.NameAndNumbered(
           stems.plain + leaderTail, WithoutCounter(stems.numbered), leaderTail)) {
    const std::string stem = LowerName(entry.name.substr(0, entry.name.size() - leaderTail.size()));
    Outcomes outcomes;
    for (const Member& member : members) {
      if (member.member.role == MemberRole::Sidecar) break;
      const std::optional<Comparison> found =
          CompareAt(member, folder, stem, index, *state.identical);
      if (!found || !found->equal) break;
      outcomes.push_back({member.plan.source, FileResult::AlreadyInTarget, found->path, {}, {}});
    }
    if (outcomes.size() < pictures) continue;
    for (size_t m = pictures; m < members.size(); ++m) {
      Member& sidecar = members[m];
      const std::optional<Comparison> found =
          CompareAt(sidecar, folder, stem, index, *state.identical);
      if (!found) {
        outcomes.push_back(MoveMember(sidecar, stem, index, state));
      } else if (found->equal) {
        outcomes.push_back({sidecar.plan.source, FileResult::AlreadyInTarget, found->path, {}, {}});
      } else {
        FileOutcome differs = StayedOutcome(sidecar.plan.source, StayReason::DiffersInTarget);
        differs.target = found->path;
        outcomes.push_back(std::move(differs));
      }
    }
    return outcomes;
  }
  return std::nullopt;
}

// One try's choice of the group's stem in its leader's planned folder: the
// stem, its intents recorded, or what became of the members without a move.
// deferred: the choice needs a comparison with files that are not in the
// folder yet (compareNow unset).
struct GroupChoice {
  std::optional<Outcomes> outcomes;
  std::string stem;
  bool deferred = false;
};

GroupChoice Decided(Outcomes outcomes) {
  return {std::move(outcomes), {}, false};
}

GroupChoice ChooseStem(Members& members, const GroupStems& stems, const RunState& state,
                       int attempt, bool compareNow) {
  const FilePlan& leader = members.front().plan;
  const std::string& leaderTail = members.front().member.tail;
  const std::string& folder = leader.folder;
  FileOutcome stays;
  TargetFolderIndex* index =
      PrepareFolder(leader.source, folder, leader.createFolder, state, stays);
  if (!index) return Decided(LeaderStays(std::move(stays), members));
  if (AlreadyInPlace(leader.source, leader.parts.name, folder, stems.plain + leaderTail,
                     state.targets)) {
    Outcomes outcomes;
    for (const Member& member : members)
      outcomes.push_back({member.plan.source, FileResult::InPlace, member.plan.source, {}, {}});
    return Decided(std::move(outcomes));
  }
  const std::string stem =
      FreeStem(stems.plain, stems.numbered, members, *index, RetrySkip(attempt));
  if (state.identical && stem != stems.plain) {
    if (!compareNow) return {std::nullopt, {}, /*deferred=*/true};
    if (std::optional<Outcomes> same = IdenticalGroup(members, stems, *index, state))
      return Decided(std::move(*same));
  }
  if (stem.empty())
    return Decided(LeaderStays(StayedOutcome(leader.source, StayReason::NameTaken), members));
  if (std::optional<Outcomes> kept = GroupCannotMove(members, folder, stem, state)) {
    state.targets.RemoveIfMadeEmpty(folder);
    return Decided(std::move(*kept));
  }
  // A try after the first is made at once, recorded on its own.
  RecordGroup(members, stem, *index, state, /*flush=*/attempt > 0);
  return {std::nullopt, stem, false};
}

// Moves the leader under the chosen stem, then every other member beside it:
// what became of them, or nothing when the leader's name was taken meanwhile
// (the members' names are free again, last tells the move).
std::optional<Outcomes> MoveChosen(Members& members, const std::string& stem, const RunState& state,
                                   MoveResult& last) {
  const FilePlan& leader = members.front().plan;
  const std::string& folder = leader.folder;
  const std::string name = stem + members.front().member.tail;
  const std::string target = JoinPath(folder, name);
  // Looked up again: an earlier file of the batch may have made the run look
  // at the folder anew.
  FileOutcome stays;
  TargetFolderIndex* index =
      PrepareFolder(leader.source, folder, leader.createFolder, state, stays);
  if (!index) return LeaderStays(std::move(stays), members);
  last = MoveAfterIntent(leader.Moving(), {folder, name, target, members.front().intent}, *index,
                         state);
  if (last.outcome != MoveOutcome::Moved) FreeNames(members, stem, *index);
  MoveFollowUp next = FollowMove(last, leader.source, {folder, name, target}, state);
  if (next.next == AfterMove::Stays) return LeaderStays(std::move(next.outcome), members);
  if (next.next != AfterMove::Done) return std::nullopt;
  Outcomes outcomes;
  outcomes.push_back(std::move(next.outcome));
  for (size_t m = 1; m < members.size(); ++m)
    outcomes.push_back(MoveMember(members[m], stem, *index, state, last.copied));
  return outcomes;
}

// Moves the group into its leader's planned folder from try firstAttempt on:
// the leader first, under the group's stem (found anew when another program
// takes a name meanwhile), then every other member beside it.
Outcomes MoveGroup(Members& members, const RunState& state, int firstAttempt) {
  const GroupStems stems = StemsOf(members);
  MoveResult last{MoveOutcome::TargetTaken, {}};
  for (int attempt = firstAttempt; attempt < kMoveAttempts; ++attempt) {
    GroupChoice choice = ChooseStem(members, stems, state, attempt, /*compareNow=*/true);
    if (choice.outcomes) return std::move(*choice.outcomes);
    if (std::optional<Outcomes> outcomes = MoveChosen(members, choice.stem, state, last))
      return std::move(*outcomes);
  }
  const FilePlan& leader = members.front().plan;
  return LeaderStays(FailedMoveOutcome(leader.source, last.outcome, last.error), members);
}

} // namespace

// A group decided with its batch (run_batch.h): its members' plans, and
// either what became of them or the stem their intents are recorded at.
struct GroupTurn {
  Members members;
  std::optional<Outcomes> outcomes;
  std::string stem;
};

bool DistributionRun::DecideGroup(BatchStep& step, const CompanionGroup& group, bool compareNow) {
  const RunOptions& options = batchOptions_;
  auto turn = std::make_shared<GroupTurn>();
  Members& members = turn->members;
  members.reserve(group.members.size());
  // Every member's look and the group's date (ReadGroup).
  const ReadListedFile read = readAhead_->Take(step.file, options.modernFormats);
  for (size_t m = 0; m < group.members.size(); ++m) {
    FilePlan plan;
    plan.source = files_.Path(group.members[m].file);
    plan.parts = SplitSourcePath(plan.source);
    plan.status = read.members[m];
    members.push_back({group.members[m], std::move(plan), false, std::nullopt});
  }
  const RunState state = StateFor(options);
  FilePlan& leader = members.front().plan;
  PlanFile(leader, {options, batchTarget_, &read}, state);
  step.plan.folder = leader.folder;
  step.group = turn;
  if (leader.kept) {
    turn->outcomes = LeaderStays(std::move(*leader.kept), members);
    return true;
  }
  // The other members go by the leader's plan, made before anything moves.
  const PlanBasis follower{options, batchTarget_, nullptr, &leader};
  for (size_t m = 1; m < members.size(); ++m)
    PlanFile(members[m].plan, follower, state);
  GroupChoice choice = ChooseStem(members, StemsOf(members), state, /*attempt=*/0, compareNow);
  if (choice.deferred) return false;
  turn->outcomes = std::move(choice.outcomes);
  turn->stem = std::move(choice.stem);
  if (!turn->outcomes) step.plan.move = PlannedMove{};
  return true;
}

std::vector<FileOutcome> DistributionRun::CarryOutGroup(BatchStep& step, bool& endsBatch) {
  GroupTurn& turn = *step.group;
  Members& members = turn.members;
  const RunState state = StateFor(batchOptions_);
  Outcomes outcomes;
  MoveResult last{MoveOutcome::TargetTaken, {}};
  if (turn.outcomes) {
    outcomes = std::move(*turn.outcomes);
  } else if (std::optional<Outcomes> moved = MoveChosen(members, turn.stem, state, last)) {
    outcomes = std::move(*moved);
  } else {
    // Its name was taken meanwhile: the folder was looked at again, and the
    // batch's later decisions may not hold.
    endsBatch = true;
    outcomes = MoveGroup(members, state, /*firstAttempt=*/1);
  }
  // Every member went by the group's date (the preview shows it).
  for (FileOutcome& outcome : outcomes)
    outcome.dated = members.front().plan.dated;
  return outcomes;
}
