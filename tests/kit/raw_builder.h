#pragma once
// TIFF-based raw files as cameras lay out their headers: Panasonic's RW2
// with its own magic number, Olympus's ORF with theirs, Canon's CR2 with its
// marker behind the header, the others (DNG, NEF, ARW, PEF) plain TIFF.

#include "tests/kit/tiff_builder.h"

#include <string>

namespace testkit {

enum class RawKind { Dng, Cr2, Nef, Arw, Orf, Rw2, Pef };

// The raw header around ifd0. CR2 and RW2 are always written in Intel order;
// the others take order.
std::string RawTiff(RawKind kind, const Ifd& ifd0, ByteOrder order);

// IFD0 with Make, DateTime (0x0132) and an EXIF directory holding
// DateTimeOriginal (0x9003); an empty text leaves its entry out.
Ifd DatedIfd0(const std::string& dateTimeOriginal, const std::string& dateTime);

} // namespace testkit
