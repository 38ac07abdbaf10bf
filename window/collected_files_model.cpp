#include "window/collected_files_model.h"

#include "run/collected_files.h"
#include "run/escaped_text.h"
#include "settings/qt_text.h"

#include <algorithm>
#include <limits>

void CollectedFilesModel::Show(const CollectedFiles* files) {
  beginResetModel();
  files_ = files;
  endResetModel();
}

int CollectedFilesModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !files_) return 0;
  // A view counts its rows in an int; beyond, the rows are not shown.
  return static_cast<int>(
      std::min<size_t>(files_->Size(), static_cast<size_t>(std::numeric_limits<int>::max())));
}

QVariant CollectedFilesModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return ToQString(EscapeText(files_->Path(static_cast<size_t>(index.row()))));
}
