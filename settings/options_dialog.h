#pragma once
// The options dialog: the one home of the options while the program runs.
// The run reads them live through the accessors below; they reach the
// settings file only when the user presses "OK".

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QCheckBox;
class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QToolButton;
class Panel;

// The main window's read-only copies of the two folder fields.
struct FolderMirrors {
  QLineEdit* source = nullptr;
  QLineEdit* target = nullptr;
};

enum class FolderField { Source, Target, Backup };

class OptionsDialog : public QDialog {
  Q_OBJECT

public:
  // Restores the options from settingsPath at once, which also fills the
  // mirrors; so the main window must exist first.
  OptionsDialog(std::string settingsPath, FolderMirrors mirrors, QWidget* parent = nullptr);

  // Shows the dialog modally; returns when it is closed.
  void ShowModal();

  std::string SourceFolder() const;
  std::string TargetFolder() const;
  // The second target (sicherunge), or empty for none.
  std::string BackupFolder() const;
  bool AllFiles() const;
  bool Pictures() const;
  bool Videos() const;
  bool RenameByDate() const;
  bool KeepOriginalName() const;
  // Files whose bytes lie in the target already stay in the source.
  bool SkipIdentical() const;
  bool ModernFormats() const;
  bool Companions() const;
  // Each file is copied where it would be moved; the source stays.
  bool CopyInsteadOfMove() const;
  // 0 year, 1 year/month, 2 year/month/day, -1 none selected.
  int StructureIndex() const;
  // The value of the control of an option's key (run/option_table.h): a
  // folder field's text; a check box's 1 or 0, the drop-down list's entry
  // index (-1: none selected). A key without a control reads as its default.
  std::string KeyText(std::string_view key) const;
  int KeyNumber(std::string_view key) const;
  // Grows with every edit of an option, so a run reading the options once
  // per batch can tell that they changed without reading them all.
  uint64_t Changes() const { return changes_; }

  // Asked on "OK" before the options are stored: false keeps the dialog
  // open and stores nothing (the check has told the user why). The window
  // installs it, as the dialog knows no run and so none of its checks.
  void CheckBeforeStoring(std::function<bool()> check) { storeCheck_ = std::move(check); }

  // Paints a folder field dark red: its folder no longer exists. Choosing a
  // folder for the field paints it white again.
  void MarkMissingFolder(FolderField field);

protected:
  // Escape closes nothing here; only the buttons and the close box do.
  // Enter presses the push button that has the focus, and nothing else.
  void keyPressEvent(QKeyEvent* event) override;

private:
  void CreateControls();
  void ConnectHandlers();

  void OnCreated();
  void OnSourceBrowseClicked();
  void OnTargetBrowseClicked();
  void OnBackupBrowseClicked();
  void OnBackupClearClicked();
  void OnSourceChanged();
  void OnTargetChanged();
  void OnBackupChanged();
  void OnAllToggled();
  void ShowStructureExplanation();
  void OnOkClicked();
  void OnCancelClicked();

  void ChooseFolder(QLineEdit* field, const std::string& caption);

  std::string settingsPath_;
  FolderMirrors mirrors_;

  Panel* foldersPanel_ = nullptr;
  QLabel* sourceLabel_ = nullptr;
  QLineEdit* sourceField_ = nullptr;
  QToolButton* sourceBrowseButton_ = nullptr;
  QLabel* targetLabel_ = nullptr;
  QLineEdit* targetField_ = nullptr;
  QToolButton* targetBrowseButton_ = nullptr;
  QLabel* backupLabel_ = nullptr;
  QLineEdit* backupField_ = nullptr;
  QToolButton* backupClearButton_ = nullptr;
  QToolButton* backupBrowseButton_ = nullptr;
  QShortcut* sourceKey_ = nullptr; // Alt+Q
  QShortcut* targetKey_ = nullptr; // Alt+Z
  QShortcut* backupKey_ = nullptr; // Alt+S
  Panel* filesPanel_ = nullptr;
  QLabel* filesLabel_ = nullptr;
  QCheckBox* renameBox_ = nullptr;
  QCheckBox* keepNameBox_ = nullptr;
  QCheckBox* identicalBox_ = nullptr;
  QCheckBox* modernBox_ = nullptr;
  QCheckBox* companionsBox_ = nullptr;
  QCheckBox* copyBox_ = nullptr;
  QCheckBox* allBox_ = nullptr;
  QCheckBox* picturesBox_ = nullptr;
  QCheckBox* videosBox_ = nullptr;
  QLabel* allPatternsLabel_ = nullptr;
  QLabel* picturePatternsLabel_ = nullptr;
  QLabel* videoPatternsLabel_ = nullptr;
  QLabel* renameLabel_ = nullptr;
  QLabel* existingLabel_ = nullptr;
  Panel* structurePanel_ = nullptr;
  QLabel* structureLabel_ = nullptr;
  QComboBox* structureList_ = nullptr;
  QLabel* structureExplanation_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  uint64_t changes_ = 0;
  std::function<bool()> storeCheck_;
};

// Sets the background of a folder field (also while it is disabled), with a
// greyed-out text colour that stays readable on it.
void SetFieldColor(QLineEdit* field, const QColor& color);
