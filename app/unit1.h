#pragma once
// The main window: shows the chosen folders (copies kept up to date by the
// options dialog), starts a run with "Bilder verteilen" and offers the menu.

#include <QMainWindow>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class Panel;
class Toptionenf;
struct FolderMirrors;

class TForm1 : public QMainWindow {
  Q_OBJECT

public:
  explicit TForm1(std::string settingsPath, QWidget* parent = nullptr);

  // The options dialog is created after this window; the checks and the run
  // read its controls.
  void SetOptions(Toptionenf* options);
  FolderMirrors Mirrors() const;

  Panel* StatusLine() const { return statusbarp; }
  QProgressBar* Progress() const { return pb; }
  QListWidget* FileList() const { return verteilelb; }

protected:
  void closeEvent(QCloseEvent* event) override;
  // Starts the distribution run once the folders are checked.
  virtual void StartDistribution();

private:
  void CreateControls();
  void CreateMenu();
  void ConnectHandlers();

  void FormCreate();
  void FormClose();
  void okbClick();
  void Beenden1Click();
  void Einstellungen1Click();
  void Spende1Click();
  void Info1Click();

  std::string settingsPath_;
  Toptionenf* options_ = nullptr;

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
  QAction* Beenden1 = nullptr;
  QMenu* Optionen1 = nullptr;
  QAction* Einstellungen1 = nullptr;
  QMenu* N1 = nullptr;
  QAction* Spende1 = nullptr;
  QAction* N2 = nullptr;
  QAction* Info1 = nullptr;
};
