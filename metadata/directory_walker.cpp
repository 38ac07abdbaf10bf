#include "metadata/internal/directory_walker.h"

#include "metadata/internal/rendering.h"
#include "metadata/internal/tagtables.h"
#include "platform/ascii_case.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Real camera data holds a few hundred entries and values that together fit
// in the data they come from (at most 256000 bytes). These bounds only stop
// hostile data (thousands of entries that all point at one large value) from
// costing unbounded time and memory; past them entries are ignored and
// values cut.
constexpr int64_t kMaxEntriesPerWalk = 20000;
constexpr uint64_t kMaxValueBytesPerWalk = 1024 * 1024;
// Real data nests three directories deep (IFD0, EXIF, interoperability); a
// chain of thousands of distinct directories would exhaust the stack.
constexpr int kMaxDirectoryDepth = 32;
// The named date fields keep the length of "yyyy:mm:dd hh:mm:ss" and its zero.
constexpr size_t kDateTextLength = 20;

enum TagId : uint16_t {
  TagImageWidth = 0x0100,
  TagImageLength = 0x0101,
  TagMake = 0x010F,
  TagModel = 0x0110,
  TagDateTime = 0x0132,
  TagSubIfds = 0x014A,
  TagExifOffset = 0x8769,
  TagGpsInfo = 0x8825,
  TagExifVersion = 0x9000,
  TagDateTimeOriginal = 0x9003,
  TagMakerNote = 0x927C,
  TagUserComment = 0x9286,
  TagExifImageWidth = 0xA002,
  TagExifImageLength = 0xA003,
  TagInteroperabilityOffset = 0xA005,
};

// Counts one more directory level for as long as it lives.
class NestingLevel {
public:
  explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
  ~NestingLevel() { --depth_; }
  NestingLevel(const NestingLevel&) = delete;
  NestingLevel& operator=(const NestingLevel&) = delete;

private:
  int& depth_;
};

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// An ASCII value without its terminating zero. Only a zero is dropped: a text
// stored without one (a date written with the exact count, say) keeps its last
// character instead of losing a digit.
std::string AsciiText(std::string_view raw) {
  if (!raw.empty() && raw.back() == '\0') raw.remove_suffix(1);
  return std::string(raw);
}

// An UNDEFINED value up to its first zero byte, in double quotes.
std::string QuotedText(std::string_view raw) {
  std::string quoted = "\"";
  quoted.append(raw.substr(0, raw.find('\0'))) += '"';
  return quoted;
}

// The comment after its 8-byte character-code prefix, without the blanks,
// zero bytes and control characters around it.
std::string UserComment(std::string_view raw) {
  if (raw.size() <= 8) return {};
  const std::string_view text = raw.substr(8);
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
  return first < last ? std::string(first, last) : std::string();
}

} // namespace

std::string PrintableText(std::string text) {
  // Rendered texts are cut to this many characters unless a renderer made them.
  constexpr size_t kPrintableLength = 50;
  if (text.size() > kPrintableLength) text.resize(kPrintableLength);
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 32) c = '.';
  return text;
}

int32_t RoundToInt32(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

DirectoryWalker::DirectoryWalker(ExifRead& read, ExifDetail detail, ByteOrderView data,
                                 ExifContainer container, std::optional<ReadProblem>& problem)
    : read_(read), detail_(detail), data_(data), container_(container), problem_(problem),
      entriesLeft_(kMaxEntriesPerWalk), valueBytesLeft_(kMaxValueBytesPerWalk) {}

bool DirectoryWalker::ProducesTexts() const {
  return detail_ != ExifDetail::TagList;
}

// The tag list alone lists every known tag with its bytes but without texts:
// the row is looked up for the list whether or not texts are made.
bool DirectoryWalker::FillsTagList() const {
  return detail_ == ExifDetail::TagList || detail_ == ExifDetail::Everything;
}

bool DirectoryWalker::WritesDump() const {
  return detail_ != ExifDetail::Fields;
}

// The named fields keep the texts of a few tags; a renderer may refuse a
// value and so end the directory, which must happen as in the full read.
// Every other text only feeds the dump and the list.
bool DirectoryWalker::NeedsText(uint16_t tag, const TagRow& row) const {
  if (detail_ != ExifDetail::Fields || row.renderer != nullptr) return true;
  switch (tag) {
  case TagMake:
  case TagModel:
  case TagDateTime:
  case TagDateTimeOriginal:
  case TagUserComment:
    return true;
  default:
    return false;
  }
}

WalkOutcome DirectoryWalker::WalkDirectory(int64_t start, int64_t base, TagTableKind kind,
                                           int64_t length) {
  // A directory already walked is not walked again: pointer chains that lead
  // back (to the directory itself or further up) end here.
  const auto walked = std::lower_bound(walkedDirectories_.begin(), walkedDirectories_.end(), start);
  if ((walked != walkedDirectories_.end() && *walked == start) || depth_ >= kMaxDirectoryDepth)
    return WalkOutcome::Completed;
  walkedDirectories_.insert(walked, start);
  const int64_t count = data_.U16At(start);
  // The size check of the rules counts the base as a 1-based position.
  if (2 + 12 * count > base + 1 + length) {
    problem_ = ReadProblem{ExifStatus::IllegalDirectorySize, {}};
    return WalkOutcome::Completed;
  }
  const NestingLevel level(depth_);
  for (int64_t i = 0; i < count && entriesLeft_ > 0; ++i) {
    --entriesLeft_;
    if (WalkEntry(start + 2 + 12 * i, start, base, kind, length) == WalkOutcome::Refused)
      return WalkOutcome::Refused;
  }
  // The next-directory offset is not followed: IFD1 holds only the thumbnail.
  return WalkOutcome::Completed;
}

void DirectoryWalker::WalkSubDirectory(int64_t start, int64_t base, TagTableKind kind,
                                       int64_t length) {
  // A refusal in a sub-directory ends that directory only; the one pointing
  // to it goes on with its next entry, so the outcome is not passed up.
  WalkDirectory(start, base, kind, length);
}

std::string_view DirectoryWalker::ValueBytes(std::string_view source, int64_t offset,
                                             uint64_t size) {
  // The value bytes that exist: a value reaching past the end of the data is
  // cut there, one starting outside it is empty.
  if (offset < 0 || offset >= static_cast<int64_t>(source.size())) return {};
  const uint64_t available = source.size() - static_cast<uint64_t>(offset);
  const uint64_t count = std::min({size, available, valueBytesLeft_});
  valueBytesLeft_ -= count;
  return source.substr(static_cast<size_t>(offset), static_cast<size_t>(count));
}

WalkOutcome DirectoryWalker::WalkEntry(int64_t entry, int64_t start, int64_t base,
                                       TagTableKind kind, int64_t length) {
  const uint16_t tag = data_.U16At(entry);
  const uint16_t type = data_.U16At(entry + 2);
  const uint64_t components = data_.U32At(entry + 4);
  const uint64_t size = components * static_cast<uint64_t>(FieldTypeSize(type));
  if (size == 0) return WalkOutcome::Completed;
  const int64_t value = size <= 4 ? entry + 8 : base + data_.U32At(entry + 8);
  const std::string_view raw = ValueBytes(data_.Bytes(), value, size);

  const TagRow& row = LookupTagRow(tag, kind);
  std::string text;
  if (ProducesTexts() && NeedsText(tag, row)) {
    if (type == kAscii)
      text = AsciiText(raw);
    else if (type == kUndefined)
      text = QuotedText(raw);
    else
      text = RenderValue(data_.Order(), raw, type, row.valueList, row.formatText);
    if (row.tagNumber != 0 && row.renderer != nullptr && kDecodeValues) {
      // The main tables' renderers name no values.
      RenderSink unused;
      RendererResult rendered = ApplyRenderer(row.renderer, text, unused);
      if (rendered.refusal) return WalkOutcome::Refused;
      text = std::move(rendered.text);
    } else {
      text = PrintableText(std::move(text));
    }
    if (tag == TagUserComment) {
      read_.exif.userComment = UserComment(raw);
      text = read_.exif.userComment;
    }
    if (WritesDump()) {
      std::string& dump = read_.dump;
      dump += "\r\n";
      dump += TagDescription(row);
      dump += " = ";
      dump += text;
    }
  }

  ExifFields& fields = read_.exif;
  switch (tag) {
  case TagImageWidth:
  case TagExifImageWidth:
    fields.imageWidth = RoundToInt32(NumericValue(data_.Order(), raw, type));
    break;
  case TagImageLength:
  case TagExifImageLength:
    fields.imageHeight = RoundToInt32(NumericValue(data_.Order(), raw, type));
    break;
  case TagMake:
    fields.make = text.substr(0, 32);
    break;
  case TagModel:
    fields.model = text.substr(0, 40);
    break;
  case TagDateTime:
    fields.dateTime = text.substr(0, kDateTextLength);
    fields.dateTimeTag = fields.dateTime;
    break;
  case TagDateTimeOriginal:
    fields.dateTime = text.substr(0, kDateTextLength);
    fields.dateTimeOriginal = fields.dateTime;
    break;
  case TagExifVersion:
    fields.version = std::string(raw.substr(0, 6));
    break;
  case TagSubIfds:
  case TagExifOffset:
  case TagInteroperabilityOffset: {
    const int64_t sub = data_.U32At(value) + base;
    if (sub != start) WalkSubDirectory(sub, base, MainTagTable, length);
    break;
  }
  case TagGpsInfo:
    WalkSubDirectory(data_.U32At(value) + base, base, GpsTagTable, length);
    break;
  case TagMakerNote:
    read_.makerNote.bytes = std::string(raw);
    read_.makerNote.offset = static_cast<int32_t>(std::clamp<int64_t>(value, 0, INT32_MAX));
    DecodeMakerNote(base);
    break;
  default:
    break;
  }

  if (FillsTagList()) {
    Tag entry = LookupTag(tag, kind);
    entry.text = text;
    entry.rawBytes = std::string(raw);
    entry.byteCount = static_cast<int32_t>(raw.size());
    entry.valueOffset = static_cast<int32_t>(std::clamp<int64_t>(value, 0, INT32_MAX));
    entry.valueType = type;
    AddTag(entry);
  }
  return WalkOutcome::Completed;
}

// Only entries with a tag number are kept.
void DirectoryWalker::AddTag(const Tag& entry) {
  if (entry.tagNumber != 0) read_.tags.push_back(entry);
}
