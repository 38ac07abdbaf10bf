#include "app/main_window.h"

#include "app/core/distribution_run.h"
#include "app/core/run_options.h"
#include "app/core/undo_run.h"
#include "app/distribute_icon.h"
#include "app/focus_marked_button.h"
#include "app/program_title.h"
#include "app/window_front_end.h"
#include "platform/modal.h"
#include "platform/user_folders.h"
#include "settings/control_placement.h"
#include "settings/disabled_text.h"
#include "settings/form_state.h"
#include "settings/options_dialog.h"
#include "settings/panel.h"
#include "settings/window_font.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <utility>

namespace {

constexpr int kClientWidth = 492;
constexpr int kClientHeight = 196;

QLineEdit* PlaceMirror(QWidget* parent, const char* name, int top) {
  auto* mirror = Place<QLineEdit>(parent, name, QRect(48, top, 433, 21));
  mirror->setReadOnly(true);
  mirror->setEnabled(false);
  UseReadableDisabledText(mirror, mirror->palette().color(QPalette::Disabled, QPalette::Base));
  return mirror;
}

QAction* AddItem(QMenu* menu, const char* name, const char* text) {
  auto* item = menu->addAction(QString::fromUtf8(text));
  item->setObjectName(name);
  return item;
}

} // namespace

MainWindow::MainWindow(std::string settingsPath, QWidget* parent)
    : QMainWindow(parent), settingsPath_(std::move(settingsPath)) {
  setObjectName("Form1");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(WindowFont());
  CreateMenu();
  CreateControls();
  ConnectHandlers();
  // The client area below the menu is fixed; the window is not resizable.
  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenu() {
  QMenuBar* MainMenu1 = menuBar();
  MainMenu1->setObjectName("MainMenu1");
  Datei1 = MainMenu1->addMenu("Datei");
  Datei1->setObjectName("Datei1");
  Rueckgaengig1 = AddItem(Datei1, "Rueckgaengig1", "Letzte Verteilung rückgängig machen…");
  Beenden1 = AddItem(Datei1, "Beenden1", "Beenden");
  Beenden1->setShortcut(QKeySequence(Qt::Key_Escape));
  Optionen1 = MainMenu1->addMenu("Optionen");
  Optionen1->setObjectName("Optionen1");
  Einstellungen1 = AddItem(Optionen1, "Einstellungen1", "Einstellungen");
  N1 = MainMenu1->addMenu("?");
  N1->setObjectName("N1");
  Spende1 = AddItem(N1, "Spende1", "Spende");
  N2 = N1->addSeparator();
  N2->setObjectName("N2");
  Info1 = AddItem(N1, "Info1", "Info");
}

void MainWindow::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  Label1 = PlaceLabel(client, "Label1", 8, 16, "Quelle:");
  quellee = PlaceMirror(client, "quellee", 16);
  Label2 = PlaceLabel(client, "Label2", 16, 48, "Ziel:");
  ziele = PlaceMirror(client, "ziele", 48);

  okb = Place<FocusMarkedButton>(client, "okb", QRect(8, 72, 473, 89));
  okb->setFlat(true);
  okb->setText("Bilder verteilen");
  okb->setIcon(DistributeIcon());
  okb->setIconSize(QSize(48, 48));

  // Docked to the bottom: the progress bar lowest, the status line above it.
  statusbarp =
      Place<Panel>(client, "statusbarp", QRect(0, kClientHeight - 10 - 21, kClientWidth, 21));
  statusbarp->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  statusbarp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pb = Place<QProgressBar>(client, "pb", QRect(0, kClientHeight - 10, kClientWidth, 10));
  pb->setMinimum(0);
  pb->setValue(0);
  pb->setTextVisible(false);

  verteilelb = Place<QListWidget>(client, "verteilelb", QRect());
  verteilelb->setSortingEnabled(false);
  verteilelb->hide();
  verteileflb = Place<QListView>(client, "verteileflb", QRect());
  verteileflb->hide();
}

void MainWindow::ConnectHandlers() {
  // Every handler runs guarded: an error ends it and shows the general error box.
  connect(okb, &QPushButton::clicked, this, GuardedHandler(this, &MainWindow::okbClick));
  connect(Rueckgaengig1, &QAction::triggered, this,
          GuardedHandler(this, &MainWindow::Rueckgaengig1Click));
  connect(Beenden1, &QAction::triggered, this, GuardedHandler(this, &MainWindow::Beenden1Click));
  connect(Einstellungen1, &QAction::triggered, this,
          GuardedHandler(this, &MainWindow::Einstellungen1Click));
  connect(Spende1, &QAction::triggered, this, GuardedHandler(this, &MainWindow::Spende1Click));
  connect(Info1, &QAction::triggered, this, GuardedHandler(this, &MainWindow::Info1Click));
}

void MainWindow::SetOptions(OptionsDialog* options) {
  options_ = options;
  frontEnd_ = std::make_unique<WindowFrontEnd>(statusbarp, pb, verteilelb, *options);
  run_ = std::make_unique<DistributionRun>(*frontEnd_);
  run_->RecordInto(RunRecordFolder());
  undo_ = std::make_unique<UndoRun>(*frontEnd_, RunRecordFolder());
}

bool MainWindow::Distributing() const {
  return (run_ && run_->Running()) || (undo_ && undo_->Running());
}

FolderMirrors MainWindow::Mirrors() const {
  return {quellee, ziele};
}

void MainWindow::FormCreate() {
  setWindowTitle(kMainWindowTitle);
  LoadFormState(settingsPath_, this);
}

void MainWindow::FormClose() {
  SaveFormState(settingsPath_, this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The run is further down the stack (this close came through its event
  // handling): it stops after the file in hand, and StartDistribution closes
  // the window once the run has returned.
  if (Distributing()) {
    run_->RequestStop();
    undo_->RequestStop();
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  // A section that cannot be written is reported, and the window closes all
  // the same: a program that cannot be ended would be worse than a stale
  // section.
  RunGuarded([this] { FormClose(); });
  event->accept();
}

void MainWindow::okbClick() {
  // A click during a run (events are handled between files) neither starts a
  // second run nor checks the folders, whose messages would open the options.
  if (!options_ || Distributing()) return;
  const FolderCheck check = CheckFolders(frontEnd_->Options());
  switch (check) {
  case FolderCheck::Ready:
    StartDistribution();
    return;
  case FolderCheck::NotChosen:
    CurrentModal().Information(FolderCheckText(check));
    break;
  case FolderCheck::SourceMissing:
    CurrentModal().Error(FolderCheckText(check));
    options_->MarkMissingFolder(FolderField::Source);
    break;
  case FolderCheck::TargetMissing:
    CurrentModal().Error(FolderCheckText(check));
    options_->MarkMissingFolder(FolderField::Target);
    break;
  }
  options_->ShowModal();
}

void MainWindow::StartDistribution() {
  if (!run_) return;
  RunGuarded([this] { run_->DistributeFiles(); });
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    close();
  }
}

void MainWindow::Rueckgaengig1Click() {
  // As a second click on the button: ignored while a run is in progress.
  if (!undo_ || Distributing()) return;
  RunGuarded([this] { undo_->TakeBack(); });
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    close();
  }
}

void MainWindow::Beenden1Click() {
  if (AskYesNo("Wirklich Beenden?")) close();
}

void MainWindow::Einstellungen1Click() {
  if (options_) options_->ShowModal();
}

void MainWindow::Spende1Click() {
  CurrentModal().Information("\r\n\r\nWer die Software mag und gerne etwas spenden möchte:\r\n\r\n"
                             "spende@tamrel-fotomaz.example\r\n\r\nDanke!");
}

void MainWindow::Info1Click() {
  CurrentModal().Information(std::string(kMainWindowTitle) +
                             "\r\n\r\nAutor: Tamrel Fotomaz Team\r\n\r\nNews && Updates:\r\n"
                             "https://tamrel-fotomaz.example");
}
