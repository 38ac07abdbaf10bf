#include "settings/control_tag.h"

#include <QObject>
#include <QVariant>

void SetTag(QObject* control, int tag) {
  control->setProperty(kTagProperty, tag);
}

int TagOf(const QObject* control) {
  return control->property(kTagProperty).toInt();
}
