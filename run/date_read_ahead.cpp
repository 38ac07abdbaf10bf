#include "run/internal/date_read_ahead.h"

#include "run/internal/companion_groups.h"
#include "run/internal/looked_at_file.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace {

// A quarter of the window.
constexpr size_t kWakeFiles = kReadAheadFiles / 4;

} // namespace

DatedFile ReadListedFile::Date() const {
  if (dateError) std::rethrow_exception(dateError);
  if (dated) return *dated;
  std::optional<int64_t> modified;
  if (status) modified = status->modifiedSeconds;
  return DateOfFile(path, allFormats, modified, nullptr, sidecars);
}

ReadListedFile ReadListed(const CollectedFiles& files, size_t file, bool allFormats) {
  ReadListedFile read;
  read.path = files.Path(file);
  read.allFormats = allFormats;
  read.sidecars = files.SidecarsOf(files.FolderNumber(file));
  LookedAtFile looked = LookAtFile(read.path, allFormats, files.Kind(file));
  read.status = looked.status;
  // Only a regular file is dated (PlanFile): a FIFO read would block.
  if (read.status && read.status->regular) {
    read.dateRead = true;
    try {
      read.dated = DateOfLookedAtFile(read.path, allFormats, looked, read.sidecars);
    } catch (...) {
      read.dateError = std::current_exception();
    }
  }
  return read;
}

DateReadAhead::DateReadAhead(const CollectedFiles& files, const CompanionGroups& groups,
                             std::function<bool(size_t)> readsItself, bool allFormats,
                             size_t readers)
    : files_(files), groups_(groups), readsItself_(std::move(readsItself)),
      slots_(readers > 0 ? kReadAheadFiles : 0), allFormats_(allFormats) {
  readers_.reserve(readers);
  try {
    for (size_t i = 0; i < readers; ++i)
      readers_.emplace_back([this] { Read(); });
  } catch (const std::system_error&) {
    // No thread to be had: the readers started so far read ahead, or the
    // run reads every file itself.
    if (readers_.empty()) slots_.clear();
  }
}

DateReadAhead::~DateReadAhead() {
  Stop();
}

void DateReadAhead::Stop() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_.notify_all();
  finished_.notify_all();
  for (std::thread& reader : readers_)
    reader.join();
  readers_.clear();
}

ReadListedFile DateReadAhead::ReadInTurn(size_t file, bool allFormats) const {
  if (const CompanionGroup* group = groups_.GroupOf(file))
    return ReadGroup(files_, *group, allFormats);
  return ReadListed(files_, file, allFormats);
}

bool DateReadAhead::Claimable() const {
  return nextToRead_ < files_.Size() && nextToRead_ < nextToTake_ + slots_.size();
}

void DateReadAhead::Read() {
  std::unique_lock lock(mutex_);
  for (;;) {
    work_.wait(lock, [this] { return stopping_ || Claimable(); });
    if (stopping_) return;
    const size_t file = nextToRead_++;
    // A group is read at its first file; its other members go with it.
    const CompanionGroup* group = groups_.GroupOf(file);
    if (!readsItself_(file) || (group && group->first != file)) continue;
    Slot& slot = slots_[file % slots_.size()];
    const uint64_t claim = ++claims_;
    slot.file = file;
    slot.claim = claim;
    slot.reading = true;
    slot.allFormats = allFormats_;
    const bool allFormats = allFormats_;
    lock.unlock();
    // A look or read that throws (out of memory) is thrown again when the
    // run takes the file itself.
    std::optional<ReadListedFile> read;
    try {
      read = ReadInTurn(file, allFormats);
    } catch (...) {
    }
    lock.lock();
    // The slot may have been claimed anew meanwhile (the option changed).
    if (slot.claim != claim) continue;
    slot.reading = false;
    if (read)
      slot.read = std::move(*read);
    else
      slot.file = kNone;
    finished_.notify_all();
  }
}

bool DateReadAhead::Holds(const Slot& slot, bool allFormats) const {
  if (slot.allFormats != allFormats) return false;
  const auto holds = [](const std::optional<FileStatus>& status) {
    return status && status->regular && status->links == 1;
  };
  const std::vector<std::optional<FileStatus>>& members = slot.read.members;
  return holds(slot.read.status) && std::all_of(members.begin(), members.end(), holds);
}

ReadListedFile DateReadAhead::Take(size_t file, bool allFormats) {
  if (slots_.empty()) return ReadInTurn(file, allFormats);
  std::unique_lock lock(mutex_);
  const bool optionChanged = allFormats != allFormats_;
  if (optionChanged) {
    // What was read under the other option is read again under this one.
    allFormats_ = allFormats;
    for (Slot& slot : slots_)
      slot.file = kNone;
    nextToRead_ = file;
  }
  nextToTake_ = std::max(nextToTake_, file + 1);
  Slot& slot = slots_[file % slots_.size()];
  std::optional<ReadListedFile> read;
  if (!stopping_ && slot.file == file) {
    const uint64_t claim = slot.claim;
    finished_.wait(lock, [&] { return stopping_ || slot.claim != claim || !slot.reading; });
    if (slot.claim == claim && slot.file == file && !slot.reading && Holds(slot, allFormats))
      read = std::move(slot.read);
    if (slot.claim == claim) slot.file = kNone;
  }
  // The readers go on past it: the run reads it itself if it was not read.
  nextToRead_ = std::max(nextToRead_, file + 1);
  // Readers waiting for room are woken for several files at once, not for
  // each file taken: on a fast disk a wake per file costs more than a read.
  const size_t room = std::min(nextToTake_ + slots_.size(), files_.Size());
  const bool wake = optionChanged || (room > nextToRead_ && room - nextToRead_ >= kWakeFiles);
  lock.unlock();
  if (wake) work_.notify_all();

  if (read) return std::move(*read);
  return ReadInTurn(file, allFormats);
}
