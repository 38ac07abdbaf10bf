// The walk of a maker note's directory: like the EXIF walk, but with the
// maker's own table, directory position and origin of value offsets.

#include "metadata/directory_walker.h"
#include "metadata/makernote_layout.h"
#include "metadata/rendering.h"

#include <string>
#include <utility>

namespace {

constexpr int64_t kEntrySize = 12;
constexpr std::string_view kErrorPrefix = "Error Detected = ";
constexpr std::string_view kErrorPastNote = "Maker note directory runs past the end of the note";

const TagRow* FindRow(std::span<const TagRow> table, uint16_t tag) {
  for (const TagRow& row : table)
    if (row.TagNumber == tag) return &row;
  return nullptr;
}

// A maker row's description is its name unless the table gives another.
std::string_view Label(const TagRow* row) {
  if (row == nullptr) return "Unknown";
  return row->Description.empty() ? row->Name : row->Description;
}

bool IsSkip(std::string_view label) {
  if (label.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i)
    if ((label[i] & ~0x20) != "SKIP"[i]) return false;
  return true;
}

std::string Quoted(std::string_view bytes) {
  return "\"" + std::string(bytes) + "\"";
}

} // namespace

void DirectoryWalker::WalkMakerNoteDirectory(const ByteString& note, std::span<const TagRow> table,
                                             int64_t directory, int64_t notePosition,
                                             int64_t valueBase) {
  // Maker-note entries are made for the reader options that fill the tag list.
  if (!FillsTagList()) return;
  // The note is read through its own buffer in the current byte order; the
  // info's Buffer keeps the owner's bytes throughout.
  ByteOrderBuffer reader;
  reader.BigEndian = BigEndian;
  reader.Buffer = note;
  const int64_t length = static_cast<int64_t>(note.size());
  const int64_t count = reader.ReadU16(directory + 1);
  for (int64_t i = 0; i < count && entriesLeft_ > 0; ++i) {
    const int64_t entry = directory + 3 + kEntrySize * i;
    // An entry count that runs past the note means this is not the
    // directory the layout expects: stop instead of reading beyond it.
    if (length < kEntrySize || entry - 1 > length - kEntrySize) {
      SetOwnerError(std::string(kErrorPrefix).append(kErrorPastNote));
      return;
    }
    --entriesLeft_;
    if (WalkMakerNoteEntry(reader, entry, table, directory, notePosition, valueBase) ==
        WalkOutcome::Refused)
      return;
  }
}

WalkOutcome DirectoryWalker::WalkMakerNoteEntry(const ByteOrderBuffer& note, int64_t entry,
                                                std::span<const TagRow> table, int64_t directory,
                                                int64_t notePosition, int64_t valueBase) {
  const uint16_t tag = note.ReadU16(entry);
  const uint16_t type = note.ReadU16(entry + 2);
  const uint64_t components = static_cast<uint32_t>(note.ReadU32(entry + 4));
  const uint64_t size = components * static_cast<uint64_t>(FieldTypeSize(type));
  // Unlike the EXIF walk, an entry of size 0 is decoded, with an empty value.
  int64_t offset = 0;
  int64_t value = entry + 8;
  if (size > 4) {
    offset = static_cast<uint32_t>(note.ReadU32(entry + 8));
    value = offset + directory + 2 - notePosition;
  }
  const int64_t length = static_cast<int64_t>(note.Buffer.size());
  const bool insideNote = value >= 1 && size <= static_cast<uint64_t>(length) &&
                          value - 1 <= length - static_cast<int64_t>(size);
  const std::string raw = insideNote ? CopyValueBytes(note.Buffer, value, size)
                                     : CopyValueBytes(Buffer, offset + valueBase, size);

  const TagRow* row = FindRow(table, tag);
  const std::string_view label = Label(row);
  if (IsSkip(label)) return WalkOutcome::Completed;

  std::string text;
  if (type == kAscii) {
    text = Quoted(std::string_view(raw).substr(0, raw.find('\0')));
  } else if (type == kUndefined) {
    text = Quoted(raw);
  } else {
    // The maker tables' formats apply to every value (asserted with the
    // tables), so rendering never refuses here.
    text = RenderValue(raw, type, row != nullptr && kDecodeValues ? row->ValueList : "",
                       row != nullptr ? row->FormatText : "");
  }
  MultiLineOutput = false;
  std::string shown;
  if (row != nullptr && row->Renderer != nullptr && kDecodeValues) {
    RendererResult rendered = ApplyRenderer(row->Renderer, text);
    if (rendered.Refusal) {
      SetOwnerError(std::string(kErrorPrefix) + *rendered.Refusal);
      return WalkOutcome::Refused;
    }
    shown = std::move(rendered.Text);
  } else {
    shown = PrintableText(text);
  }
  // A renderer's block of lines goes first, the entry's own line with the
  // plain value last.
  if (MultiLineOutput)
    MakerNoteDumpText.append(shown).append("\r\n").append(label).append(" = ").append(text);
  else
    MakerNoteDumpText.append("\r\n").append(label).append(" = ").append(shown);

  if (row == nullptr) return WalkOutcome::Completed; // unknown entries are listed in the dump only
  Tag tagEntry = ToTagEntry(*row);
  tagEntry.Description = label;
  tagEntry.Origin = 1;
  tagEntry.ValueType = type;
  tagEntry.Text = shown;
  tagEntry.RawBytes = raw;
  // Appended directly: a row of tag number 0 (Fujifilm's Version, Minolta's
  // ModelID) is a known entry and belongs in the list too.
  AppendToTagList(tagEntry);
  return WalkOutcome::Completed;
}
