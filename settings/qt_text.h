#pragma once
// Texts cross into Qt here only: the program's texts are std::string bytes
// (file names as the file system spells them).

#include <QFile>
#include <QString>
#include <string>

inline QString ToQString(const std::string& text) {
  return QFile::decodeName(QByteArray::fromStdString(text));
}

inline std::string ToStdString(const QString& text) {
  return QFile::encodeName(text).toStdString();
}
