#include "metadata/makernote_layout.h"

#include "platform/ascii_case.h"
#include <algorithm>
#include <limits>
#include <string_view>

namespace {

// The TIFF read's buffer starts behind the 8-byte header, the EXIF segment's
// 16 bytes earlier in the data: the same note lies 16 positions further on in
// a segment than in a TIFF buffer.
constexpr int32_t kTiffNoteShift = 16;

std::string UpperFirstFive(const std::string& text) {
  std::string result = text.substr(0, 5);
  std::transform(result.begin(), result.end(), result.begin(), AsciiUpper);
  return result;
}

// The character after the model's first blank, or its first character when it
// has none; nothing for an empty model or one that ends in its first blank.
std::optional<char> ModelLetter(const std::string& model) {
  const size_t blank = model.find(' ');
  const size_t at = blank == std::string::npos ? 0 : blank + 1;
  if (at >= model.size()) return std::nullopt;
  return model[at];
}

// Restores the info's byte order when the decode ends, however it ends.
class ByteOrderGuard {
public:
  explicit ByteOrderGuard(ByteOrderBuffer& order) : order_(order), bigEndian_(order.BigEndian) {}
  ~ByteOrderGuard() { order_.BigEndian = bigEndian_; }
  ByteOrderGuard(const ByteOrderGuard&) = delete;
  ByteOrderGuard& operator=(const ByteOrderGuard&) = delete;

private:
  ByteOrderBuffer& order_;
  bool bigEndian_;
};

} // namespace

MakerNoteDecoder::MakerNoteDecoder(bool tiffSource, DirectoryWalker& info)
    : TiffSource(tiffSource), Info(info), NoteOffset(info.MakerNoteOffset) {}

std::optional<MakerNoteLayout> MakerNoteDecoder::ChooseLayout() const {
  const std::string maker = UpperFirstFive(Info.MakeText);
  const std::string_view note = Info.MakerNoteBytes;
  // Layouts whose offsets count from the TIFF header place the note by
  // NoteOffset, which is right for TIFF sources as well as for JPEG ones.
  const auto fromTiffHeader = [&](MakerTable table, int64_t d) {
    return MakerNoteLayout{table, d, int64_t{NoteOffset} + d - 8, 0};
  };
  const auto ownOrigin = [](MakerTable table, int64_t d, int64_t p) {
    return MakerNoteLayout{table, d, p, 0};
  };

  std::optional<MakerNoteLayout> layout;
  if (maker == "NIKON") {
    const bool newerVersion = Info.ExifVersionText > std::string_view("0210");
    const bool tiffFromD =
        Info.ExifVersionText.empty() && ModelLetter(Info.ModelText) == 'D' && TiffSource;
    if (newerVersion || tiffFromD)
      layout = ownOrigin(MakerTable::Nikon2, 18, 9); // offsets from byte 10 of the note
    else if (note.starts_with("Nikon"))
      layout = fromTiffHeader(MakerTable::Nikon1, 8);
    else
      layout = fromTiffHeader(MakerTable::Nikon2, 0);
  } else if (maker == "OLYMP") {
    layout = fromTiffHeader(MakerTable::Olympus, 8);
  } else if (maker == "CASIO") {
    layout = note.starts_with("QVC") ? fromTiffHeader(MakerTable::Casio2, 6)
                                     : fromTiffHeader(MakerTable::Casio1, 0);
  } else if (maker == "FUJIF") {
    layout = ownOrigin(MakerTable::Fuji, 12, 13); // offsets from byte 0 of the note
  } else if (maker == "CANON") {
    layout = fromTiffHeader(MakerTable::Canon, 0);
  } else if (maker == "SEIKO") {
    layout = fromTiffHeader(MakerTable::Seiko, 8);
  } else if (maker == "SANYO") {
    layout = fromTiffHeader(MakerTable::Sanyo, 8);
  } else if (maker == "MINOL") {
    layout = fromTiffHeader(MakerTable::Minolta, 0);
  }
  if (!layout) return layout;
  // A value that does not lie wholly inside the note is taken from the
  // owner's bytes at the place the note's own counting points to: note
  // position v is owner position v + MakerNoteOffset - 1.
  layout->ValueBase =
      int64_t{Info.MakerNoteOffset} + layout->DirectoryPosition + 1 - layout->NotePosition;
  return layout;
}

bool MakerNoteDecoder::Decode() {
  if (TiffSource)
    NoteOffset = static_cast<int32_t>(std::min<int64_t>(int64_t{NoteOffset} + kTiffNoteShift,
                                                        std::numeric_limits<int32_t>::max()));
  // Cleared when the decode ends: the info may be freed right after it, and
  // a renderer called later must not reach a freed info.
  struct CurrentInfoScope {
    explicit CurrentInfoScope(DirectoryWalker& info) { CurrentInfo = &info; }
    ~CurrentInfoScope() { CurrentInfo = nullptr; }
    CurrentInfoScope(const CurrentInfoScope&) = delete;
    CurrentInfoScope& operator=(const CurrentInfoScope&) = delete;
  } current(Info);
  const std::optional<MakerNoteLayout> layout = ChooseLayout();
  if (!layout) return false;
  const ByteOrderGuard order(Info);
  // Fujifilm writes its note little-endian whatever the EXIF data's order.
  if (layout->Table == MakerTable::Fuji) Info.BigEndian = false;
  Info.WalkMakerNoteDirectory(Info.MakerNoteBytes, MakerTableRows(layout->Table),
                              layout->DirectoryPosition, layout->NotePosition, layout->ValueBase);
  return true;
}
