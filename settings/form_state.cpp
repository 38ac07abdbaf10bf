#include "settings/form_state.h"

#include "platform/ini.h"
#include "settings/control_tag.h"
#include "settings/panel.h"
#include "settings/qt_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <functional>
#include <vector>

namespace {

// What is stored for a control, decided by its kind and Tag.
enum class Stored {
  Nothing,
  PanelCaption,
  PanelHeight,
  PanelWidth,
  EditText,
  LabelCaption,
  ListItems,
  CheckState,
  ComboIndex,
  ComboItemsAndIndex,
  MenuCheck,
};

// Panel is tested before QLabel because it derives from it.
Stored StoredOf(const QObject* control) {
  const int tag = TagOf(control);
  if (tag == 0) return Stored::Nothing;
  if (qobject_cast<const Panel*>(control)) {
    if (tag == 1) return Stored::PanelCaption;
    if (tag == 2) return Stored::PanelHeight;
    if (tag == 3) return Stored::PanelWidth;
    return Stored::Nothing;
  }
  if (qobject_cast<const QComboBox*>(control)) {
    if (tag == 1) return Stored::ComboIndex;
    if (tag == 2) return Stored::ComboItemsAndIndex;
    return Stored::Nothing;
  }
  if (tag != 1) return Stored::Nothing;
  if (qobject_cast<const QLineEdit*>(control)) return Stored::EditText;
  if (qobject_cast<const QLabel*>(control)) return Stored::LabelCaption;
  if (qobject_cast<const QListWidget*>(control)) return Stored::ListItems;
  if (qobject_cast<const QCheckBox*>(control)) return Stored::CheckState;
  if (qobject_cast<const QAction*>(control)) return Stored::MenuCheck;
  return Stored::Nothing;
}

bool IsOtherWindow(const QObject* object) {
  const auto* widget = qobject_cast<const QWidget*>(object);
  // A drop-down menu is a window of its own in Qt, yet part of its owner.
  return widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget);
}

void ForEachComponent(const QObject* parent, const std::function<void(QObject*)>& visit) {
  // A copy: a reaction to a loaded value may add or remove children.
  const QObjectList children = parent->children();
  for (QObject* child : children) {
    if (IsOtherWindow(child)) continue;
    visit(child);
    ForEachComponent(child, visit);
  }
}

std::string SectionOf(const QWidget* window) {
  return ToStdString(window->objectName());
}
std::string KeyOf(const QObject* control) {
  return ToStdString(control->objectName());
}
std::string ItemKey(const std::string& name, int index) {
  return name + "_" + std::to_string(index);
}

QStringList ItemsOf(const QObject* control) {
  QStringList items;
  if (const auto* list = qobject_cast<const QListWidget*>(control)) {
    for (int i = 0; i < list->count(); ++i)
      items << list->item(i)->text();
  } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
    for (int i = 0; i < combo->count(); ++i)
      items << combo->itemText(i);
  }
  return items;
}

// Items name_0, name_1, ... up to the first absent or empty one.
QStringList ReadItems(const std::string& path, const std::string& section,
                      const std::string& name) {
  QStringList items;
  for (int i = 0;; ++i) {
    const std::string item = IniReadString(path, section, ItemKey(name, i), "");
    if (item.empty()) return items;
    items << ToQString(item);
  }
}

class SettingsSection {
public:
  SettingsSection(const std::string& path, const QWidget* window)
      : path_(path), section_(SectionOf(window)) {}

  std::string Text(const std::string& key, const QString& current) const {
    return IniReadString(path_, section_, key, ToStdString(current));
  }
  int Integer(const std::string& key, int current) const {
    return IniReadInt(path_, section_, key, current);
  }
  QStringList Items(const std::string& name) const { return ReadItems(path_, section_, name); }

  // Writes gather the new section; Replace stores it in one replacement of
  // the file, so a failed save leaves the old settings whole.
  void Write(const std::string& key, const std::string& value) { entries_.push_back({key, value}); }
  void Write(const std::string& key, int value) { Write(key, std::to_string(value)); }
  void WriteItems(const std::string& name, const QStringList& items) {
    for (int i = 0; i < items.size(); ++i)
      Write(ItemKey(name, i), ToStdString(items[i]));
  }
  void Replace() const { IniReplaceSection(path_, section_, entries_); }

private:
  std::string path_;
  std::string section_;
  std::vector<IniEntry> entries_;
};

void LoadControl(const SettingsSection& settings, QObject* control, Stored stored) {
  const std::string key = KeyOf(control);
  switch (stored) {
  case Stored::Nothing:
    return;
  case Stored::PanelCaption: {
    auto* panel = static_cast<Panel*>(control);
    panel->setCaption(ToQString(settings.Text(key, panel->caption())));
    return;
  }
  case Stored::PanelHeight: {
    auto* panel = static_cast<Panel*>(control);
    panel->resize(panel->width(), settings.Integer(key, panel->height()));
    return;
  }
  case Stored::PanelWidth: {
    auto* panel = static_cast<Panel*>(control);
    panel->resize(settings.Integer(key, panel->width()), panel->height());
    return;
  }
  case Stored::EditText: {
    auto* edit = static_cast<QLineEdit*>(control);
    edit->setText(ToQString(settings.Text(key, edit->text())));
    return;
  }
  case Stored::LabelCaption: {
    auto* label = static_cast<QLabel*>(control);
    label->setText(ToQString(settings.Text(key, label->text())));
    return;
  }
  case Stored::ListItems: {
    auto* list = static_cast<QListWidget*>(control);
    list->clear();
    list->addItems(settings.Items(key));
    return;
  }
  case Stored::CheckState: {
    auto* box = static_cast<QCheckBox*>(control);
    box->setChecked(settings.Integer(key, box->isChecked() ? 1 : 0) != 0);
    return;
  }
  case Stored::ComboIndex: {
    auto* combo = static_cast<QComboBox*>(control);
    combo->setCurrentIndex(settings.Integer(key, combo->currentIndex()));
    return;
  }
  case Stored::ComboItemsAndIndex: {
    auto* combo = static_cast<QComboBox*>(control);
    combo->clear();
    combo->addItems(settings.Items(key));
    combo->setCurrentIndex(settings.Integer(key, -1));
    return;
  }
  case Stored::MenuCheck: {
    auto* item = static_cast<QAction*>(control);
    const bool checked = settings.Integer(key, item->isChecked() ? 1 : 0) != 0;
    // A check mark needs a checkable item; an unchecked one can stay as it is.
    if (checked) item->setCheckable(true);
    item->setChecked(checked);
    return;
  }
  }
}

void SaveControl(SettingsSection& settings, const QObject* control, Stored stored) {
  const std::string key = KeyOf(control);
  switch (stored) {
  case Stored::Nothing:
    return;
  case Stored::PanelCaption:
    settings.Write(key, ToStdString(static_cast<const Panel*>(control)->caption()));
    return;
  case Stored::PanelHeight:
    settings.Write(key, static_cast<const Panel*>(control)->height());
    return;
  case Stored::PanelWidth:
    settings.Write(key, static_cast<const Panel*>(control)->width());
    return;
  case Stored::EditText:
    settings.Write(key, ToStdString(static_cast<const QLineEdit*>(control)->text()));
    return;
  case Stored::LabelCaption:
    settings.Write(key, ToStdString(static_cast<const QLabel*>(control)->text()));
    return;
  case Stored::ListItems:
    settings.WriteItems(key, ItemsOf(control));
    return;
  case Stored::CheckState:
    settings.Write(key, static_cast<const QCheckBox*>(control)->isChecked() ? 1 : 0);
    return;
  case Stored::ComboIndex:
    settings.Write(key, static_cast<const QComboBox*>(control)->currentIndex());
    return;
  case Stored::ComboItemsAndIndex:
    settings.Write(key, static_cast<const QComboBox*>(control)->currentIndex());
    settings.WriteItems(key, ItemsOf(control));
    return;
  case Stored::MenuCheck:
    settings.Write(key, static_cast<const QAction*>(control)->isChecked() ? 1 : 0);
    return;
  }
}

} // namespace

void LoadFormState(const std::string& path, QWidget* window) {
  const SettingsSection settings(path, window);
  ForEachComponent(window,
                   [&](QObject* control) { LoadControl(settings, control, StoredOf(control)); });
}

void SaveFormState(const std::string& path, QWidget* window) {
  SettingsSection settings(path, window);
  ForEachComponent(window,
                   [&](QObject* control) { SaveControl(settings, control, StoredOf(control)); });
  settings.Replace();
}
