#include "tests/kit/makernote_builder.h"

#include "tests/kit/jpeg_builder.h"

#include <stdexcept>

namespace testkit {

namespace {

constexpr uint32_t kIfd0Offset = 8;
constexpr uint16_t kTagMake = 0x010F;
constexpr uint16_t kTagModel = 0x0110;
constexpr uint16_t kTagExifOffset = 0x8769;
constexpr uint16_t kTagExifVersion = 0x9000;
constexpr uint16_t kTagMakerNote = 0x927C;

std::string Encode(const Entry& e, ByteOrder order) {
  if (e.numbers.empty()) return e.bytes;
  std::string out;
  for (uint32_t n : e.numbers) {
    if (e.type == kShort || e.type == kSShort)
      out += U16(static_cast<uint16_t>(n), order);
    else if (e.type == kByte || e.type == kSByte || e.type == kUndefined)
      out += static_cast<char>(n & 0xFF);
    else
      out += U32(n, order);
  }
  return out;
}

std::string EntryBytes(uint16_t tag, uint16_t type, uint32_t count, const std::string& field,
                       ByteOrder order) {
  return U16(tag, order) + U16(type, order) + U32(count, order) + field +
         std::string(4 - field.size(), '\0');
}

void AlignEven(std::string& out) {
  if (out.size() % 2 != 0) out += '\0';
}

} // namespace

std::string NoteDirectory(const std::string& prefix, const Ifd& directory, ByteOrder order,
                          int64_t originShift) {
  const auto& entries = directory.entries();
  std::string out = prefix;
  out += U16(directory.countWord().value_or(static_cast<uint16_t>(entries.size())), order);
  std::string values;
  const size_t valuesStart = out.size() + 12 * entries.size() + 4;
  for (const Entry& e : entries) {
    const std::string value = Encode(e, order);
    std::string field;
    if (e.rawField) {
      field = U32(*e.rawField, order);
    } else if (value.size() <= 4) {
      field = value;
    } else {
      AlignEven(values);
      field = U32(static_cast<uint32_t>(valuesStart + values.size() + originShift), order);
      values += value;
    }
    out += EntryBytes(e.tag, e.type, e.count, field, order);
  }
  return out + U32(0, order) + values;
}

std::string NikonHeaderNote(const Ifd& directory, ByteOrder order, uint32_t noteOffset) {
  return NoteDirectory(std::string("Nikon\0\1\0", 8), directory, order, noteOffset);
}

std::string NikonTiffNote(const Ifd& directory, ByteOrder order) {
  return std::string("Nikon\0\2\x10\0\0", 10) + Tiff(directory, order);
}

std::string OlympusNote(const Ifd& directory, ByteOrder order, uint32_t noteOffset) {
  return EightByteHeaderNote(std::string("OLYMP\0\1\0", 8), directory, order, noteOffset);
}

std::string CasioQvcNote(const Ifd& directory, ByteOrder order, uint32_t noteOffset) {
  return NoteDirectory(std::string("QVC\0\0\0", 6), directory, order, noteOffset);
}

std::string FujifilmNote(const Ifd& directory) {
  return NoteDirectory("FUJIFILM" + U32(12, ByteOrder::Intel), directory, ByteOrder::Intel, 0);
}

std::string PlainNote(const Ifd& directory, ByteOrder order, uint32_t noteOffset) {
  return NoteDirectory("", directory, order, noteOffset);
}

std::string EightByteHeaderNote(const std::string& header, const Ifd& directory, ByteOrder order,
                                uint32_t noteOffset) {
  if (header.size() != 8) throw std::invalid_argument("the header must have 8 bytes");
  return NoteDirectory(header, directory, order, noteOffset);
}

uint32_t MakeTextOffset() {
  return kIfd0Offset + 2 + 3 * 12 + 4;
}

std::string TiffWithMakerNote(const Camera& camera, const NoteAt& note, ByteOrder order,
                              const std::vector<Entry>& after) {
  std::string out = (order == ByteOrder::Motorola ? "MM" : "II") + U16(42, order) +
                    U32(kIfd0Offset, order) + U16(3, order);
  // Make and model go behind IFD0 when they do not fit their entry.
  std::string texts;
  const auto textField = [&](const std::string& text) {
    const std::string value = text + '\0';
    if (value.size() <= 4) return value;
    AlignEven(texts);
    const auto offset = static_cast<uint32_t>(MakeTextOffset() + texts.size());
    texts += value;
    return U32(offset, order);
  };
  const std::string makeField = textField(camera.make);
  const std::string modelField = textField(camera.model);
  AlignEven(texts);
  const auto exifOffset = static_cast<uint32_t>(MakeTextOffset() + texts.size());
  out +=
      EntryBytes(kTagMake, kAscii, static_cast<uint32_t>(camera.make.size() + 1), makeField, order);
  out += EntryBytes(kTagModel, kAscii, static_cast<uint32_t>(camera.model.size() + 1), modelField,
                    order);
  out +=
      EntryBytes(kTagExifOffset, kLong, 1, U32(exifOffset, order), order) + U32(0, order) + texts;

  const bool hasVersion = !camera.exifVersion.empty();
  const size_t count = (hasVersion ? 2 : 1) + after.size();
  const auto noteOffset = static_cast<uint32_t>(exifOffset + 2 + 12 * count + 4);
  const std::string noteBytes = note(noteOffset);
  out += U16(static_cast<uint16_t>(count), order);
  if (hasVersion) out += EntryBytes(kTagExifVersion, kUndefined, 4, camera.exifVersion, order);
  out += EntryBytes(kTagMakerNote, kUndefined, static_cast<uint32_t>(noteBytes.size()),
                    U32(noteOffset, order), order);
  for (const Entry& e : after)
    out += EntryBytes(e.tag, e.type, e.count, Encode(e, order), order);
  return out + U32(0, order) + noteBytes;
}

std::string JpegWithMakerNote(const Camera& camera, const NoteAt& note, ByteOrder order,
                              const std::vector<Entry>& after) {
  return Soi() + ExifApp1(TiffWithMakerNote(camera, note, order, after)) + ScanAndEnd();
}

} // namespace testkit
