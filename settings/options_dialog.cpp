#include "settings/options_dialog.h"

#include "platform/modal.h"
#include "platform/path_text.h"
#include "run/option_table.h"
#include "settings/clear_icon.h"
#include "settings/control_placement.h"
#include "settings/control_tag.h"
#include "settings/disabled_text.h"
#include "settings/form_state.h"
#include "settings/panel.h"
#include "settings/qt_text.h"
#include "settings/search_icon.h"
#include "settings/window_font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <array>
#include <utility>

namespace {

constexpr std::array<const char*, 3> kStructureEntries = {
    "Jahr -> Bilder", "Jahr - Monat -> Bilder", "Jahr - Monat - Tag -> Bilder"};

constexpr std::array<const char*, 3> kStructureExplanations = {
    "Ordner Jahr, darin dann alle Dateien", "Ordner Jahr, darin Ordner Monat, darin alle Dateien",
    "Ordner Jahr, darin Ordner Monat, darin Order mit Tag, darin alle Dateien"};

const QColor kDarkRed(128, 0, 0);
const QColor kPanelGrey(192, 192, 192);

// The heading "Schon vorhandene Dateien" adds one label row to Panel 2:
// the rows below it, Panel 3 and the dialog move down by this much.
constexpr int kExistingHeadingRow = 16;
// "Kopieren statt verschieben" takes a check box row of its own below the
// companions: the rows below it, Panel 3 and the dialog move down by this.
constexpr int kCopyRow = 24;

// The second target takes a label and a field row of its own below the
// target's in Panel 1: Panel 1 grows, and the panels below and the dialog
// move down by this.
constexpr int kBackupRows = 48;

// Below this window lightness (0 to 255) the desktop's palette is dark: the
// silver panels would glare there, so they follow the palette.
constexpr int kDarkPaletteLightness = 128;

// The panels' colour: silver, or the palette's window colour on a dark desktop.
QColor PanelColor(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  return window.lightness() < kDarkPaletteLightness ? window : kPanelGrey;
}

Panel* PlacePanel(QWidget* parent, const char* name, QRect geometry) {
  auto* panel = Place<Panel>(parent, name, geometry);
  // A raised inner and a lowered outer bevel: an etched frame.
  panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, PanelColor(palette));
  panel->setPalette(palette);
  return panel;
}

// As wide as the row leaves room for: the second target's row also holds
// the button that empties it.
QLineEdit* PlaceFolderField(QWidget* parent, const char* name, int left, int top, int width = 353) {
  auto* field = Place<QLineEdit>(parent, name, QRect(left, top, width, 19));
  field->setEnabled(false);
  SetTag(field, 1);
  SetFieldColor(field, Qt::white);
  return field;
}

QToolButton* PlaceFolderButton(QWidget* parent, const char* name, int left, int top,
                               const char* hint, QIcon (*picture)(const QColor&) = SearchIcon) {
  auto* button = Place<QToolButton>(parent, name, QRect(left, top, 20, 20));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::StrongFocus);
  const bool dark = PanelColor(parent->palette()).lightness() < kDarkPaletteLightness;
  button->setIcon(picture(dark ? kSearchInkOnDark : kSearchInkOnLight));
  button->setIconSize(QSize(16, 16));
  button->setToolTip(QString::fromUtf8(hint));
  return button;
}

// Checked as the option table's default for the box's key, its name.
QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, int left, int top, int width,
                         const char* text) {
  auto* box = Place<QCheckBox>(parent, name, QRect(left, top, width, 17));
  box->setText(QString::fromUtf8(text));
  box->setChecked(KeyDefault(name) != 0);
  SetTag(box, 1);
  UseReadableDisabledText(box, PanelColor(parent->palette()));
  return box;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, int left, int top, const char* text) {
  auto* button = Place<QPushButton>(parent, name, QRect(left, top, 75, 25));
  button->setText(QString::fromUtf8(text));
  // Neither button is the default: a dialog button would otherwise take
  // every Enter, even on a check box, and "OK" stores the options for good.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

} // namespace

void SetFieldColor(QLineEdit* field, const QColor& color) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, color); // every colour group, the disabled one included
  field->setPalette(palette);
  UseReadableDisabledText(field, color);
}

OptionsDialog::OptionsDialog(std::string settingsPath, FolderMirrors mirrors, QWidget* parent)
    : QDialog(parent), settingsPath_(std::move(settingsPath)), mirrors_(mirrors) {
  setObjectName("optionenf");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle("Optionen");
  setFont(WindowFont());
  setFixedSize(526, 475 + kExistingHeadingRow + kCopyRow + kBackupRows);
  CreateControls();
  ConnectHandlers();
  OnCreated();
}

// Created in the order the settings file lists the options (see form_state.h).
void OptionsDialog::CreateControls() {
  foldersPanel_ = PlacePanel(this, "Panel1", QRect(16, 16, 409, 113 + kBackupRows));
  sourceLabel_ =
      PlaceLabel(foldersPanel_, "Label1", 16, 8,
                 "Quellverzeichnis + ALLE darin enthaltenen Unterordner", LabelStyle::Bold);
  sourceField_ = PlaceFolderField(foldersPanel_, kSourceKey, 16, 28);
  sourceBrowseButton_ =
      PlaceFolderButton(foldersPanel_, "quellsuchsb", 376, 29, "Quellverzeichnis auswählen");
  targetLabel_ =
      PlaceLabel(foldersPanel_, "Label2", 16, 56,
                 "Zielverzeichnis + ALLE darin enthaltenen Unterordner", LabelStyle::Bold);
  targetField_ = PlaceFolderField(foldersPanel_, kTargetKey, 16, 76);
  targetBrowseButton_ =
      PlaceFolderButton(foldersPanel_, "zielsuchsb", 376, 77, "Zielverzeichnis auswählen");
  backupLabel_ =
      PlaceLabel(foldersPanel_, "Label10", 16, 104,
                 "Sicherungsordner (zweite Kopie jeder Datei, leer: keiner)", LabelStyle::Bold);
  backupField_ = PlaceFolderField(foldersPanel_, kBackupKey, 16, 124, 327);
  backupClearButton_ = PlaceFolderButton(foldersPanel_, "sicherungleersb", 349, 125,
                                         "Keinen Sicherungsordner verwenden", ClearIcon);
  backupClearButton_->setEnabled(false);
  backupBrowseButton_ =
      PlaceFolderButton(foldersPanel_, "sicherungsuchsb", 376, 125, "Sicherungsordner auswählen");

  filesPanel_ = PlacePanel(this, "Panel2",
                           QRect(16, 140 + kBackupRows, 409, 205 + kExistingHeadingRow + kCopyRow));
  filesLabel_ = PlaceLabel(filesPanel_, "Label5", 16, 12, "Folgende Dateien:", LabelStyle::Bold);
  renameBox_ =
      PlaceCheckBox(filesPanel_, kRenameKey, 16, 136 + kCopyRow, 377,
                    "Dateien automatisch umbenennen in Datum (sofern EXIF Daten vorhanden)");
  keepNameBox_ =
      PlaceCheckBox(filesPanel_, kKeepNameKey, 32, 160 + kCopyRow, 153, "Originalnamen anhängen");
  // Its own heading, so that it is not read as a renaming option.
  existingLabel_ = PlaceLabel(filesPanel_, "Label9", 16, 184 + kCopyRow, "Schon vorhandene Dateien",
                              LabelStyle::Bold);
  identicalBox_ =
      PlaceCheckBox(filesPanel_, kIdenticalKey, 16, 184 + kExistingHeadingRow + kCopyRow, 377,
                    "Gleiche Dateien, die schon im Ziel liegen, nicht noch einmal ablegen");
  allBox_ = PlaceCheckBox(filesPanel_, kAllFilesKey, 16, 32, 97, "Alle");
  picturesBox_ = PlaceCheckBox(filesPanel_, kPicturesKey, 136, 32, 97, "Bilder");
  videosBox_ = PlaceCheckBox(filesPanel_, kVideosKey, 272, 32, 97, "Videos");
  modernBox_ =
      PlaceCheckBox(filesPanel_, kModernFormatsKey, 16, 64, 377,
                    "Auch HEIC, RAW und MP4 einbeziehen (Aufnahmedatum aus den Metadaten)");
  companionsBox_ = PlaceCheckBox(filesPanel_, kCompanionsKey, 16, 88, 377,
                                 "RAW+JPEG, XMP und Live-Fotos gemeinsam verteilen");
  copyBox_ = PlaceCheckBox(filesPanel_, kCopyKey, 16, 112, 377,
                           "Kopieren statt verschieben (Quelle bleibt unverändert)");
  allPatternsLabel_ = PlaceLabel(filesPanel_, "Label8", 35, 48, "*.*");
  picturePatternsLabel_ = PlaceLabel(filesPanel_, "Label6", 136, 48, "jpg, tif, png, bmp, gif");
  videoPatternsLabel_ = PlaceLabel(filesPanel_, "Label7", 272, 48, "mpg, avi, mov, divx, m2ts");
  renameLabel_ =
      PlaceLabel(filesPanel_, "Label3", 16, 120 + kCopyRow, "Dateinamen ändern", LabelStyle::Bold);

  structurePanel_ = PlacePanel(
      this, "Panel3", QRect(16, 372 + kExistingHeadingRow + kCopyRow + kBackupRows, 409, 89));
  structureLabel_ =
      PlaceLabel(structurePanel_, "Label4", 16, 16, "Ordnerstruktur", LabelStyle::Bold);
  structureList_ = Place<QComboBox>(structurePanel_, kStructureKey, QRect(16, 36, 169, 21));
  for (const char* entry : kStructureEntries)
    structureList_->addItem(QString::fromUtf8(entry));
  structureList_->setCurrentIndex(KeyDefault(kStructureKey));
  SetTag(structureList_, 1);
  structureExplanation_ = PlaceLabel(structurePanel_, "erkll", 16, 64, "Erklärung...");

  okButton_ = PlaceButton(this, "okb", 440, 16, "OK");
  cancelButton_ = PlaceButton(this, "Abbruch", 440, 48, "Abbruch");

  // The disabled folder fields take no focus; each folder button stands in
  // its field's place, and Alt+Q, Alt+Z and Alt+S lead to them.
  setTabOrder(sourceBrowseButton_, targetBrowseButton_);
  setTabOrder(targetBrowseButton_, backupBrowseButton_);
  setTabOrder(backupBrowseButton_, backupClearButton_);
  setTabOrder(backupClearButton_, renameBox_);
  setTabOrder(renameBox_, keepNameBox_);
  setTabOrder(keepNameBox_, identicalBox_);
  setTabOrder(identicalBox_, allBox_);
  setTabOrder(allBox_, picturesBox_);
  setTabOrder(picturesBox_, videosBox_);
  setTabOrder(videosBox_, modernBox_);
  setTabOrder(modernBox_, companionsBox_);
  setTabOrder(companionsBox_, copyBox_);
  setTabOrder(copyBox_, structureList_);
  setTabOrder(structureList_, okButton_);
  setTabOrder(okButton_, cancelButton_);
  sourceKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Q), this);
  targetKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Z), this);
  backupKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), this);
  renameBox_->setFocus();
}

void OptionsDialog::ConnectHandlers() {
  // Every handler runs guarded: an error ends it and shows the general error box.
  connect(sourceBrowseButton_, &QToolButton::clicked, this,
          GuardedHandler(this, &OptionsDialog::OnSourceBrowseClicked));
  connect(targetBrowseButton_, &QToolButton::clicked, this,
          GuardedHandler(this, &OptionsDialog::OnTargetBrowseClicked));
  connect(backupBrowseButton_, &QToolButton::clicked, this,
          GuardedHandler(this, &OptionsDialog::OnBackupBrowseClicked));
  connect(backupClearButton_, &QToolButton::clicked, this,
          GuardedHandler(this, &OptionsDialog::OnBackupClearClicked));
  // textChanged and toggled also report changes made by the program, as
  // loading the settings needs; activated reports only the user's pick.
  connect(sourceField_, &QLineEdit::textChanged, this,
          GuardedHandler(this, &OptionsDialog::OnSourceChanged));
  connect(targetField_, &QLineEdit::textChanged, this,
          GuardedHandler(this, &OptionsDialog::OnTargetChanged));
  connect(backupField_, &QLineEdit::textChanged, this,
          GuardedHandler(this, &OptionsDialog::OnBackupChanged));
  connect(allBox_, &QCheckBox::toggled, this, GuardedHandler(this, &OptionsDialog::OnAllToggled));
  connect(structureList_, &QComboBox::activated, this,
          GuardedHandler(this, &OptionsDialog::ShowStructureExplanation));
  // Any edit counts as a change for a run in progress (Changes).
  const auto changed = [this] { ++changes_; };
  connect(sourceField_, &QLineEdit::textChanged, this, changed);
  connect(targetField_, &QLineEdit::textChanged, this, changed);
  connect(backupField_, &QLineEdit::textChanged, this, changed);
  for (QCheckBox* box : {renameBox_, keepNameBox_, identicalBox_, modernBox_, companionsBox_,
                         copyBox_, allBox_, picturesBox_, videosBox_})
    connect(box, &QCheckBox::toggled, this, changed);
  connect(structureList_, &QComboBox::currentIndexChanged, this, changed);
  for (const auto& [key, button] :
       {std::pair{sourceKey_, sourceBrowseButton_}, std::pair{targetKey_, targetBrowseButton_},
        std::pair{backupKey_, backupBrowseButton_}}) {
    QToolButton* target = button;
    connect(key, &QShortcut::activated, target,
            [target] { target->setFocus(Qt::ShortcutFocusReason); });
  }
  connect(okButton_, &QPushButton::clicked, this,
          GuardedHandler(this, &OptionsDialog::OnOkClicked));
  connect(cancelButton_, &QPushButton::clicked, this,
          GuardedHandler(this, &OptionsDialog::OnCancelClicked));
}

void OptionsDialog::OnCreated() {
  LoadFormState(settingsPath_, this);
  ShowStructureExplanation();
}

void OptionsDialog::ShowModal() {
  exec();
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
  case Qt::Key_Escape:
    event->accept();
    return;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    // Reaches the dialog only when the focused control did not take it.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
    if (auto* button = qobject_cast<QToolButton*>(focusWidget())) button->click();
    event->accept();
    return;
  default:
    QDialog::keyPressEvent(event);
  }
}

void OptionsDialog::ChooseFolder(QLineEdit* field, const std::string& caption) {
  const std::optional<std::string> folder = CurrentModal().BrowseFolder(caption);
  if (!folder) return;
  field->setText(ToQString(WithBackslash(*folder)));
  SetFieldColor(field, Qt::white);
}

void OptionsDialog::OnSourceBrowseClicked() {
  ChooseFolder(sourceField_, "Bitte den Bilder-Quellordner auswählen:");
}

void OptionsDialog::OnTargetBrowseClicked() {
  ChooseFolder(targetField_, "Bitte den Bilder-Zielordner auswählen:");
}

void OptionsDialog::OnBackupBrowseClicked() {
  ChooseFolder(backupField_, "Bitte den Sicherungsordner auswählen:");
}

void OptionsDialog::OnBackupClearClicked() {
  // The focus would fall out of the panel with the button greyed out.
  backupBrowseButton_->setFocus(Qt::OtherFocusReason);
  backupField_->clear();
  SetFieldColor(backupField_, Qt::white);
}

void OptionsDialog::OnSourceChanged() {
  // A long path is cut off in its field; the tip shows all of it.
  sourceField_->setToolTip(sourceField_->text());
  if (mirrors_.source) mirrors_.source->setText(sourceField_->text());
}

void OptionsDialog::OnTargetChanged() {
  targetField_->setToolTip(targetField_->text());
  if (mirrors_.target) mirrors_.target->setText(targetField_->text());
}

void OptionsDialog::OnBackupChanged() {
  backupField_->setToolTip(backupField_->text());
  backupClearButton_->setEnabled(!backupField_->text().isEmpty());
}

void OptionsDialog::OnAllToggled() {
  picturesBox_->setEnabled(!allBox_->isChecked());
  videosBox_->setEnabled(!allBox_->isChecked());
}

void OptionsDialog::ShowStructureExplanation() {
  const int index = structureList_->currentIndex();
  if (index < 0 || index >= static_cast<int>(kStructureExplanations.size())) return;
  structureExplanation_->setText(
      QString::fromUtf8(kStructureExplanations[static_cast<size_t>(index)]));
  structureExplanation_->adjustSize();
}

void OptionsDialog::OnOkClicked() {
  if (storeCheck_ && !storeCheck_()) return;
  SaveFormState(settingsPath_, this);
  accept();
}

void OptionsDialog::OnCancelClicked() {
  LoadFormState(settingsPath_, this);
  ShowStructureExplanation();
  reject();
}

void OptionsDialog::MarkMissingFolder(FolderField field) {
  switch (field) {
  case FolderField::Source:
    SetFieldColor(sourceField_, kDarkRed);
    return;
  case FolderField::Target:
    SetFieldColor(targetField_, kDarkRed);
    return;
  case FolderField::Backup:
    SetFieldColor(backupField_, kDarkRed);
    return;
  }
}

std::string OptionsDialog::KeyText(std::string_view key) const {
  const auto* field = findChild<QLineEdit*>(ToQString(std::string(key)));
  return field ? ToStdString(field->text()) : std::string();
}

int OptionsDialog::KeyNumber(std::string_view key) const {
  const QString name = ToQString(std::string(key));
  if (const auto* box = findChild<QCheckBox*>(name)) return box->isChecked() ? 1 : 0;
  if (const auto* list = findChild<QComboBox*>(name)) return list->currentIndex();
  return KeyDefault(key);
}

std::string OptionsDialog::SourceFolder() const {
  return ToStdString(sourceField_->text());
}
std::string OptionsDialog::TargetFolder() const {
  return ToStdString(targetField_->text());
}
std::string OptionsDialog::BackupFolder() const {
  return ToStdString(backupField_->text());
}
bool OptionsDialog::AllFiles() const {
  return allBox_->isChecked();
}
bool OptionsDialog::Pictures() const {
  return picturesBox_->isChecked();
}
bool OptionsDialog::Videos() const {
  return videosBox_->isChecked();
}
bool OptionsDialog::RenameByDate() const {
  return renameBox_->isChecked();
}
bool OptionsDialog::KeepOriginalName() const {
  return keepNameBox_->isChecked();
}
bool OptionsDialog::SkipIdentical() const {
  return identicalBox_->isChecked();
}
bool OptionsDialog::ModernFormats() const {
  return modernBox_->isChecked();
}

bool OptionsDialog::Companions() const {
  return companionsBox_->isChecked();
}
bool OptionsDialog::CopyInsteadOfMove() const {
  return copyBox_->isChecked();
}
int OptionsDialog::StructureIndex() const {
  return structureList_->currentIndex();
}
