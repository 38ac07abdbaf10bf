#include "window/file_picture.h"

#include "run/file_collection.h"
#include "run/target_name.h"
#include "window/file_icons.h"
#include "metadata/exif_thumbnail.h"
#include "platform/lower_name.h"
#include "platform/name_mask.h"
#include "platform/path_text.h"

#include <QBuffer>
#include <QImageReader>
#include <optional>
#include <vector>

namespace {

bool IsFilm(const std::string& path) {
  static const std::vector<NameMask> masks = [] {
    std::vector<NameMask> all;
    for (const auto* patterns : {&VideoPatterns(), &ModernVideoPatterns()}) {
      for (const std::string& pattern : *patterns)
        all.emplace_back(pattern);
    }
    return all;
  }();
  const std::string name = LowerName(SplitSourcePath(path).name);
  for (const NameMask& mask : masks) {
    if (mask.MatchesLowered(name)) return true;
  }
  return false;
}

// The embedded thumbnail, decoded at the size it is shown in.
std::optional<QPixmap> Thumbnail(const std::string& path) {
  // Only a JPEG carries one where the reader looks.
  if (LoweredExtension(path).find(".jp") == std::string::npos) return std::nullopt;
  const std::optional<std::string> bytes = ReadExifThumbnail(path);
  if (!bytes) return std::nullopt;
  QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer, "jpeg");
  const QSize full = reader.size();
  if (full.isEmpty()) return std::nullopt;
  reader.setScaledSize(full.scaled(kFilePictureSize, Qt::KeepAspectRatio));
  const QImage image = reader.read();
  if (image.isNull()) return std::nullopt;
  return QPixmap::fromImage(image);
}

} // namespace

QPixmap FilePicture(const std::string& path) {
  if (std::optional<QPixmap> thumbnail = Thumbnail(path)) return *thumbnail;
  // Drawn once per kind; every row shares it.
  static const QPixmap photo = PhotoPicture(kFilePictureSize), film = FilmPicture(kFilePictureSize);
  return IsFilm(path) ? film : photo;
}
