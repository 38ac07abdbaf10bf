#include "metadata/directory_walker.h"

#include "metadata/exif_reader.h"
#include "metadata/makernote_layout.h"
#include "metadata/rendering.h"
#include "metadata/tagtables.h"
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
std::string AsciiText(const std::string& raw) {
  if (!raw.empty() && raw.back() == '\0') return raw.substr(0, raw.size() - 1);
  return raw;
}

// An UNDEFINED value up to its first zero byte, in double quotes.
std::string QuotedText(const std::string& raw) {
  return "\"" + raw.substr(0, raw.find('\0')) + "\"";
}

// The comment after its 8-byte character-code prefix, without the blanks,
// zero bytes and control characters around it.
std::string UserComment(const std::string& raw) {
  if (raw.size() <= 8) return {};
  const std::string_view text = std::string_view(raw).substr(8);
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
  return first < last ? std::string(first, last) : std::string();
}

} // namespace

std::string PrintableText(const std::string& text) {
  // Rendered texts are cut to this many characters unless a renderer made them.
  constexpr size_t kPrintableLength = 50;
  std::string result = text.substr(0, kPrintableLength);
  for (char& c : result)
    if (static_cast<unsigned char>(c) < 32) c = '.';
  return result;
}

int32_t RoundToInt32(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

DirectoryWalker::DirectoryWalker(ExifReader* owner, int32_t option)
    : Owner(owner), ReaderOption(option), entriesLeft_(kMaxEntriesPerWalk),
      valueBytesLeft_(kMaxValueBytesPerWalk) {
  FillTableDescriptions();
}

bool DirectoryWalker::ProducesTexts() const {
  return ReaderOption == ReaderTextsOnly || ReaderOption == ReaderEverything;
}

// Option 4 alone lists every known tag with its bytes but without texts: the
// row is looked up for the list whether or not texts are made.
bool DirectoryWalker::FillsTagList() const {
  return ReaderOption == ReaderTagListOnly || ReaderOption == ReaderEverything;
}

void DirectoryWalker::SetOwnerError(const std::string& text) {
  if (Owner != nullptr) Owner->ErrorText = text;
}

WalkOutcome DirectoryWalker::WalkDirectory(int64_t start, int64_t base, TagTableKind kind,
                                           int64_t length) {
  // A directory already walked is not walked again: pointer chains that lead
  // back (to the directory itself or further up) end here.
  if (!walkedDirectories_.insert(start).second || depth_ >= kMaxDirectoryDepth)
    return WalkOutcome::Completed;
  const int64_t count = ReadU16(start);
  if (2 + 12 * count > base + length) {
    SetOwnerError(std::string(kErrorIllegalDirectorySize));
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

std::string DirectoryWalker::ValueBytes(int64_t position, uint64_t size) {
  return CopyValueBytes(Buffer, position, size);
}

std::string DirectoryWalker::CopyValueBytes(std::string_view source, int64_t position,
                                            uint64_t size) {
  // The value bytes that exist: a value reaching past the end of the data is
  // cut there, one starting outside it is empty.
  if (position < 1 || position > static_cast<int64_t>(source.size())) return {};
  const uint64_t available = source.size() - static_cast<uint64_t>(position - 1);
  const uint64_t count = std::min({size, available, valueBytesLeft_});
  valueBytesLeft_ -= count;
  return std::string(source.substr(static_cast<size_t>(position - 1), static_cast<size_t>(count)));
}

WalkOutcome DirectoryWalker::WalkEntry(int64_t entry, int64_t start, int64_t base,
                                       TagTableKind kind, int64_t length) {
  const uint16_t tag = ReadU16(entry);
  const uint16_t type = ReadU16(entry + 2);
  const uint64_t components = static_cast<uint32_t>(ReadU32(entry + 4));
  const uint64_t size = components * static_cast<uint64_t>(FieldTypeSize(type));
  if (size == 0) return WalkOutcome::Completed;
  const int64_t value = size <= 4 ? entry + 8 : base + static_cast<uint32_t>(ReadU32(entry + 8));
  const std::string raw = ValueBytes(value, size);

  Tag row;
  if (ProducesTexts() || FillsTagList()) row = LookupTag(tag, kind);
  std::string text;
  if (ProducesTexts()) {
    if (type == kAscii)
      text = AsciiText(raw);
    else if (type == kUndefined)
      text = QuotedText(raw);
    else
      text = RenderValue(raw, type, row.ValueList, row.FormatText);
    if (row.TagNumber != 0 && row.Renderer != nullptr && kDecodeValues) {
      RendererResult rendered = ApplyRenderer(row.Renderer, text);
      if (rendered.Refusal) return WalkOutcome::Refused;
      text = std::move(rendered.Text);
    } else {
      text = PrintableText(text);
    }
    if (tag == TagUserComment) {
      UserCommentText = UserComment(raw);
      text = UserCommentText;
    }
    DumpText += "\r\n" + row.Description + " = " + text;
  }

  switch (tag) {
  case TagImageWidth:
  case TagExifImageWidth:
    ImageWidth = RoundToInt32(NumericValue(raw, type));
    break;
  case TagImageLength:
  case TagExifImageLength:
    ImageHeight = RoundToInt32(NumericValue(raw, type));
    break;
  case TagMake:
    MakeText = text.substr(0, 32);
    break;
  case TagModel:
    ModelText = text.substr(0, 40);
    break;
  case TagDateTime:
    DateTimeText = text.substr(0, kDateTextLength);
    DateTimeTagText = DateTimeText;
    break;
  case TagDateTimeOriginal:
    DateTimeText = text.substr(0, kDateTextLength);
    DateTimeOriginalText = DateTimeText;
    break;
  case TagExifVersion:
    ExifVersionText = raw.substr(0, 6);
    break;
  case TagSubIfds:
  case TagExifOffset:
  case TagInteroperabilityOffset: {
    const int64_t sub = static_cast<uint32_t>(ReadU32(value)) + base;
    if (sub != start) WalkSubDirectory(sub, base, MainTagTable, length);
    break;
  }
  case TagGpsInfo:
    WalkSubDirectory(static_cast<uint32_t>(ReadU32(value)) + base, base, GpsTagTable, length);
    break;
  case TagMakerNote:
    MakerNoteBytes = raw;
    MakerNoteOffset = static_cast<int32_t>(std::clamp<int64_t>(value, 0, INT32_MAX));
    DecodeMakerNote();
    break;
  default:
    break;
  }

  if (FillsTagList()) {
    row.Text = text;
    row.RawBytes = raw;
    row.ByteCount = static_cast<int32_t>(raw.size());
    row.ValueOffset = static_cast<int32_t>(std::clamp<int64_t>(value, 0, INT32_MAX));
    row.ValueType = type;
    AddTag(row);
  }
  return WalkOutcome::Completed;
}

void DirectoryWalker::DecodeMakerNote() {
  MakerNoteDecoder decoder(TiffSource, *this);
  MakerNoteResult = decoder.Decode();
}

// The list grows geometrically: growing it by a fixed step made every long
// list (a hostile maker note of 20000 entries, say) cost quadratic time.
void DirectoryWalker::AppendToTagList(const Tag& entry) {
  TagList.push_back(entry);
}

int32_t DirectoryWalker::AddTag(const Tag& entry) {
  if (entry.TagNumber != 0) AppendToTagList(entry);
  return TagCount() - 1;
}

// Named values carry no tag number; they go into the list directly, since
// AddTag keeps only entries with one and these would otherwise never show.
void DirectoryWalker::AddNamedValue(const std::string& name, const std::string& text,
                                    uint16_t type) {
  if (!FillsTagList()) return;
  Tag entry;
  entry.Origin = 1;
  entry.ValueType = type;
  entry.Name = name;
  entry.Description = name;
  entry.Text = text;
  entry.RawBytes = text;
  entry.ByteCount = static_cast<int32_t>(text.size());
  AppendToTagList(entry);
}

int32_t DirectoryWalker::FindTag(std::string_view name) const {
  for (size_t i = 0; i < TagList.size(); ++i)
    if (EqualIgnoringAsciiCase(TagList[i].Name, name)) return static_cast<int32_t>(i);
  return -1;
}

std::string DirectoryWalker::TagText(std::string_view name) const {
  const int32_t index = FindTag(name);
  return index < 0 ? std::string() : TagList[static_cast<size_t>(index)].Text;
}

Tag DirectoryWalker::TagByName(std::string_view name) const {
  const int32_t index = FindTag(name);
  return index < 0 ? Tag() : TagList[static_cast<size_t>(index)];
}

double DirectoryWalker::TagValue(std::string_view name) const {
  const int32_t index = FindTag(name);
  if (index < 0) return 0;
  const Tag& entry = TagList[static_cast<size_t>(index)];
  return NumericValue(entry.RawBytes, entry.ValueType);
}

int32_t DirectoryWalker::TagInteger(std::string_view name) const {
  return RoundToInt32(TagValue(name));
}

std::string DirectoryWalker::RenderValue(std::string_view raw, uint16_t type,
                                         std::string_view valueList,
                                         std::string_view format) const {
  return ::RenderValue(*this, raw, type, valueList, format);
}

double DirectoryWalker::NumericValue(std::string_view raw, uint16_t type) const {
  return ::NumericValue(*this, raw, type);
}
