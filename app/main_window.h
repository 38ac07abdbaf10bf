#pragma once
// The main window: shows the chosen folders (copies kept up to date by the
// options dialog), starts a run with "Bilder verteilen" and offers the menu.

#include <QMainWindow>
#include <memory>
#include <string>

class DistributionRun;
class UndoRun;
class WindowFrontEnd;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class Panel;
class OptionsDialog;
struct FolderMirrors;

class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit MainWindow(std::string settingsPath, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The options dialog is created after this window; the checks and the run
  // read its controls. Called once, before the window is shown.
  void SetOptions(OptionsDialog* options);
  FolderMirrors Mirrors() const;

  Panel* StatusLine() const { return statusbarp; }
  QProgressBar* Progress() const { return pb; }
  QListWidget* FileList() const { return verteilelb; }

  // True while a distribution run or an undo is in progress.
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

  void FormCreate();
  void FormClose();
  void okbClick();
  void Rueckgaengig1Click();
  void Beenden1Click();
  void Einstellungen1Click();
  void Spende1Click();
  void Info1Click();

  std::string settingsPath_;
  OptionsDialog* options_ = nullptr;
  std::unique_ptr<WindowFrontEnd> frontEnd_;
  std::unique_ptr<DistributionRun> run_;
  std::unique_ptr<UndoRun> undo_;
  // A close came during the run; the window closes once the run has returned.
  bool closeAfterRun_ = false;

  QLabel* Label1 = nullptr;
  QLineEdit* quellee = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* ziele = nullptr;
  QPushButton* okb = nullptr;
  Panel* statusbarp = nullptr;
  QProgressBar* pb = nullptr;
  QListWidget* verteilelb = nullptr;
  // Stand-in for the file list box of the target folder; the run lists
  // target folders itself, so it stays empty.
  QListView* verteileflb = nullptr;
  QMenu* Datei1 = nullptr;
  QAction* Rueckgaengig1 = nullptr;
  QAction* Beenden1 = nullptr;
  QMenu* Optionen1 = nullptr;
  QAction* Einstellungen1 = nullptr;
  QMenu* N1 = nullptr;
  QAction* Spende1 = nullptr;
  QAction* N2 = nullptr;
  QAction* Info1 = nullptr;
};
