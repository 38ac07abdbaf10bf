// Real camera files: the reader finds what the bytes hold. The expected
// values were read from the files' bytes independently of this reader.

#include "metadata/exif_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

struct Sample {
  const char* file;
  const char* dateTime; // DateTimeOriginal, or DateTime when there is none
  const char* make;
  const char* model;
  int32_t width;
  int32_t height;
};

// Cameras pad make and model with blanks; a zero inside a model shows as ".".
const Sample kSamples[] = {
    {"Canon_40D.jpg", "2008:05:30 15:56:01", "Canon", "Canon EOS 40D", 100, 68},
    {"Canon_40D_photoshop_import.jpg", "2008:07:31 10:05:49", "", "", 100, 77},
    {"Canon_DIGITAL_IXUS_400.jpg", "2004:08:27 13:52:55", "Canon", "Canon DIGITAL IXUS 400", 100,
     75},
    {"Canon_PowerShot_S40.jpg", "2003:12:14 12:01:44", "Canon", "Canon PowerShot S40", 2272, 1704},
    {"Fujifilm_FinePix6900ZOOM.jpg", "2001:02:19 06:40:05", "FUJIFILM", "FinePix6900ZOOM", 100, 75},
    {"Fujifilm_FinePix_E500.jpg", "2006:08:17 09:24:48", "FUJIFILM", "FinePix E500   ", 59, 100},
    {"Kodak_CX7530.jpg", "2005:08:13 09:47:23", "EASTMAN KODAK COMPANY",
     "KODAK CX7530 ZOOM DIGITAL CAMERA", 100, 78},
    {"Konica_Minolta_DiMAGE_Z3.jpg", "2005:03:10 15:10:48", "KONICA MINOLTA ", "DiMAGE Z3", 70,
     100},
    {"Nikon_COOLPIX_P1.jpg", "2008:03:07 09:55:46", "NIKON", "COOLPIX P1", 100, 75},
    {"Nikon_D70.jpg", "2008:03:15 09:52:01", "NIKON CORPORATION", "NIKON D70", 100, 66},
    {"Olympus_C8080WZ.jpg", "2006:10:22 15:44:29", "OLYMPUS CORPORATION", "C8080WZ", 100, 72},
    {"PaintTool_sample.jpg", "", "", "", 88, 100},
    {"Panasonic_DMC-FZ30.jpg", "2008:07:16 11:33:20", "Panasonic", "DMC-FZ30", 100, 75},
    {"Pentax_K10D.jpg", "2008:05:04 16:47:24", "PENTAX Corporation ", "PENTAX K10D        ", 100,
     72},
    {"Ricoh_Caplio_RR330.jpg", "2004:08:31 19:52:58", "Caplio ", "RR330      ", 100, 75},
    {"Samsung_Digimax_i50_MP3.jpg", "2006:08:15 17:50:57", "Samsung Techwin",
     "<Digimax i50 MP3, Samsung #1 MP3>", 100, 75},
    {"Sony_HDR-HC3.jpg", "2007:06:15 04:42:32", "SONY", "HDR-HC3", 100, 64},
    {"WWL_Polaroid_ION230.jpg", "2026:11:24 14:41:16", "WWL     ", "ION230.F", 75, 100},
    {"long_description.jpg", "2008:07:31 10:50:00", "", "", 100, 73},
};

class SampleFile : public ::testing::TestWithParam<Sample> {};

} // namespace

TEST_P(SampleFile, ReadsDateMakeModelAndSize) {
  const Sample& s = GetParam();
  ExifRead img =
      ReadExifFile(std::string(FOTOMAZ_SAMPLES_DIR) + "/" + s.file, ExifDetail::Everything);
  ASSERT_TRUE(img.Succeeded());
  EXPECT_EQ(ErrorText(img), "<none>");
  ASSERT_TRUE(img.HasMetadata());
  ASSERT_TRUE(img.HasExif());
  EXPECT_EQ(img.exif.dateTime, s.dateTime);
  EXPECT_EQ(img.exif.make, s.make);
  EXPECT_EQ(img.exif.model, s.model);
  EXPECT_EQ(img.exif.imageWidth, s.width);
  EXPECT_EQ(img.exif.imageHeight, s.height);
  EXPECT_GT(img.fileSize, 0);
  EXPECT_GT(img.fileDate, 0);
}

// The run's read of the named fields alone must see what the full read sees.
TEST_P(SampleFile, TheNamedFieldsAloneAreThoseOfTheFullRead) {
  const std::string path = std::string(FOTOMAZ_SAMPLES_DIR) + "/" + GetParam().file;
  const ExifRead full = ReadExifFile(path, ExifDetail::Everything);
  const ExifRead fields = ReadExifFile(path, ExifDetail::Fields);
  EXPECT_EQ(fields.status, full.status);
  const auto named = [](const ExifFields& f) {
    return std::tuple(f.version, f.make, f.model, f.dateTime, f.dateTimeOriginal, f.dateTimeTag,
                      f.userComment, f.imageWidth, f.imageHeight);
  };
  EXPECT_EQ(named(fields.exif), named(full.exif));
  EXPECT_TRUE(fields.dump.empty());
  EXPECT_TRUE(fields.tags.empty());
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleFile, ::testing::ValuesIn(kSamples),
                         [](const ::testing::TestParamInfo<Sample>& info) {
                           std::string name = info.param.file;
                           name = name.substr(0, name.find('.'));
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });
