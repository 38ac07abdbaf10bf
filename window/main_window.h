#pragma once
// The main window: shows the chosen folders (copies kept up to date by the
// options dialog), starts a run with "Bilder verteilen" and offers the menu.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class DistributionRun;
enum class FolderCheck;
enum class RunOutcome;
class PreviewFrontEnd;
class UndoRun;
class WindowFrontEnd;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QProgressBar;
class QShortcut;
class QPushButton;
class Panel;
class OptionsDialog;
struct FolderMirrors;
struct RunOptions;

class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit MainWindow(std::string settingsPath, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The options dialog is created after this window; the checks and the run
  // read its controls. Called once, before the window is shown.
  void SetOptions(OptionsDialog* options);
  FolderMirrors Mirrors() const;

  Panel* StatusLine() const { return statusLine_; }
  QProgressBar* Progress() const { return progress_; }
  QListView* FileList() const { return fileList_; }

  // True while a distribution run, an undo or a preview's dry run is in
  // progress.
  bool Distributing() const;

protected:
  // During a run the window stays open until the run has stopped. A settings
  // file that cannot be written is reported; the window closes anyway.
  void closeEvent(QCloseEvent* event) override;
  // Runs the distribution once the folders are checked. An error ends the
  // run at its file and is shown in the general error box.
  virtual void StartDistribution();

private:
  void CreateControls();
  void CreateMenu();
  void ConnectHandlers();
  // The checks of a click on "Bilder verteilen": false, with its message
  // shown and the options opened, when a folder is not chosen or missing.
  bool FoldersReady(const RunOptions& options);
  // Shows the message of a failed check and marks a missing folder's field.
  void ReportFolderCheck(FolderCheck check);
  // Runs with options in place of the dialog's, once its folders pass.
  void DistributeWith(const RunOptions& options);
  // Closes the window when a close came during the run that just returned;
  // true when it did.
  bool CloseIfAskedDuringRun();

  // Runs a run or an undo with the button reading "Anhalten"; shows the
  // report of a stopped one, or closes the window when a close waited.
  void RunWithStopButton(const std::function<RunOutcome()>& run);
  void StopRun();
  // A close during a run: asks whether to stop and quit (a signal does not
  // ask). True when the window is to close once the run has stopped.
  bool ConfirmStopAndQuit();

  void OnCreated();
  void OnClosing();
  void OnDistributeClicked();
  void OnPreviewTriggered();
  void OnUndoTriggered();
  void OnQuitTriggered();
  void OnSettingsTriggered();
  void OnDonateTriggered();
  void OnAboutTriggered();

  std::string settingsPath_;
  OptionsDialog* options_ = nullptr;
  std::unique_ptr<WindowFrontEnd> frontEnd_;
  std::unique_ptr<DistributionRun> run_;
  std::unique_ptr<UndoRun> undo_;
  std::unique_ptr<PreviewFrontEnd> previewFrontEnd_;
  std::unique_ptr<DistributionRun> previewRun_; // the preview's dry run
  // A close came during the run; the window closes once the run has returned.
  bool closeAfterRun_ = false;

  QLabel* sourceLabel_ = nullptr;
  QLineEdit* sourceMirror_ = nullptr;
  QLabel* targetLabel_ = nullptr;
  QLineEdit* targetMirror_ = nullptr;
  QPushButton* distributeButton_ = nullptr;
  Panel* statusLine_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QListView* fileList_ = nullptr;
  // Stand-in for the file list box of the target folder; the run lists
  // target folders itself, so it stays empty.
  QListView* targetFileList_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* previewItem_ = nullptr;
  QAction* undoItem_ = nullptr;
  QAction* quitItem_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  QAction* settingsItem_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* donateItem_ = nullptr;
  QAction* helpSeparator_ = nullptr;
  QAction* aboutItem_ = nullptr;
  QShortcut* menuKey_ = nullptr; // F10
};
