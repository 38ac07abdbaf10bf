#pragma once
// DirectoryWalker walks the TIFF-structured directories of one EXIF segment or TIFF
// file: it names and renders every entry, keeps a readable dump and a list of
// decoded tags, fills the named fields (make, model, date-time, image size)
// and follows the EXIF, GPS and interoperability sub-directories.

#include "metadata/byte_order.h"
#include "metadata/tagtables.h"

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class ExifReader;

// How a directory walk ended. A renderer that refuses a value (a flash value
// stored as text, say) ends the directory there: the walk of a sub-directory
// then goes on in the directory that points to it, a refusal in IFD0 ends
// the read.
enum class WalkOutcome { Completed, Refused };

// What a walk produces, chosen by the reader option.
enum ReaderOptionValue : int32_t {
  ReaderTextsOnly = 2,   // value texts, dump and named text fields
  ReaderTagListOnly = 4, // the tag list without texts
  ReaderEverything = 255,
};

class DirectoryWalker : public ByteOrderBuffer {
public:
  DirectoryWalker(ExifReader* owner, int32_t option);
  virtual ~DirectoryWalker() = default;
  DirectoryWalker(const DirectoryWalker&) = delete;
  DirectoryWalker& operator=(const DirectoryWalker&) = delete;

  std::vector<Tag> TagList;
  ExifReader* Owner = nullptr;
  std::string ExifVersionText;      // at most 6 bytes
  std::string MakeText;             // at most 32
  std::string ModelText;            // at most 40
  std::string DateTimeText;         // at most 20: DateTime or DateTimeOriginal, the one met last
  std::string DateTimeOriginalText; // at most 20: DateTimeOriginal (0x9003) alone
  std::string DateTimeTagText;      // at most 20: DateTime (0x0132) alone
  int32_t ImageHeight = 0;
  int32_t ImageWidth = 0;
  int32_t ReaderOption = 0;
  ByteString MakerNoteBytes;
  bool TiffSource = false;
  std::string UserCommentText;
  std::string DumpText;
  std::string MakerNoteDumpText;
  bool MakerNoteResult = false;
  int32_t MakerNoteOffset = 0;

  int32_t TagCount() const { return static_cast<int32_t>(TagList.size()); }

  // Walks the directory at 1-based position start of Buffer; base turns an
  // offset read from the data into a position, kind selects the tag table,
  // length is the number of bytes available after base.
  WalkOutcome WalkDirectory(int64_t start, int64_t base, TagTableKind kind, int64_t length);
  // Adds FocalLengthIn35mmFilm, computed from the focal length and the focal
  // plane resolution, when the data does not state it.
  void DeriveFocalLength35();

  // Walks a maker note's directory into MakerNoteDumpText and TagList; the
  // decoder MakerNoteDecoder (metadata/makernote_layout.h) chooses the layout numbers: the
  // directory's 0-based offset in the note, the note position that value
  // offsets count from, and the base of values that lie outside the note.
  void WalkMakerNoteDirectory(const ByteString& note, std::span<const TagRow> table,
                              int64_t directory, int64_t notePosition, int64_t valueBase);

  // Appends a copy of entry unless its TagNumber is 0; returns the index of
  // the last entry.
  int32_t AddTag(const Tag& entry);
  // A value found by a maker-note renderer, listed under its name.
  void AddNamedValue(const std::string& name, const std::string& text, uint16_t type);

  // Queries by tag name, ignoring case; the first match wins.
  virtual int32_t FindTag(std::string_view name) const;
  virtual std::string TagText(std::string_view name) const;
  Tag TagByName(std::string_view name) const;
  double TagValue(std::string_view name) const;
  int32_t TagInteger(std::string_view name) const;

  std::string RenderValue(std::string_view raw, uint16_t type, std::string_view valueList,
                          std::string_view format) const;
  double NumericValue(std::string_view raw, uint16_t type) const;

private:
  bool ProducesTexts() const;
  bool FillsTagList() const;
  WalkOutcome WalkEntry(int64_t entry, int64_t start, int64_t base, TagTableKind kind,
                        int64_t length);
  void WalkSubDirectory(int64_t start, int64_t base, TagTableKind kind, int64_t length);
  std::string ValueBytes(int64_t position, uint64_t size);
  // The bytes of source from 1-based position on that exist, within the
  // value-byte budget of the read.
  std::string CopyValueBytes(std::string_view source, int64_t position, uint64_t size);
  WalkOutcome WalkMakerNoteEntry(const ByteOrderBuffer& note, int64_t entry,
                                 std::span<const TagRow> table, int64_t directory,
                                 int64_t notePosition, int64_t valueBase);
  void AppendToTagList(const Tag& entry);
  void SetOwnerError(const std::string& text);
  // Hands the maker note just stored in MakerNoteBytes and MakerNoteOffset to
  // the maker-note decoder and keeps its answer in MakerNoteResult.
  void DecodeMakerNote();

  // Directories walked so far: a chain of pointers that leads back to one of
  // them is not followed again, so every walk ends.
  std::set<int64_t> walkedDirectories_;
  int depth_ = 0;
  int64_t entriesLeft_;
  uint64_t valueBytesLeft_;
};

// The first 50 characters of a text, with control characters shown as ".".
std::string PrintableText(const std::string& text);

// Rounds to the nearest integer, halves to even; values outside the 32-bit
// range are clamped and NaN gives 0.
int32_t RoundToInt32(double value);
