// Each maker and layout: the make test, where the directory lies and where
// value offsets count from, in both byte orders.

#include "metadata/exif_reader.h"
#include "tests/kit/makernote_builder.h"
#include "tests/metadata/reader_helpers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace testkit;
using readertest::Read;

namespace {

// How a camera lays out its note.
enum class Kind { NikonTiff, NikonHeader, Plain, Olympus, CasioQvc, Fujifilm, Epson, Sanyo };

std::string NoteOf(Kind kind, const Ifd& d, ByteOrder o, uint32_t at) {
  switch (kind) {
  case Kind::NikonTiff:
    return NikonTiffNote(d, o);
  case Kind::NikonHeader:
    return NikonHeaderNote(d, o, at);
  case Kind::Olympus:
    return OlympusNote(d, o, at);
  case Kind::CasioQvc:
    return CasioQvcNote(d, o, at);
  case Kind::Fujifilm:
    return FujifilmNote(d);
  case Kind::Epson:
    return EightByteHeaderNote(std::string("EPSON\0\1\0", 8), d, o, at);
  case Kind::Sanyo:
    return EightByteHeaderNote(std::string("SANYO\0\1\0", 8), d, o, at);
  case Kind::Plain:
    break;
  }
  return PlainNote(d, o, at);
}

struct LayoutCase {
  const char* name;
  Camera camera;
  Kind kind;
  Ifd directory;
  std::vector<std::string> lines; // dump lines the note must give, in order
  const char* listedName;         // a maker entry that must reach the tag list
};

// Each note has a value behind its directory, so that the origin of its
// offsets matters, and most have one that a value list decodes.
const LayoutCase kLayouts[] = {
    {"NikonTiffHeader",
     {"NIKON CORPORATION", "NIKON D70", "0220"},
     Kind::NikonTiff,
     {Short(0x0002, {0, 200}), Ascii(0x0004, "FINE  ")},
     {"ISO Speed = 0, 200", "Quality = \"FINE  \""},
     "ISOSpeed"},
    {"NikonHeaderFromTiffHeader",
     {"NIKON", "E990", "0200"},
     Kind::NikonHeader,
     {Ascii(0x0002, "FAMILY01"), Short(0x0003, {6})},
     {"FamilyID = \"FAMILY01\"", "Quality = SXGA Fine10:2 Mpixel Basic"},
     "Quality"},
    {"NikonDirectoryAtZero",
     {"Nikon", "E700", "0210"},
     Kind::Plain,
     {Ascii(0x0004, "NORMAL "), Short(0x0086, {1})},
     {"Quality = \"NORMAL \"", "Digital Zoom = 1"},
     "Quality"},
    {"Olympus",
     {"OLYMPUS OPTICAL CO.,LTD", "C2000Z", "0210"},
     Kind::Olympus,
     {Long(0x0200, {0, 1, 2}), Short(0x0202, {1})},
     {"SpecialMode = 0, 1, 2", "Macro = Macro;"},
     "SpecialMode"},
    {"CasioQvc",
     {"CASIO COMPUTER CO.,LTD.", "EX-Z4", "0220"},
     Kind::CasioQvc,
     {Short(0x0008, {2}), Ascii(0x3006, "Europe/Berlin")},
     {"Quality = Super Fine", "Time Zone = \"Europe/Berlin\""},
     "TimeZone"},
    {"CasioPlain",
     {"CASIO", "QV-3000EX", "0210"},
     Kind::Plain,
     {Short(0x0001, {5}), Long(0x0006, {1500, 2}), Long(0x000A, {65537})},
     {"RecordingMode = Landscape", "ObjectDistance = 1500, 2", "DigitalZoom = 2X Digital Zoom"},
     "ObjectDistance"},
    {"Fujifilm",
     {"FUJIFILM", "FinePix6900ZOOM", "0210"},
     Kind::Fujifilm,
     {Undefined(0x0000, "0130"), Ascii(0x1000, "FINE   "), Short(0x1001, {3})},
     {"Version = \"0130\"", "Quality = \"FINE   \"", "Sharpness = Normal"},
     "Version"},
    {"Canon",
     {"Canon", "Canon PowerShot S40", "0220"},
     Kind::Plain,
     {Ascii(0x0006, "IMG:PowerShot S40 JPEG"), Long(0x0008, {1171771})},
     {"ImageType = \"IMG:PowerShot S40 JPEG\"", "ImageNumber = 1171771"},
     "ImageType"},
    {"Seiko",
     {"SEIKO EPSON CORP.", "PhotoPC 3000Z", "0210"},
     Kind::Epson,
     {Ascii(0x0209, "CAMERA-ID-1"), Short(0x0F00, {1})},
     {"CameraID = \"CAMERA-ID-1\""},
     "CameraID"},
    {"Sanyo",
     {"SANYO Electric Co.,Ltd.", "SR6", "0210"},
     Kind::Sanyo,
     {Long(0x0201, {2}), Ascii(0x0F00, "DUMPDATA")},
     {"JpegQuality = 2", "DataDump = \"DUMPDATA\""},
     "DataDump"},
    {"Minolta",
     {"MINOLTA CO.,LTD", "DiMAGE 7", "0210"},
     Kind::Plain,
     {Undefined(0x0000, "MLT0"), Ascii(0x0E00, "PIMDATA1")},
     {"ModelID = \"MLT0\"", "PIMdata = \"PIMDATA1\""},
     "ModelID"},
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << c.name;
}

class MakerLayout : public ::testing::TestWithParam<std::tuple<LayoutCase, ByteOrder>> {};

} // namespace

TEST_P(MakerLayout, DecodesDirectoryAndValuesWhereTheLayoutPutsThem) {
  const auto& [c, order] = GetParam();
  const auto img = Read(JpegWithMakerNote(
      c.camera, [&](uint32_t at) { return NoteOf(c.kind, c.directory, order, at); }, order));
  ASSERT_TRUE(img.HasExif());
  EXPECT_TRUE(img.makerNote.recognised);
  std::string expected;
  for (const std::string& line : c.lines)
    expected += "\r\n" + line;
  EXPECT_EQ(img.makerNote.dump, expected);
  const Tag* listed = img.FindTag(c.listedName);
  ASSERT_NE(listed, nullptr);
  EXPECT_EQ(listed->name, c.listedName);
  EXPECT_EQ(listed->origin, TagOrigin::MakerNote);
}

INSTANTIATE_TEST_SUITE_P(Makers, MakerLayout,
                         ::testing::Combine(::testing::ValuesIn(kLayouts),
                                            ::testing::Values(ByteOrder::Intel,
                                                              ByteOrder::Motorola)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == ByteOrder::Intel ? "_Intel"
                                                                               : "_Motorola");
                         });

TEST(MakerNoteMake, OnlyTheFirstFiveLettersUpperCasedChooseTheMaker) {
  const LayoutCase& canon = kLayouts[7];
  const struct {
    const char* make;
    bool recognised;
  } cases[] = {{"canon", true}, {"CANON INC.", true}, {"KONICA MINOLTA", false}, {"Can", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.make);
    const Camera camera{c.make, "Model", "0220"};
    const auto img = Read(JpegWithMakerNote(
        camera, [&](uint32_t at) { return PlainNote(canon.directory, ByteOrder::Intel, at); },
        ByteOrder::Intel));
    ASSERT_TRUE(img.HasExif());
    EXPECT_EQ(img.makerNote.recognised, c.recognised);
    EXPECT_EQ(img.makerNote.dump.empty(), !c.recognised);
    EXPECT_EQ(img.FindTag("ImageType") != nullptr, c.recognised);
  }
}

// The byte-10 layout is chosen by a version above 0210, or, without any
// version, by a model letter D in a TIFF file; otherwise the "Nikon" header
// decides, and a note with its own TIFF header is then misread.
TEST(MakerNoteNikon, VersionAndModelLetterChooseTheLayout) {
  const auto note = [](uint32_t) {
    return NikonTiffNote({Ascii(0x0004, "FINE  ")}, ByteOrder::Intel);
  };
  const struct {
    const char* version;
    const char* model;
    const char* file;
    bool byteTenLayout;
  } cases[] = {
      {"0221", "E5700", "a.jpg", true},  {"0210", "D1", "a.jpg", false},
      {"", "NIKON D70", "a.tif", true},  {"", "NIKON D70", "a.jpg", false},
      {"", "NIKON E70", "a.tif", false}, {"", "", "a.tif", false},
      {"", "D100", "a.tif", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.version) + "/" + c.model + "/" + c.file);
    const Camera camera{"NIKON", c.model, c.version};
    const std::string tiff = TiffWithMakerNote(camera, note, ByteOrder::Intel);
    const std::string file =
        std::string(c.file) == "a.tif" ? tiff : Soi() + ExifApp1(tiff) + ScanAndEnd();
    const auto img = Read(file, c.file);
    ASSERT_TRUE(img.HasExif());
    EXPECT_TRUE(img.makerNote.recognised);
    EXPECT_EQ(img.makerNote.dump == "\r\nQuality = \"FINE  \"", c.byteTenLayout);
  }
}

// In a TIFF file the data starts 16 bytes later than in an EXIF segment; the
// layouts counting from the TIFF header still find the values.
TEST(MakerNoteTiffSource, OffsetsFromTheTiffHeaderFindTheValues) {
  for (ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
    const Camera camera{"OLYMPUS IMAGING CORP.", "E-1", "0221"};
    const auto img =
        Read(TiffWithMakerNote(
                 camera,
                 [&](uint32_t at) { return OlympusNote({Ascii(0x0207, "FIRMWARE-1")}, order, at); },
                 order),
             "a.tif");
    ASSERT_TRUE(img.HasExif());
    EXPECT_EQ(img.makerNote.dump, "\r\nFirmware = \"FIRMWARE-1\"");
  }
}

TEST(MakerNoteFujifilm, LittleEndianInsideBigEndianDataAndBigEndianAgainAfter) {
  const Camera camera{"FUJIFILM", "FinePix E500", "0220"};
  const auto img =
      Read(JpegWithMakerNote(camera,
                             [](uint32_t) {
                               return FujifilmNote({Short(0x1010, {2}), Long(0x1011, {258})});
                             },
                             ByteOrder::Motorola, {Short(0xA002, {640})}));
  ASSERT_TRUE(img.HasExif());
  EXPECT_EQ(img.makerNote.dump, "\r\nFlashMode = Off\r\nFlashStrength = 258");
  EXPECT_EQ(img.order, Endianness::Big);
  EXPECT_EQ(img.exif.imageWidth, 640); // the entry behind the note, read big-endian
}
