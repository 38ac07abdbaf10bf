#include "window/report_dialog.h"

#include "window/run_report.h"
#include "settings/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Fits an 800x600 screen with room for the desktop's panel and the frame.
constexpr QSize kReportSize(720, 460);

} // namespace

ReportDialog::ReportDialog(const RunReport& report, QWidget* parent)
    : QDialog(parent), listText_(ReportListText(report)) {
  setObjectName("bericht");
  setWindowTitle(report.kind == ReportKind::Warning ? "Warnung" : "Informationen");
  setModal(true);
  resize(kReportSize);
  setMaximumSize(kReportSize);

  auto* summary = new QLabel(ToQString(report.summary), this);
  summary->setObjectName("zusammenfassung");
  summary->setWordWrap(true);
  summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* list = new QListWidget(this);
  list->setObjectName("dateien");
  // Every row one line high: a long list lays out at once.
  list->setUniformItemSizes(true);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QStringList items;
  items.reserve(static_cast<qsizetype>(report.lines.size()));
  for (const std::string& line : report.lines)
    items << ToQString(line);
  list->addItems(items);

  auto* record = new QLabel(this);
  record->setObjectName("aufzeichnung");
  record->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  record->setWordWrap(true);
  if (!report.recordPath.empty()) record->setText("Aufzeichnung: " + ToQString(report.recordPath));
  record->setVisible(!report.recordPath.empty());

  auto* copy = new QPushButton("&Kopieren", this);
  copy->setObjectName("kopieren");
  copy->setAutoDefault(false);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("okb");
  ok->setDefault(true);
  connect(copy, &QPushButton::clicked, this, &ReportDialog::OnCopyClicked);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addWidget(list, 1);
  layout->addWidget(record);
  layout->addLayout(buttons);
  ok->setFocus();
}

void ReportDialog::OnCopyClicked() {
  QApplication::clipboard()->setText(ToQString(listText_));
}
