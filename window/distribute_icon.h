#pragma once
// The picture on the "Bilder verteilen" button: photos sliding into a folder.

#include <QIcon>

QIcon DistributeIcon();
