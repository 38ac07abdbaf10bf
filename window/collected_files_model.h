#pragma once
// The window's list of collected files, read from the run's own list: a run
// may collect a million files, and a list widget would hold every path a
// second time (as text, in an item of its own). A row's text is made when
// the view asks for it.

#include <QAbstractListModel>

class CollectedFiles;

class CollectedFilesModel final : public QAbstractListModel {
public:
  using QAbstractListModel::QAbstractListModel;

  // Shows files, which must stay as they are until the next Show (the run
  // keeps its list until its next run); null shows nothing.
  void Show(const CollectedFiles* files);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  // Each path escaped as every path the program shows.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
  const CollectedFiles* files_ = nullptr;
};
