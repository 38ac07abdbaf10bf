#pragma once
// The walk of the TIFF-structured directories of one EXIF segment or TIFF
// buffer, inside the reader: it names and renders every entry, writes a
// readable dump, the tag list and the named fields into an ExifRead, follows
// the EXIF, GPS and interoperability sub-directories, decodes the maker
// note, and derives the 35 mm focal length. Offsets are 0-based in the
// walked bytes; `base` is where the offsets read from the data count from.

#include "metadata/byte_order.h"
#include "metadata/exif_reader.h"
#include "metadata/internal/makernote_layout.h"
#include "metadata/internal/tagtables.h"
#include "metadata/tag.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How a directory walk ended. A renderer that refuses a value (a flash value
// stored as text, say) ends the directory there: the walk of a sub-directory
// then goes on in the directory that points to it, a refusal in IFD0 ends
// the read.
enum class WalkOutcome { Completed, Refused };

// An event of a read that decides its status unless the read succeeds; the
// last one counts.
struct ReadProblem {
  ExifStatus status = ExifStatus::NotExif;
  std::string detail;
};

class DirectoryWalker {
public:
  // Walks data (the walked bytes, which outlive the walker) into read and
  // records its problems in problem.
  DirectoryWalker(ExifRead& read, ExifDetail detail, ByteOrderView data, ExifContainer container,
                  std::optional<ReadProblem>& problem);
  DirectoryWalker(const DirectoryWalker&) = delete;
  DirectoryWalker& operator=(const DirectoryWalker&) = delete;

  // Walks the directory at offset start; base turns an offset read from the
  // data into an offset in it, kind selects the tag table, length is the
  // number of bytes available after base.
  WalkOutcome WalkDirectory(int64_t start, int64_t base, TagTableKind kind, int64_t length);
  // Adds FocalLengthIn35mmFilm, computed from the focal length and the focal
  // plane resolution, when the data does not state it.
  void DeriveFocalLength35();
  // Walks a maker note's directory into the maker-note dump and the tag
  // list: the layout places its directory and the origin of its value
  // offsets; noteAt is the note's offset in the walked bytes, which values
  // outside the note are read from.
  void WalkMakerNote(std::string_view note, const MakerNoteLayout& layout, int64_t noteAt);

private:
  bool ProducesTexts() const;
  bool FillsTagList() const;
  bool WritesDump() const;
  bool NeedsText(uint16_t tag, const TagRow& row) const;
  WalkOutcome WalkEntry(int64_t entry, int64_t start, int64_t base, TagTableKind kind,
                        int64_t length);
  void WalkSubDirectory(int64_t start, int64_t base, TagTableKind kind, int64_t length);
  // The bytes of source from offset on that exist, within the value-byte
  // budget of the read; a view into source, copied only where it is kept.
  std::string_view ValueBytes(std::string_view source, int64_t offset, uint64_t size);
  WalkOutcome WalkMakerNoteEntry(const ByteOrderView& note, int64_t entry,
                                 const MakerNoteLayout& layout, int64_t noteAt);
  // Decodes the maker note just stored in read_.makerNote.
  void DecodeMakerNote(int64_t base);
  void AddTag(const Tag& entry);

  ExifRead& read_;
  ExifDetail detail_;
  ByteOrderView data_;
  ExifContainer container_;
  std::optional<ReadProblem>& problem_;
  // Directories walked so far: a chain of pointers that leads back to one of
  // them is not followed again, so every walk ends.
  // Sorted; real data has a handful, so one small vector.
  std::vector<int64_t> walkedDirectories_;
  int depth_ = 0;
  int64_t entriesLeft_;
  uint64_t valueBytesLeft_;
};

// The first 50 characters of a text, with control characters shown as ".".
std::string PrintableText(std::string text);

// Rounds to the nearest integer, halves to even; values outside the 32-bit
// range are clamped and NaN gives 0.
int32_t RoundToInt32(double value);
