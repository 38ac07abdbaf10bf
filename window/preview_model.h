#pragma once
// The rows of the preview: what a dry run says would become of each file,
// sorted by target path (files that would stay after all others, by source
// path), so a file's companions, which share its target name, stand beside
// it. A filter text keeps the rows whose source or target path holds it,
// ignoring case. Pictures are loaded only when a view asks for a row's
// picture, that is when the row scrolls into view, and the last few hundred
// are kept.

#include "run/file_outcome.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QPixmap>
#include <string>
#include <vector>

enum class PreviewColumn { Picture, Source, Target, Date, DateSource, Reason, Count };

// The preview's order: moves (and files already in place) by target path,
// then the files that would stay, by source path.
void SortForPreview(std::vector<FileOutcome>& plan);

// The reason column of a row: empty for a move.
std::string PreviewReasonText(const FileOutcome& outcome);

class PreviewModel final : public QAbstractTableModel {
  Q_OBJECT

public:
  explicit PreviewModel(std::vector<FileOutcome> plan, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // The plan is a copy run's (kopiercb): the target column says so.
  void ShowAsCopies();

  // Shows only the rows whose source or target path holds text, ignoring
  // case; every row for an empty text.
  void SetFilter(const QString& text);
  // The outcome shown in row.
  const FileOutcome& Outcome(int row) const;
  // The shown rows given, in their order, one line each: source, target,
  // date, date source and reason, separated by tabs, every text escaped as
  // in the log (a tab or line break in a name cannot break a line).
  std::string RowsText(const std::vector<int>& rows) const;
  // How many pictures have been loaded so far.
  int PicturesLoaded() const { return picturesLoaded_; }

private:
  struct Row {
    FileOutcome outcome;
    QString source; // escaped, as shown
    QString target;
  };
  QVariant Text(const Row& row, PreviewColumn column) const;

  std::vector<Row> rows_;
  std::vector<int> shown_; // indexes into rows_ that pass the filter
  mutable QCache<int, QPixmap> pictures_;
  mutable int picturesLoaded_ = 0;
  bool copies_ = false;
};
