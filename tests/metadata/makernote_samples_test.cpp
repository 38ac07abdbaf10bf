// Maker notes of real camera files. The expected values were read from the
// files' bytes independently of this reader.

#include "metadata/exif_reader.h"
#include "tools/exif_report.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct NoteSample {
  const char* file;
  bool recognised;
  std::vector<std::string> lines; // dump lines that must be there
};

const NoteSample kNoteSamples[] = {
    {"Canon_PowerShot_S40.jpg",
     true,
     {"Macro mode = Normal", "Compression Rate = SuperFine", "Easy Shoot = Manual", "CCD ISO = 100",
      "Long focal =  682", "Short focal =  227", "OpticalZoom Step =  6",
      "ImageType = \"IMG:PowerShot S40 JPEG\"", "FirmwareVersion = \"Firmware Version 1.10\"",
      "ImageNumber = 1171771", "OwnerName = \"Andreas Huggel\""}},
    {"Canon_DIGITAL_IXUS_400.jpg",
     true,
     {"Compression Rate = Basic", "Easy Shoot = Full Auto", "CCD ISO = auto", "Long focal =  711",
      "ImageNumber = 1242489", "OwnerName = \"Jean-Pierre Grignon\""}},
    // Big-endian EXIF data around a little-endian note.
    {"Fujifilm_FinePix6900ZOOM.jpg",
     true,
     {"Version = \"0130\"", "Quality = \"FINE   \"", "Sharpness = Normal", "FlashMode = Off",
      "FlashStrength = 0/10", "Macro = Off"}},
    {"Fujifilm_FinePix_E500.jpg",
     true,
     {"Version = \"0130\"", "FlashStrength = 0/100", "Macro = On", "Unknown = 1152, 864"}},
    {"Nikon_COOLPIX_P1.jpg",
     true,
     {"Color Mode = \"COLOR\"", "Quality = \"NORMAL\"", "Focus Mode = \"AF-S  \"",
      "Flash Setting = \"NORMAL \"", "Digital Zoom = 100/100", "Noise Reduction = \"OFF \""}},
    {"Konica_Minolta_DiMAGE_Z3.jpg", false, {}}, // KONIC is not MINOL
    {"Canon_40D.jpg", false, {}},                // no maker note left in the file
};

void PrintTo(const NoteSample& s, std::ostream* os) {
  *os << s.file;
}

class NoteSampleFile : public ::testing::TestWithParam<NoteSample> {};

std::string SamplePath(const char* file) {
  return std::string(FOTOMAZ_SAMPLES_DIR) + "/" + file;
}

} // namespace

TEST_P(NoteSampleFile, DecodesWhatTheCameraWrote) {
  const NoteSample& s = GetParam();
  ExifRead img = ReadExifFile(SamplePath(s.file), ExifDetail::Everything);
  ASSERT_TRUE(img.Succeeded());
  ASSERT_TRUE(img.HasExif());
  EXPECT_EQ(img.makerNote.recognised, s.recognised);
  EXPECT_EQ(img.makerNote.dump.empty(), !s.recognised);
  const std::string dump = img.makerNote.dump + "\r\n";
  for (const std::string& line : s.lines)
    EXPECT_NE(dump.find("\r\n" + line + "\r\n"), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(Samples, NoteSampleFile, ::testing::ValuesIn(kNoteSamples),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

TEST(MakerNoteReport, PrintsTheResultAndOneLinePerDumpLineAfterTheOtherFields) {
  const auto arguments = ParseExifReportArguments({"--makernote", "--iptc", "x.jpg"});
  ASSERT_TRUE(arguments);
  EXPECT_TRUE(arguments->options.makerNote);

  std::ostringstream out;
  PrintExifReport(out, SamplePath("Canon_PowerShot_S40.jpg"), {.makerNote = true, .iptc = true});
  const std::string text = out.str();
  EXPECT_NE(text.find("ImageHeight: 1704\nMakerNoteResult: true\nMakerNote: Macro mode = Normal\n"
                      "MakerNote: Self Timer =  2\n"),
            std::string::npos);
  EXPECT_NE(text.find("\nMakerNote: OwnerName = \"Andreas Huggel\"\n\n"), std::string::npos);

  std::ostringstream tags;
  PrintExifReport(tags, SamplePath("Canon_PowerShot_S40.jpg"), {.tags = true});
  EXPECT_NE(tags.str().find("Tag: 0x0008 ImageNumber = 1171771\n"), std::string::npos);
  EXPECT_NE(tags.str().find("Tag: 0x0000 CCD ISO = 100\n"), std::string::npos);
}
