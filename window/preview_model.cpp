#include "window/preview_model.h"

#include "run/escaped_text.h"
#include "run/run_texts.h"
#include "settings/qt_text.h"
#include "window/file_picture.h"
#include "window/preview_texts.h"

#include <algorithm>
#include <array>

namespace {

// Pictures kept: a few screens of rows, some 2 MB.
constexpr int kPicturesKept = 400;

constexpr std::array<const char*, static_cast<size_t>(PreviewColumn::Count)> kHeadings = {
    "Bild", "Quelle", "Ziel", "Datum", "Datum aus", "Grund"};
// The target column of a copy run's plan.
constexpr char kCopyTargetHeading[] = "Ziel (kopieren)";

bool Stays(const FileOutcome& outcome) {
  return outcome.result == FileResult::Stayed || outcome.result == FileResult::AlreadyInTarget;
}

std::string DateText(const FileOutcome& outcome) {
  return outcome.dated ? GermanDateText(outcome.dated->date) : std::string();
}

std::string DateSourceOf(const FileOutcome& outcome) {
  return outcome.dated ? DateSourceText(*outcome.dated) : "";
}

} // namespace

void SortForPreview(std::vector<FileOutcome>& plan) {
  std::sort(plan.begin(), plan.end(), [](const FileOutcome& a, const FileOutcome& b) {
    const bool aStays = Stays(a), bStays = Stays(b);
    if (aStays != bStays) return bStays;
    const int byKey = (aStays ? a.source : a.target).compare(bStays ? b.source : b.target);
    return byKey != 0 ? byKey < 0 : a.source < b.source;
  });
}

std::string PreviewReasonText(const FileOutcome& outcome) {
  switch (outcome.result) {
  case FileResult::Moved:
  case FileResult::Back:
  case FileResult::Removed:
    return {};
  case FileResult::InPlace:
    return "liegt schon an seinem Platz";
  case FileResult::AlreadyInTarget:
    return kAlreadyInTargetText;
  case FileResult::Stayed:
    break;
  }
  return StayReasonText(outcome);
}

PreviewModel::PreviewModel(std::vector<FileOutcome> plan, QObject* parent)
    : QAbstractTableModel(parent), pictures_(kPicturesKept) {
  SortForPreview(plan);
  rows_.reserve(plan.size());
  for (FileOutcome& outcome : plan) {
    QString source = ToQString(EscapeText(outcome.source));
    QString target = ToQString(EscapeText(outcome.target));
    rows_.push_back({std::move(outcome), std::move(source), std::move(target)});
  }
  SetFilter({});
}

int PreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int PreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(PreviewColumn::Count);
}

const FileOutcome& PreviewModel::Outcome(int row) const {
  return rows_[static_cast<size_t>(shown_.at(static_cast<size_t>(row)))].outcome;
}

QVariant PreviewModel::Text(const Row& row, PreviewColumn column) const {
  switch (column) {
  case PreviewColumn::Source:
    return row.source;
  case PreviewColumn::Target:
    return row.target;
  case PreviewColumn::Date:
    return ToQString(DateText(row.outcome));
  case PreviewColumn::DateSource:
    return ToQString(DateSourceOf(row.outcome));
  case PreviewColumn::Reason:
    return ToQString(PreviewReasonText(row.outcome));
  case PreviewColumn::Picture:
  case PreviewColumn::Count:
    break;
  }
  return {};
}

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const int shown = shown_[static_cast<size_t>(index.row())];
  const Row& row = rows_[static_cast<size_t>(shown)];
  const auto column = static_cast<PreviewColumn>(index.column());
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return Text(row, column);
  if (role != Qt::DecorationRole || column != PreviewColumn::Picture) return {};
  // A folder that could not be read has no picture.
  if (row.outcome.reason == StayReason::FolderUnreadable &&
      row.outcome.result == FileResult::Stayed)
    return {};
  if (const QPixmap* cached = pictures_.object(shown)) return *cached;
  ++picturesLoaded_;
  auto* picture = new QPixmap(FilePicture(row.outcome.source));
  const QPixmap shownPicture = *picture;
  pictures_.insert(shown, picture);
  return shownPicture;
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= columnCount())
    return {};
  if (copies_ && section == static_cast<int>(PreviewColumn::Target))
    return QString::fromUtf8(kCopyTargetHeading);
  return QString::fromUtf8(kHeadings[static_cast<size_t>(section)]);
}

void PreviewModel::ShowAsCopies() {
  copies_ = true;
  const int target = static_cast<int>(PreviewColumn::Target);
  emit headerDataChanged(Qt::Horizontal, target, target);
}

void PreviewModel::SetFilter(const QString& text) {
  beginResetModel();
  shown_.clear();
  for (size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    if (text.isEmpty() || row.source.contains(text, Qt::CaseInsensitive) ||
        row.target.contains(text, Qt::CaseInsensitive))
      shown_.push_back(static_cast<int>(i));
  }
  endResetModel();
}

std::string PreviewModel::RowsText(const std::vector<int>& rows) const {
  std::string text;
  for (const int row : rows) {
    const FileOutcome& outcome = Outcome(row);
    text += EscapeText(outcome.source) + "\t" + EscapeText(outcome.target) + "\t" +
            DateText(outcome) + "\t" + DateSourceOf(outcome) + "\t" +
            EscapeText(PreviewReasonText(outcome)) + "\n";
  }
  return text;
}
