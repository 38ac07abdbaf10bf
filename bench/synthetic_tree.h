#pragma once
// A synthetic photo collection for the benchmark: mostly JPEGs with EXIF
// dates, the rest PNG, MOV and JPEGs without EXIF (or files of the phone and
// camera formats), in nested folders with mixed-case names.

#include <cstddef>
#include <string>

struct TreeShape {
  size_t files = 20000;
  // 0: about one JPEG in ten shares its second with the one before; K > 0:
  // K consecutive JPEGs share each date stamp.
  size_t burst = 0;
  // Bytes of image data in each file. Small by default, so a tree of many
  // files stays small; a camera's JPEG holds a few MB.
  size_t dataBytes = 6000;
  // When set, a folder of sample files of the phone and camera formats
  // (tests/data/formats): one file in five is a copy of one of them.
  std::string formatSamples = {};
  // A third of the files in groups that belong together, of two (a JPEG and
  // its clip, as a Live Photo) or three (and its export data, .JPG.json):
  // kinds the run collects anyway, so the run without groups moves them too.
  bool companions = false;
  // When set, the JPEG bytes every EXIF JPEG carries as its thumbnail (IFD1).
  std::string thumbnail = {};
};

// Writes the tree below root (which must exist). The same shape always gives
// the same tree.
void BuildSyntheticTree(const std::string& root, const TreeShape& shape);
