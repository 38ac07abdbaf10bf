#include "metadata/internal/directory_walker.h"

#include "metadata/internal/rendering.h"
#include "metadata/internal/tagtables.h"

#include <cmath>

namespace {

// Diagonal of the 36 x 24 mm frame.
constexpr double kFullFrameDiagonal = 43.26661531;

double MillimetresPerUnit(int32_t unit) {
  switch (unit) {
  case 2:
    return 25.4; // inch
  case 3:
    return 10; // centimetre
  default:
    return 0;
  }
}

} // namespace

void DirectoryWalker::DeriveFocalLength35() {
  // The values come from the tag list, so nothing is derived unless it is
  // filled; the named fields alone take nothing from it.
  if (detail_ == ExifDetail::Fields) return;
  const ExifRead& read = read_;
  if (read.FindTag("FocalLengthin35mmFilm") != nullptr) return;
  int32_t unit = read.TagInteger("FocalPlaneResolutionUnit");
  if (unit <= 0) unit = read.TagInteger("ResolutionUnit");
  const double perUnit = MillimetresPerUnit(unit);
  const double focalLength = read.TagValue("FocalLength");
  if (perUnit == 0 || focalLength == 0) return;

  double width = 0;
  double height = 0;
  if (const int32_t xr = read.TagInteger("FocalPlaneXResolution"); xr > 0)
    width = read.exif.imageWidth * perUnit / xr;
  if (const int32_t yr = read.TagInteger("FocalPlaneYResolution"); yr > 0)
    height = read.exif.imageHeight * perUnit / yr;
  if (!(width * height > 0)) return;

  const double f35 = focalLength * kFullFrameDiagonal / std::sqrt(width * width + height * height);
  Tag entry = MainTableRow(TableIndexByName("FocalLengthIn35mmFilm"));
  entry.text = FormatValues("%5.2f", {f35});
  entry.rawBytes.clear();
  entry.formatText = "%s mm";
  entry.valueType = 10;
  AddTag(entry);
  read_.dump += "\r\n" + entry.description + " = " + entry.text;
}
