#pragma once
// The window "Vorschau": every file of a dry run in a table (picture,
// source, target, date, where the date came from, and why a file would
// stay), a search field over the paths, Ctrl+C to copy the selected rows,
// and "Verteilen" (accepts the dialog: the caller starts the run) or
// "Schließen". Modal; sized to fit an 800 x 600 screen, and resizable.

#include "run/file_outcome.h"

#include <QDialog>
#include <vector>

class PreviewModel;
class QLineEdit;
class QPushButton;
class QTableView;

class PreviewDialog final : public QDialog {
  Q_OBJECT

public:
  PreviewDialog(std::vector<FileOutcome> plan, QWidget* parent = nullptr);

  PreviewModel& Model() const { return *model_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void CreateControls();
  void ConnectHandlers();
  void OnCopyPressed();

  PreviewModel* model_ = nullptr;
  QLineEdit* filterField_ = nullptr;
  QTableView* table_ = nullptr;
  QPushButton* distributeButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
};
