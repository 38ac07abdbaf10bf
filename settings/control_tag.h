#pragma once
// The integer Tag every control carries (0 unless set). A non-zero Tag makes
// the control part of the settings file. It lives in the dynamic property
// "Tag" of the QObject, so any widget or action can carry one.

class QObject;

inline constexpr char kTagProperty[] = "Tag";

void SetTag(QObject* control, int tag);
int TagOf(const QObject* control);
