#include "window/preview_dialog.h"

#include "window/file_picture.h"
#include "window/preview_model.h"
#include "settings/qt_text.h"
#include "settings/window_font.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Fits an 800 x 600 screen with the window's frame and a panel.
constexpr QSize kDialogSize{780, 520};
// A picture and a little air above and below it.
constexpr int kRowHeight = kFilePictureSize.height() + 4;

struct ColumnWidth {
  PreviewColumn column;
  int width;
};
constexpr ColumnWidth kColumnWidths[] = {
    {PreviewColumn::Picture, kFilePictureSize.width() + 8},
    {PreviewColumn::Source, 190},
    {PreviewColumn::Target, 190},
    {PreviewColumn::Date, 118},
    {PreviewColumn::DateSource, 78},
};

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(name);
  // Enter in the search field must not start a run.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

} // namespace

PreviewDialog::PreviewDialog(std::vector<FileOutcome> plan, QWidget* parent)
    : QDialog(parent), model_(new PreviewModel(std::move(plan), this)) {
  setObjectName("vorschauf");
  setWindowTitle("Vorschau");
  setModal(true);
  setFont(WindowFont());
  CreateControls();
  ConnectHandlers();
  resize(kDialogSize);
}

void PreviewDialog::CreateControls() {
  auto* filterLabel = new QLabel("S&uchen:", this);
  filterLabel->setObjectName("suchel");
  filterField_ = new QLineEdit(this);
  filterField_->setObjectName("suchee");
  filterField_->setClearButtonEnabled(true);
  filterLabel->setBuddy(filterField_);

  table_ = new QTableView(this);
  table_->setObjectName("vorschaulv");
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setIconSize(kFilePictureSize);
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideMiddle);
  table_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  // Fixed heights and widths: nothing is measured over all rows, so 50,000
  // rows open as fast as fifty.
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  table_->horizontalHeader()->setStretchLastSection(true);
  for (const ColumnWidth& width : kColumnWidths)
    table_->setColumnWidth(static_cast<int>(width.column), width.width);

  distributeButton_ = Button(this, "verteilenb", "&Verteilen");
  closeButton_ = Button(this, "schliessenb", "&Schließen");

  auto* filterRow = new QHBoxLayout;
  filterRow->addWidget(filterLabel);
  filterRow->addWidget(filterField_);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(distributeButton_);
  buttonRow->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filterRow);
  layout->addWidget(table_);
  layout->addLayout(buttonRow);
}

void PreviewDialog::ConnectHandlers() {
  connect(filterField_, &QLineEdit::textChanged, model_, &PreviewModel::SetFilter);
  // The table's own Ctrl+C copies the text of one cell; the rows are meant.
  table_->installEventFilter(this);
  connect(distributeButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

bool PreviewDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    OnCopyPressed();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void PreviewDialog::OnCopyPressed() {
  std::vector<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows())
    rows.push_back(index.row());
  if (rows.empty()) return;
  // In the table's order, however they were picked.
  std::sort(rows.begin(), rows.end());
  QApplication::clipboard()->setText(ToQString(model_->RowsText(rows)));
}
