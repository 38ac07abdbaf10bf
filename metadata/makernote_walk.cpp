// The walk of a maker note's directory: like the EXIF walk, but with the
// maker's own table, directory position and origin of value offsets.

#include "metadata/internal/directory_walker.h"
#include "metadata/internal/rendering.h"

#include <string>
#include <utility>

namespace {

constexpr int64_t kEntrySize = 12;
constexpr std::string_view kErrorPastNote = "Maker note directory runs past the end of the note";

const TagRow* FindRow(std::span<const TagRow> table, uint16_t tag) {
  for (const TagRow& row : table)
    if (row.tagNumber == tag) return &row;
  return nullptr;
}

// A maker row's description is its name unless the table gives another.
std::string_view Label(const TagRow* row) {
  if (row == nullptr) return "Unknown";
  return row->description.empty() ? row->name : row->description;
}

bool IsSkip(std::string_view label) {
  if (label.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i)
    if ((label[i] & ~0x20) != "SKIP"[i]) return false;
  return true;
}

std::string Quoted(std::string_view bytes) {
  std::string quoted;
  quoted.reserve(bytes.size() + 2);
  quoted += '"';
  quoted.append(bytes) += '"';
  return quoted;
}

} // namespace

void DirectoryWalker::DecodeMakerNote(int64_t base) {
  const MakerNoteRead& note = read_.makerNote;
  const std::optional<MakerNoteLayout> layout = ChooseMakerNoteLayout(
      read_.exif, note.bytes, container_, int64_t{note.offset} - base, data_.Order());
  read_.makerNote.recognised = layout.has_value();
  if (layout) WalkMakerNote(note.bytes, *layout, note.offset);
}

void DirectoryWalker::WalkMakerNote(std::string_view note, const MakerNoteLayout& layout,
                                    int64_t noteAt) {
  // Maker-note entries are made for the details that fill the tag list.
  if (!FillsTagList()) return;
  const ByteOrderView reader(note, layout.order);
  const int64_t length = static_cast<int64_t>(note.size());
  const int64_t count = reader.U16At(layout.directoryOffset);
  for (int64_t i = 0; i < count && entriesLeft_ > 0; ++i) {
    const int64_t entry = layout.directoryOffset + 2 + kEntrySize * i;
    // An entry count that runs past the note means this is not the
    // directory the layout expects: stop instead of reading beyond it.
    if (length < kEntrySize || entry > length - kEntrySize) {
      problem_ = ReadProblem{ExifStatus::ErrorDetected, std::string(kErrorPastNote)};
      return;
    }
    --entriesLeft_;
    if (WalkMakerNoteEntry(reader, entry, layout, noteAt) == WalkOutcome::Refused) return;
  }
}

WalkOutcome DirectoryWalker::WalkMakerNoteEntry(const ByteOrderView& note, int64_t entry,
                                                const MakerNoteLayout& layout, int64_t noteAt) {
  const uint16_t tag = note.U16At(entry);
  const uint16_t type = note.U16At(entry + 2);
  const uint64_t components = note.U32At(entry + 4);
  const uint64_t size = components * static_cast<uint64_t>(FieldTypeSize(type));
  // Unlike the EXIF walk, an entry of size 0 is decoded, with an empty value.
  int64_t value = entry + 8;
  if (size > 4) value = int64_t{note.U32At(entry + 8)} + layout.valueOrigin;
  const int64_t length = static_cast<int64_t>(note.Bytes().size());
  const bool insideNote = value >= 0 && size <= static_cast<uint64_t>(length) &&
                          value <= length - static_cast<int64_t>(size);
  // A value that does not lie wholly inside the note is read from the EXIF
  // bytes at the place the note's own counting points to.
  const std::string_view raw = insideNote ? ValueBytes(note.Bytes(), value, size)
                                          : ValueBytes(data_.Bytes(), noteAt + value, size);

  const std::span<const TagRow> table = MakerTableRows(layout.table);
  const TagRow* row = FindRow(table, tag);
  const std::string_view label = Label(row);
  if (IsSkip(label)) return WalkOutcome::Completed;

  std::string text;
  if (type == kAscii) {
    text = Quoted(raw.substr(0, raw.find('\0')));
  } else if (type == kUndefined) {
    text = Quoted(raw);
  } else {
    // The maker tables' formats apply to every value (asserted with the
    // tables), so rendering never refuses here.
    text =
        RenderValue(note.Order(), raw, type, row != nullptr && kDecodeValues ? row->valueList : "",
                    row != nullptr ? row->formatText : "");
  }
  RenderSink sink;
  std::string shown;
  if (row != nullptr && row->renderer != nullptr && kDecodeValues) {
    RendererResult rendered = ApplyRenderer(row->renderer, text, sink);
    if (rendered.refusal) {
      problem_ = ReadProblem{ExifStatus::ErrorDetected, *rendered.refusal};
      return WalkOutcome::Refused;
    }
    shown = std::move(rendered.text);
  } else {
    shown = PrintableText(text);
  }
  // Named values carry no tag number; they are listed directly, ahead of
  // the entry that named them.
  for (RenderSink::NamedValue& named : sink.namedValues) {
    Tag entry;
    entry.origin = TagOrigin::MakerNote;
    entry.valueType = kAscii;
    entry.name = named.name;
    entry.description = std::move(named.name);
    entry.rawBytes = named.text;
    entry.byteCount = static_cast<int32_t>(named.text.size());
    entry.text = std::move(named.text);
    read_.tags.push_back(std::move(entry));
  }
  // A renderer's block of lines goes first, the entry's own line with the
  // plain value last.
  std::string& dump = read_.makerNote.dump;
  if (sink.multiLine)
    dump.append(shown).append("\r\n").append(label).append(" = ").append(text);
  else
    dump.append("\r\n").append(label).append(" = ").append(shown);

  if (row == nullptr) return WalkOutcome::Completed; // unknown entries are listed in the dump only
  Tag tagEntry = ToTagEntry(*row);
  tagEntry.description = label;
  tagEntry.origin = TagOrigin::MakerNote;
  tagEntry.valueType = type;
  tagEntry.text = shown;
  tagEntry.rawBytes = std::string(raw);
  // Listed directly: a row of tag number 0 (Fujifilm's Version, Minolta's
  // ModelID) is a known entry and belongs in the list too.
  read_.tags.push_back(std::move(tagEntry));
  return WalkOutcome::Completed;
}
