#include "window/main_window.h"

#include "platform/modal.h"
#include "platform/user_folders.h"
#include "run/distribution_run.h"
#include "run/run_options.h"
#include "run/undo_run.h"
#include "settings/control_placement.h"
#include "settings/disabled_text.h"
#include "settings/form_state.h"
#include "settings/options_dialog.h"
#include "settings/panel.h"
#include "settings/window_font.h"
#include "window/close_on_signal.h"
#include "window/distribute_icon.h"
#include "window/focus_marked_button.h"
#include "window/preview_dialog.h"
#include "window/preview_front_end.h"
#include "window/preview_model.h"
#include "window/program_title.h"
#include "window/window_front_end.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <utility>

// Resources of a static library are registered by hand.
static void InitWindowIcon() {
  Q_INIT_RESOURCE(window_icon);
}

namespace {

constexpr char kDistributeText[] = "Bilder verteilen";
constexpr char kStopText[] = "Anhalten";
constexpr char kStopAndQuitQuestion[] = "Die Verteilung läuft noch. Anhalten und beenden?";

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
  // From the program's resources, so a portable copy has it too.
  InitWindowIcon();
  QIcon icon;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
  setWindowIcon(icon);
  CreateMenu();
  CreateControls();
  ConnectHandlers();
  // The client area below the menu is fixed; the window is not resizable.
  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  OnCreated();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenu() {
  QMenuBar* menu = menuBar();
  menu->setObjectName("MainMenu1");
  fileMenu_ = menu->addMenu("&Datei");
  fileMenu_->setObjectName("Datei1");
  previewItem_ = AddItem(fileMenu_, "Vorschau1", "&Vorschau…");
  undoItem_ = AddItem(fileMenu_, "Rueckgaengig1", "Letzte Verteilung &rückgängig machen…");
  quitItem_ = AddItem(fileMenu_, "Beenden1", "&Beenden");
  quitItem_->setShortcut(QKeySequence(Qt::Key_Escape));
  optionsMenu_ = menu->addMenu("&Optionen");
  optionsMenu_->setObjectName("Optionen1");
  settingsItem_ = AddItem(optionsMenu_, "Einstellungen1", "&Einstellungen");
  helpMenu_ = menu->addMenu("?");
  helpMenu_->setObjectName("N1");
  donateItem_ = AddItem(helpMenu_, "Spende1", "&Spende");
  helpSeparator_ = helpMenu_->addSeparator();
  helpSeparator_->setObjectName("N2");
  aboutItem_ = AddItem(helpMenu_, "Info1", "&Info");
  // "?" has no letter: F10 opens the first menu, the arrows lead on.
  menuKey_ = new QShortcut(QKeySequence(Qt::Key_F10), this);
}

void MainWindow::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  sourceLabel_ = PlaceLabel(client, "Label1", 8, 16, "Quelle:");
  sourceMirror_ = PlaceMirror(client, "quellee", 16);
  targetLabel_ = PlaceLabel(client, "Label2", 16, 48, "Ziel:");
  targetMirror_ = PlaceMirror(client, "ziele", 48);

  distributeButton_ = Place<FocusMarkedButton>(client, "okb", QRect(8, 72, 473, 89));
  distributeButton_->setFlat(true);
  distributeButton_->setText(kDistributeText);
  distributeButton_->setIcon(DistributeIcon());
  distributeButton_->setIconSize(QSize(48, 48));

  // Docked to the bottom: the progress bar lowest, the status line above it.
  statusLine_ =
      Place<Panel>(client, "statusbarp", QRect(0, kClientHeight - 10 - 21, kClientWidth, 21));
  statusLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  statusLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  progress_ = Place<QProgressBar>(client, "pb", QRect(0, kClientHeight - 10, kClientWidth, 10));
  progress_->setMinimum(0);
  progress_->setValue(0);
  progress_->setTextVisible(false);

  fileList_ = Place<QListView>(client, "verteilelb", QRect());
  fileList_->hide();
  targetFileList_ = Place<QListView>(client, "verteileflb", QRect());
  targetFileList_->hide();
}

void MainWindow::ConnectHandlers() {
  // Every handler runs guarded: an error ends it and shows the general error box.
  connect(distributeButton_, &QPushButton::clicked, this,
          GuardedHandler(this, &MainWindow::OnDistributeClicked));
  connect(previewItem_, &QAction::triggered, this,
          GuardedHandler(this, &MainWindow::OnPreviewTriggered));
  // The menu is the only way to the preview: it is offered when no run is.
  connect(fileMenu_, &QMenu::aboutToShow, this,
          [this] { previewItem_->setEnabled(!Distributing()); });
  connect(undoItem_, &QAction::triggered, this, GuardedHandler(this, &MainWindow::OnUndoTriggered));
  connect(quitItem_, &QAction::triggered, this, GuardedHandler(this, &MainWindow::OnQuitTriggered));
  connect(settingsItem_, &QAction::triggered, this,
          GuardedHandler(this, &MainWindow::OnSettingsTriggered));
  connect(donateItem_, &QAction::triggered, this,
          GuardedHandler(this, &MainWindow::OnDonateTriggered));
  connect(aboutItem_, &QAction::triggered, this,
          GuardedHandler(this, &MainWindow::OnAboutTriggered));
  connect(menuKey_, &QShortcut::activated, this,
          [this] { menuBar()->setActiveAction(fileMenu_->menuAction()); });
  // A long path is cut off in its field; the tip shows all of it.
  for (QLineEdit* mirror : {sourceMirror_, targetMirror_})
    connect(mirror, &QLineEdit::textChanged, mirror, &QLineEdit::setToolTip);
}

void MainWindow::SetOptions(OptionsDialog* options) {
  options_ = options;
  frontEnd_ = std::make_unique<WindowFrontEnd>(statusLine_, progress_, fileList_, *options);
  run_ = std::make_unique<DistributionRun>(*frontEnd_);
  run_->RecordInto(RunRecordFolder());
  undo_ = std::make_unique<UndoRun>(*frontEnd_, RunRecordFolder());
  previewFrontEnd_ = std::make_unique<PreviewFrontEnd>(*frontEnd_);
  previewRun_ = std::make_unique<DistributionRun>(*previewFrontEnd_, RunMode::DryRun);
  // The second target is checked before it is stored, so a stored one is
  // refused at a run's start only when a folder changed since.
  options->CheckBeforeStoring([this] {
    const FolderCheck check = CheckBackupFolder(DialogOptions(*options_));
    if (check == FolderCheck::Ready) return true;
    ReportFolderCheck(check);
    return false;
  });
}

bool MainWindow::Distributing() const {
  return (run_ && run_->Running()) || (undo_ && undo_->Running()) ||
         (previewRun_ && previewRun_->Running());
}

FolderMirrors MainWindow::Mirrors() const {
  return {sourceMirror_, targetMirror_};
}

void MainWindow::OnCreated() {
  setWindowTitle(kMainWindowTitle);
  LoadFormState(settingsPath_, this);
}

void MainWindow::OnClosing() {
  SaveFormState(settingsPath_, this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The run is further down the stack (this close came through its event
  // handling): it stops after the files in hand, and the window closes once
  // the run has returned.
  if (Distributing()) {
    if (property(kClosingOnSignal).toBool()) {
      StopRun();
      closeAfterRun_ = true;
    } else {
      ConfirmStopAndQuit();
    }
    event->ignore();
    return;
  }
  // A section that cannot be written is reported, and the window closes all
  // the same: a program that cannot be ended would be worse than a stale
  // section.
  try {
    OnClosing();
  } catch (const std::exception& error) {
    CurrentModal().Error(ApplicationErrorText(error.what()));
  }
  event->accept();
}

bool MainWindow::ConfirmStopAndQuit() {
  if (closeAfterRun_) return true; // asked already
  if (!CurrentModal().AskYesNo(kStopAndQuitQuestion)) return false;
  StopRun();
  closeAfterRun_ = true;
  return true;
}

void MainWindow::StopRun() {
  run_->RequestStop();
  undo_->RequestStop();
  previewRun_->RequestStop();
}

void MainWindow::OnDistributeClicked() {
  // During a run (events are handled between files) the button reads
  // "Anhalten": the run stops after the files in hand.
  if (Distributing()) {
    StopRun();
    return;
  }
  if (options_ && FoldersReady(frontEnd_->Options())) StartDistribution();
}

bool MainWindow::FoldersReady(const RunOptions& options) {
  const FolderCheck check = CheckFolders(options);
  if (check == FolderCheck::Ready) return true;
  ReportFolderCheck(check);
  options_->ShowModal();
  return false;
}

void MainWindow::ReportFolderCheck(FolderCheck check) {
  switch (check) {
  case FolderCheck::Ready:
    return;
  case FolderCheck::NotChosen:
    CurrentModal().Information(FolderCheckText(check));
    return;
  case FolderCheck::SourceMissing:
    CurrentModal().Error(FolderCheckText(check));
    options_->MarkMissingFolder(FolderField::Source);
    return;
  case FolderCheck::TargetMissing:
    CurrentModal().Error(FolderCheckText(check));
    options_->MarkMissingFolder(FolderField::Target);
    return;
  case FolderCheck::BackupMissing:
    CurrentModal().Error(FolderCheckText(check));
    options_->MarkMissingFolder(FolderField::Backup);
    return;
  case FolderCheck::BackupInside:
    CurrentModal().Error(FolderCheckText(check));
    return;
  }
}

void MainWindow::OnPreviewTriggered() {
  if (!options_ || Distributing()) return;
  const RunOptions options = frontEnd_->Options();
  if (!FoldersReady(options)) return;
  // The dry run shows its progress in the status line as a run does; the
  // line is left as it was, so "Fertig!" never reads as a finished run.
  const QString status = statusLine_->caption();
  std::optional<std::vector<FileOutcome>> plan;
  RunGuarded([&] { plan = PlanPreview(*previewFrontEnd_, *previewRun_, options); });
  statusLine_->setCaption(status);
  CloseIfAskedDuringRun();
  if (!plan || !isVisible()) return;
  PreviewDialog preview(std::move(*plan), this);
  if (options.copy) preview.Model().ShowAsCopies();
  if (preview.exec() == QDialog::Accepted) DistributeWith(options);
}

void MainWindow::DistributeWith(const RunOptions& options) {
  if (!FoldersReady(options)) return;
  frontEnd_->HoldOptions(options);
  StartDistribution();
  frontEnd_->HoldOptions(std::nullopt);
}

void MainWindow::StartDistribution() {
  if (run_) RunWithStopButton([this] { return run_->DistributeFiles(); });
}

void MainWindow::RunWithStopButton(const std::function<RunOutcome()>& run) {
  distributeButton_->setText(kStopText);
  RunOutcome outcome = RunOutcome::Completed;
  RunGuarded([&] { outcome = run(); });
  distributeButton_->setText(kDistributeText);
  if (CloseIfAskedDuringRun()) return;
  if (outcome == RunOutcome::Stopped) RunGuarded([this] { frontEnd_->ShowStopReport(); });
}

bool MainWindow::CloseIfAskedDuringRun() {
  if (!closeAfterRun_) return false;
  closeAfterRun_ = false;
  close();
  return true;
}

void MainWindow::OnUndoTriggered() {
  // Ignored while a run is in progress; the button stops that one.
  if (!undo_ || Distributing()) return;
  RunWithStopButton([this] { return undo_->TakeBack(); });
}

void MainWindow::OnQuitTriggered() {
  if (Distributing()) {
    ConfirmStopAndQuit();
    return;
  }
  if (CurrentModal().AskYesNo("Wirklich Beenden?")) close();
}

void MainWindow::OnSettingsTriggered() {
  if (options_) options_->ShowModal();
}

void MainWindow::OnDonateTriggered() {
  CurrentModal().Information("\r\n\r\nWer die Software mag und gerne etwas spenden möchte:\r\n\r\n"
                             "spende@tamrel-fotomaz.example\r\n\r\nDanke!");
}

void MainWindow::OnAboutTriggered() {
  CurrentModal().Information(std::string(kMainWindowTitle) +
                             "\r\n\r\nAutor: Tamrel Fotomaz Team\r\n\r\nNews && Updates:\r\n"
                             "https://tamrel-fotomaz.example");
}
