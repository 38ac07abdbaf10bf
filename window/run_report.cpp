#include "window/run_report.h"

#include "run/escaped_text.h"
#include "run/run_texts.h"

#include <array>

namespace {

// The order of the list: what needs the user's eye first.
enum class Group { Stayed, Present, Moved, InPlace };
constexpr size_t kGroups = 4;

Group GroupOf(FileResult result) {
  switch (result) {
  case FileResult::Stayed:
    return Group::Stayed;
  case FileResult::AlreadyInTarget:
    return Group::Present;
  case FileResult::InPlace:
    return Group::InPlace;
  case FileResult::Moved:
  case FileResult::Back:
  case FileResult::Removed:
    break;
  }
  return Group::Moved;
}

std::string Line(const FileOutcome& outcome, ReportOf of) {
  switch (outcome.result) {
  case FileResult::Stayed:
    return StayedLine(outcome, of == ReportOf::Copy ? RunMode::Copy : RunMode::Real);
  case FileResult::Removed:
    return EscapeText(outcome.source) + ": " + kRemovedText;
  case FileResult::AlreadyInTarget:
    return EscapeText(outcome.source) + ": " + kAlreadyInTargetText + ": " +
           EscapeText(outcome.target);
  case FileResult::InPlace:
    return EscapeText(outcome.source) + ": " + kInPlaceText;
  case FileResult::Moved:
  case FileResult::Back:
    break;
  }
  return EscapeText(outcome.source) + " -> " + EscapeText(outcome.target);
}

// "1 Datei lag" or "N Dateien lagen": the verb follows the count.
std::string Counted(size_t count, const char* one, const char* many) {
  return FilesText(count) + " " + (count == 1 ? one : many);
}

} // namespace

ReportCounts CountOutcomes(const std::vector<FileOutcome>& outcomes, size_t notReached) {
  std::array<size_t, kGroups> in{};
  size_t removed = 0;
  for (const FileOutcome& outcome : outcomes) {
    ++in[static_cast<size_t>(GroupOf(outcome.result))];
    removed += outcome.result == FileResult::Removed ? 1 : 0;
  }
  const auto count = [&in](Group group) { return in[static_cast<size_t>(group)]; };
  return {count(Group::Moved),
          count(Group::InPlace),
          count(Group::Present),
          count(Group::Stayed),
          notReached,
          removed};
}

std::string ReportSummary(const ReportCounts& counts, ReportOf of) {
  // The verb of the files handled, and of those that stayed.
  const char* const done[] = {" verschoben", " kopiert", " zurückgelegt", " gelöscht"};
  const char* const notDone[] = {" nicht verschoben", " nicht kopiert", " nicht zurückgelegt",
                                 " nicht gelöscht"};
  const auto kind = static_cast<size_t>(of);
  // An undo that put files back and removed their second copies tells both.
  const size_t removedBesides = of == ReportOf::Undo ? counts.removed : 0;
  std::string text = FilesText(counts.moved - removedBesides) + done[kind];
  const auto add = [&text](size_t count, const std::string& part) {
    if (count > 0) text += ", " + part;
  };
  add(removedBesides, FilesText(removedBesides) + done[static_cast<size_t>(ReportOf::CopyUndo)]);
  add(counts.inPlace, Counted(counts.inPlace, "war schon am Platz", "waren schon am Platz"));
  add(counts.present, Counted(counts.present, "lag schon im Ziel", "lagen schon im Ziel"));
  add(counts.stayed, FilesText(counts.stayed) + notDone[kind]);
  add(counts.notReached, std::to_string(counts.notReached) + " nicht bearbeitet");
  return text;
}

RunReport MakeRunReport(const std::vector<FileOutcome>& outcomes, size_t notReached,
                        const std::string& recordPath, ReportOf of) {
  const ReportCounts counts = CountOutcomes(outcomes, notReached);
  RunReport report;
  report.kind = counts.stayed > 0 ? ReportKind::Warning : ReportKind::Information;
  report.summary = ReportSummary(counts, of);
  report.recordPath = recordPath;
  std::array<std::vector<std::string>, kGroups> groups;
  for (const FileOutcome& outcome : outcomes) {
    std::vector<std::string>& group = groups[static_cast<size_t>(GroupOf(outcome.result))];
    group.push_back(Line(outcome, of));
    // The copy in the second target follows on a line of its own.
    if (!outcome.backup.empty())
      group.push_back(EscapeText(outcome.source) + " -> " + EscapeText(outcome.backup));
  }
  report.lines.reserve(outcomes.size());
  for (std::vector<std::string>& group : groups)
    for (std::string& line : group)
      report.lines.push_back(std::move(line));
  return report;
}

std::string ReportListText(const RunReport& report) {
  std::string text;
  for (const std::string& line : report.lines)
    text += line + "\n";
  return text;
}
