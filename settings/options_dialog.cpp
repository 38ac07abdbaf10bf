#include "settings/options_dialog.h"

#include "platform/modal.h"
#include "platform/path_text.h"
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

Panel* PlacePanel(QWidget* parent, const char* name, QRect geometry) {
  auto* panel = Place<Panel>(parent, name, geometry);
  // A raised inner and a lowered outer bevel: an etched frame.
  panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, kPanelGrey);
  panel->setPalette(palette);
  return panel;
}

QLineEdit* PlaceFolderField(QWidget* parent, const char* name, int left, int top) {
  auto* field = Place<QLineEdit>(parent, name, QRect(left, top, 353, 19));
  field->setEnabled(false);
  SetTag(field, 1);
  SetFieldColor(field, Qt::white);
  return field;
}

QToolButton* PlaceFolderButton(QWidget* parent, const char* name, int left, int top,
                               const char* hint) {
  auto* button = Place<QToolButton>(parent, name, QRect(left, top, 20, 20));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIcon(SearchIcon());
  button->setIconSize(QSize(16, 16));
  button->setToolTip(QString::fromUtf8(hint));
  return button;
}

QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, int left, int top, int width,
                         const char* text, bool checked) {
  auto* box = Place<QCheckBox>(parent, name, QRect(left, top, width, 17));
  box->setText(QString::fromUtf8(text));
  box->setChecked(checked);
  SetTag(box, 1);
  UseReadableDisabledText(box, kPanelGrey);
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
  setFixedSize(526, 451);
  CreateControls();
  ConnectHandlers();
  FormCreate();
}

// Created in the order the settings file lists the options (see form_state.h).
void OptionsDialog::CreateControls() {
  Panel1 = PlacePanel(this, "Panel1", QRect(16, 16, 409, 113));
  Label1 = PlaceLabel(Panel1, "Label1", 16, 8,
                      "Quellverzeichnis + ALLE darin enthaltenen Unterordner", LabelStyle::Bold);
  quellee = PlaceFolderField(Panel1, "quellee", 16, 28);
  quellsuchsb = PlaceFolderButton(Panel1, "quellsuchsb", 376, 29, "Quellverzeichnis auswählen");
  Label2 = PlaceLabel(Panel1, "Label2", 16, 56,
                      "Zielverzeichnis + ALLE darin enthaltenen Unterordner", LabelStyle::Bold);
  ziele = PlaceFolderField(Panel1, "ziele", 16, 76);
  zielsuchsb = PlaceFolderButton(Panel1, "zielsuchsb", 376, 77, "Zielverzeichnis auswählen");

  Panel2 = PlacePanel(this, "Panel2", QRect(16, 140, 409, 181));
  Label5 = PlaceLabel(Panel2, "Label5", 16, 12, "Folgende Dateien:", LabelStyle::Bold);
  exifrenamecb =
      PlaceCheckBox(Panel2, "exifrenamecb", 16, 112, 377,
                    "Dateien automatisch umbenennen in Datum (sofern EXIF Daten vorhanden)", true);
  keepfncb = PlaceCheckBox(Panel2, "keepfncb", 32, 136, 153, "Originalnamen anhängen", false);
  gleichecb =
      PlaceCheckBox(Panel2, "gleichecb", 16, 160, 377,
                    "Gleiche Dateien, die schon im Ziel liegen, nicht noch einmal ablegen", false);
  allcb = PlaceCheckBox(Panel2, "allcb", 16, 32, 97, "Alle", false);
  piccb = PlaceCheckBox(Panel2, "piccb", 136, 32, 97, "Bilder", true);
  videocb = PlaceCheckBox(Panel2, "videocb", 272, 32, 97, "Videos", true);
  modernecb =
      PlaceCheckBox(Panel2, "modernecb", 16, 64, 377,
                    "Auch HEIC, RAW und MP4 einbeziehen (Aufnahmedatum aus den Metadaten)", false);
  Label8 = PlaceLabel(Panel2, "Label8", 35, 48, "*.*");
  Label6 = PlaceLabel(Panel2, "Label6", 136, 48, "jpg, tif, png, bmp, gif");
  Label7 = PlaceLabel(Panel2, "Label7", 272, 48, "mpg, avi, mov, divx, m2ts");
  Label3 = PlaceLabel(Panel2, "Label3", 16, 96, "Dateinamen ändern", LabelStyle::Bold);

  Panel3 = PlacePanel(this, "Panel3", QRect(16, 348, 409, 89));
  Label4 = PlaceLabel(Panel3, "Label4", 16, 16, "Ordnerstruktur", LabelStyle::Bold);
  verteiloptcbb = Place<QComboBox>(Panel3, "verteiloptcbb", QRect(16, 36, 169, 21));
  for (const char* entry : kStructureEntries)
    verteiloptcbb->addItem(QString::fromUtf8(entry));
  verteiloptcbb->setCurrentIndex(1);
  SetTag(verteiloptcbb, 1);
  erkll = PlaceLabel(Panel3, "erkll", 16, 64, "Erklärung...");

  okb = PlaceButton(this, "okb", 440, 16, "OK");
  Abbruch = PlaceButton(this, "Abbruch", 440, 48, "Abbruch");

  // The disabled folder fields and the picture buttons take no focus.
  setTabOrder(exifrenamecb, keepfncb);
  setTabOrder(keepfncb, gleichecb);
  setTabOrder(gleichecb, allcb);
  setTabOrder(allcb, piccb);
  setTabOrder(piccb, videocb);
  setTabOrder(videocb, modernecb);
  setTabOrder(modernecb, verteiloptcbb);
  setTabOrder(verteiloptcbb, okb);
  setTabOrder(okb, Abbruch);
  exifrenamecb->setFocus();
}

void OptionsDialog::ConnectHandlers() {
  // Every handler runs guarded: an error ends it and shows the general error box.
  connect(quellsuchsb, &QToolButton::clicked, this,
          GuardedHandler(this, &OptionsDialog::quellsuchsbClick));
  connect(zielsuchsb, &QToolButton::clicked, this,
          GuardedHandler(this, &OptionsDialog::zielsuchsbClick));
  // textChanged and toggled also report changes made by the program, as
  // loading the settings needs; activated reports only the user's pick.
  connect(quellee, &QLineEdit::textChanged, this,
          GuardedHandler(this, &OptionsDialog::quelleeChange));
  connect(ziele, &QLineEdit::textChanged, this, GuardedHandler(this, &OptionsDialog::zieleChange));
  connect(allcb, &QCheckBox::toggled, this, GuardedHandler(this, &OptionsDialog::allcbClick));
  connect(verteiloptcbb, &QComboBox::activated, this,
          GuardedHandler(this, &OptionsDialog::verteiloptcbbChange));
  connect(okb, &QPushButton::clicked, this, GuardedHandler(this, &OptionsDialog::okbClick));
  connect(Abbruch, &QPushButton::clicked, this, GuardedHandler(this, &OptionsDialog::AbbruchClick));
}

void OptionsDialog::FormCreate() {
  LoadFormState(settingsPath_, this);
  verteiloptcbbChange();
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

void OptionsDialog::quellsuchsbClick() {
  ChooseFolder(quellee, "Bitte den Bilder-Quellordner auswählen:");
}

void OptionsDialog::zielsuchsbClick() {
  ChooseFolder(ziele, "Bitte den Bilder-Zielordner auswählen:");
}

void OptionsDialog::quelleeChange() {
  if (mirrors_.source) mirrors_.source->setText(quellee->text());
}

void OptionsDialog::zieleChange() {
  if (mirrors_.target) mirrors_.target->setText(ziele->text());
}

void OptionsDialog::allcbClick() {
  piccb->setEnabled(!allcb->isChecked());
  videocb->setEnabled(!allcb->isChecked());
}

void OptionsDialog::verteiloptcbbChange() {
  const int index = verteiloptcbb->currentIndex();
  if (index < 0 || index >= static_cast<int>(kStructureExplanations.size())) return;
  erkll->setText(QString::fromUtf8(kStructureExplanations[static_cast<size_t>(index)]));
  erkll->adjustSize();
}

void OptionsDialog::okbClick() {
  SaveFormState(settingsPath_, this);
  accept();
}

void OptionsDialog::AbbruchClick() {
  LoadFormState(settingsPath_, this);
  verteiloptcbbChange();
  reject();
}

void OptionsDialog::MarkMissingFolder(FolderField field) {
  SetFieldColor(field == FolderField::Source ? quellee : ziele, kDarkRed);
}

std::string OptionsDialog::SourceFolder() const {
  return ToStdString(quellee->text());
}
std::string OptionsDialog::TargetFolder() const {
  return ToStdString(ziele->text());
}
bool OptionsDialog::AllFiles() const {
  return allcb->isChecked();
}
bool OptionsDialog::Pictures() const {
  return piccb->isChecked();
}
bool OptionsDialog::Videos() const {
  return videocb->isChecked();
}
bool OptionsDialog::RenameByDate() const {
  return exifrenamecb->isChecked();
}
bool OptionsDialog::KeepOriginalName() const {
  return keepfncb->isChecked();
}
bool OptionsDialog::SkipIdentical() const {
  return gleichecb->isChecked();
}
bool OptionsDialog::ModernFormats() const {
  return modernecb->isChecked();
}
int OptionsDialog::StructureIndex() const {
  return verteiloptcbb->currentIndex();
}
