// The ten maker tables, in ascending tag order. Value lists are kept exactly as
// the cameras' users know them, odd entries included.

#include "metadata/internal/makernote_layout.h"
#include "metadata/internal/makernote_render.h"

#include <iterator>

namespace {

constexpr std::string_view kSkip = "Skip";

constexpr TagRow Skip(uint16_t tag) {
  return {.tagNumber = tag, .name = kSkip, .description = kSkip};
}

constexpr TagRow kNikon1Rows[] = {
    {0x0002, "FamilyID"},
    {.tagNumber = 0x0003,
     .name = "Quality",
     .valueList = "1:Vga Basic,2:Vga Normal,3:Vga Fine,4:SXGA Basic,5:SXGA Normal,6:SXGA "
                  "Fine10:2 Mpixel Basic,11:2 Mpixel Normal,12:2 Mpixel Fine"},
    {.tagNumber = 0x0004, .name = "ColorMode", .valueList = "1:Color,2:Monochrome"},
    {.tagNumber = 0x0005,
     .name = "ImageAdjustment",
     .valueList = "0:Normal,1:Bright+,2:Bright-,3:Contrast+,4:Contrast-"},
    {.tagNumber = 0x0006, .name = "ISOSpeed", .valueList = "0:ISO80,2:ISO160,4:ISO320,5:ISO100"},
    {.tagNumber = 0x0007,
     .name = "WhiteBalance",
     .valueList = "0:Auto,1:Preset,2:Daylight,3:Incandescense,4:Fluorescence,5:Cloudy,"
                  "6:SpeedLight"},
    {0x0008, "Focus"},
    Skip(0x0009),
    {0x000A, "DigitalZoom"},
    {.tagNumber = 0x000B, .name = "Converter", .valueList = "0:Not used,1:Used"},
    Skip(0x0F00),
};

constexpr TagRow kNikon2Rows[] = {
    {0x0001, "FamilyID", "Family ID"},
    {0x0002, "ISOSpeed", "ISO Speed"},
    {0x0003, "ColorMode", "Color Mode"},
    {0x0004, "Quality"},
    {0x0005, "WhiteBalance", "White Balance"},
    {0x0006, "ImageSharpening", "Image Sharpening"},
    {0x0007, "FocusMode", "Focus Mode"},
    {0x0008, "FlashSetting", "Flash Setting"},
    {0x0009, "AutoFlashMode", "Auto Flash Mode"},
    Skip(0x000A),
    {0x000B, "WhiteBiasValue", "White Bias Value"},
    {0x000F, "DigitalZoom", "Digital Zoom"},
    Skip(0x0010),
    Skip(0x0011),
    {0x0080, "ImageAdjustment", "Image Adjustment"},
    {0x0081, "ImageAdjustment", "Image Adjustment"},
    {0x0082, "Adapter"},
    {.tagNumber = 0x0084,
     .name = "LensInformation",
     .description = "Lens information",
     .renderer = NikonLensRange},
    {0x0085, "ManualFocusDistance", "Manual Focus Distance"},
    {0x0086, "DigitalZoom", "Digital Zoom"},
    {0x0088, "FocusArea", "Focus Area"},
    {0x0089, "Mode"},
    {.tagNumber = 0x008D,
     .name = "ColorMode",
     .description = "Color Mode",
     .renderer = NikonColorMode},
    {0x008F, "SceneMode", "Scene Mode"},
    {0x0092, "HueAdjustment", "Hue Adjustment"},
    {0x0094, "Saturation"},
    {0x0095, "NoiseReduction", "Noise Reduction"},
    Skip(0x0F00),
};

constexpr TagRow kOlympusRows[] = {
    {0x0200, "SpecialMode"},
    {.tagNumber = 0x0201, .name = "JpegQual", .valueList = "1:SQ,2:HQ,3:SHQ,4:Raw"},
    {.tagNumber = 0x0202, .name = "Macro", .valueList = "0=Normal,1:Macro;"},
    Skip(0x0203),
    {0x0204, "DigiZoom", "Digital Zoom Ratio"},
    Skip(0x0205),
    Skip(0x0206),
    {0x0207, "Firmware"},
    {0x0208, "PictInfo", "Picture Info"},
    {0x0209, "CameraID", "Camera ID"},
    Skip(0x0F00),
    {0x1004, "FlashMode", "Flash Mode"},
    {0x1006, "Bracket"},
    {0x100B, "FocusMode", "Focus Mode"},
    {0x100C, "FocusDistance", "Focus Distance"},
    {0x100D, "Zoom"},
    {0x100E, "MacroFocus", "Macro Focus"},
    {0x100F, "Sharpness"},
    {0x1011, "ColorMatrix", "Color Matrix"},
    {0x1012, "BlackLevel", "Black Level"},
    {0x1015, "WhiteBalance", "White Balance"},
    {0x1017, "RedBias", "Red Bias"},
    {0x1018, "BlueBias", "Blue Bias"},
    {0x101A, "SerialNumber"},
    {0x1023, "FlashBias", "Flash Bias"},
    {0x1029, "Contrast"},
    {0x102A, "SharpnessFactor", "Sharpness Factor"},
    {0x102B, "ColorControl", "Color Control"},
    {0x102C, "ValidBits", "Valid Bits"},
    {0x102D, "Coring", "Coring Filter"},
    {0x102E, "FinalWidth", "Final Width"},
    {0x102F, "FinalHeight", "Final Height"},
    {0x1034, "CompressionRatio", "Compression Ratio"},
};

constexpr TagRow kCasio1Rows[] = {
    {.tagNumber = 0x0001,
     .name = "RecordingMode",
     .valueList = "1:Single Shutter,2:Panorama,3:Night Scene,4:Portrait,5:Landscape"},
    {.tagNumber = 0x0002, .name = "Quality", .valueList = "1:Economy,2:Normal,3:Fine"},
    {.tagNumber = 0x0003,
     .name = "FocusingMode",
     .valueList = "2:Macro,3:Auto Focus,4:Manual Focus,5:Infinity"},
    {.tagNumber = 0x0004,
     .name = "FlashMode",
     .valueList = "1:Auto,2:On,3:Off,4:Red Eye Reduction"},
    {.tagNumber = 0x0005, .name = "FlashIntensity", .valueList = "11:Weak,13:Normal,15:Strong"},
    {0x0006, "ObjectDistance"},
    {.tagNumber = 0x0007,
     .name = "WhiteBalance",
     .valueList = "1:Auto,2:Tungsten,3:Daylight,4:Fluorescent,5:Shade,129:Manual"},
    Skip(0x0008),
    Skip(0x0009),
    {.tagNumber = 0x000A, .name = "DigitalZoom", .valueList = "65536:Off,65537:2X Digital Zoom"},
    {.tagNumber = 0x000B, .name = "Sharpness", .valueList = "0:Normal,1:Soft,2:Hard"},
    {.tagNumber = 0x000C, .name = "Contrast", .valueList = "0:Normal,1:Low,2:High"},
    {.tagNumber = 0x000D, .name = "Saturation", .valueList = "0:Normal,1:Low,2:High"},
    Skip(0x000E),
    Skip(0x000F),
    Skip(0x0010),
    Skip(0x0011),
    Skip(0x0012),
    Skip(0x0013),
    {.tagNumber = 0x0014,
     .name = "CCDSensitivity",
     .valueList = "64:Normal,125:+1.0,250:+2.0,244:+3.0,80:Normal,100:High"},
    Skip(0x0015),
    Skip(0x0016),
    Skip(0x0017),
    Skip(0x0018),
    Skip(0x0019),
    Skip(0x001A),
};

constexpr TagRow kCasio2Rows[] = {
    {0x0002, "ThumbnailDimensions", "Thumbnail Dimensions"},
    {0x0003, "ThumbnailSize", "Thumbnail Size"},
    {0x0004, "ThumbnailOffset", "Thumbnail OffSet"},
    {.tagNumber = 0x0008, .name = "Quality", .valueList = "1:Fine,2:Super Fine"},
    {.tagNumber = 0x0009,
     .name = "ImageSize",
     .valueList = "0:640 x 480,4:1600 x 1200,5:2048 x 1536,20:2288 x 1712,21:2592 x 1944,22:2304 "
                  "x 1728,36:3008 x 2008"},
    {.tagNumber = 0x000D, .name = "FocusMode", .valueList = "0:Normal,1:Macro"},
    {.tagNumber = 0x0014, .name = "IsoSensitivity", .valueList = "3:50,4:64,6:100,9:200"},
    {.tagNumber = 0x0019,
     .name = "WhiteBalance",
     .valueList = "0:Auto,1:Daylight,2:Shade,3:Tungsten,4:Fluorescent,5:Manual"},
    {0x001D, "FocalLength", "Focal Length (.1 mm)"},
    {.tagNumber = 0x001F, .name = "Saturation", .valueList = "0:-1,1:Normal,2:+1"},
    {.tagNumber = 0x0020, .name = "Contrast", .valueList = "0:-1,1:Normal,2:+1"},
    {.tagNumber = 0x0021, .name = "Sharpness", .valueList = "0:-1,1:Normal,2:+1"},
    {0x0E00, "PIM", "\tPrint Image Matching Info"},
    Skip(0x2000),
    Skip(0x2001),
    Skip(0x2002),
    Skip(0x2003),
    {0x2011, "WhiteBalanceBias", "White Balance Bias"},
    {.tagNumber = 0x2012,
     .name = "WhiteBalance",
     .description = "White Balance",
     .valueList = "0:Manual,1:Auto,4:Flash,12:Flash"},
    Skip(0x2013),
    Skip(0x2021),
    {0x2022, "ObjectDistance", "Object Distance (mm)"},
    Skip(0x2023),
    Skip(0x2031),
    Skip(0x2032),
    Skip(0x2033),
    {0x2034, "FlashDistance", "Flash Distance"},
    {.tagNumber = 0x3000,
     .name = "RecordMode",
     .description = "Record Mode",
     .valueList = "2:Normal"},
    {.tagNumber = 0x3001,
     .name = "SelfTimer",
     .description = "Self Timer",
     .valueList = "0:Off,1:On"},
    {.tagNumber = 0x3002, .name = "Quality", .valueList = "1:Economy,2:Normal,3:Fine"},
    {.tagNumber = 0x3003,
     .name = "FocusMode",
     .description = "Focus Mode",
     .valueList = "1:Fixed,3:Auto Focus,6:Multi-Area Auto Focus"},
    Skip(0x3005),
    {0x3006, "TimeZone", "Time Zone"},
    {.tagNumber = 0x3007,
     .name = "BestshotMode",
     .description = "Bestshot Mode",
     .valueList = "0:Off,1:On"},
    Skip(0x3011),
    Skip(0x3012),
    Skip(0x3013),
    {0x3014, "CCDSensitivity", "CCD Sensitivity"},
    {.tagNumber = 0x3015,
     .name = "ColorMode",
     .description = "Color Mode",
     .valueList = "0:Off,1:On"},
    {.tagNumber = 0x3016, .name = "Enhancement", .valueList = "0:Off,1:On"},
    {.tagNumber = 0x3017, .name = "Filter", .valueList = "0:Off,1:On"},
    Skip(0x3018),
    Skip(0x3019),
    Skip(0x301A),
    Skip(0x301B),
};

constexpr TagRow kFujiRows[] = {
    {0x0000, "Version"},
    {0x1000, "Quality"},
    {.tagNumber = 0x1001, .name = "Sharpness", .valueList = "1:Soft,2:Soft,3:Normal,4:Hard,5:Hard"},
    {.tagNumber = 0x1002,
     .name = "WhiteBalance",
     .valueList = "0:Auto,256:Daylight,512:Cloudy,768:DaylightColor-fluorescence,"
                  "769:DaywhiteColor-fluorescence,770:White-fluorescence,1024:Incandenscense,"
                  "3840:Custom white balance."},
    {.tagNumber = 0x1003, .name = "Color", .valueList = "0:Normal,256:High,512:Low"},
    {.tagNumber = 0x1004, .name = "Tone", .valueList = "0:Normal,256:High,512:Low"},
    {.tagNumber = 0x1010,
     .name = "FlashMode",
     .valueList = "0:Auto,1:On,2:Off,3:Red-eye reduction"},
    {0x1011, "FlashStrength"},
    {.tagNumber = 0x1020, .name = "Macro", .valueList = "0:Off,1:On"},
    {.tagNumber = 0x1021, .name = "Focusmode", .valueList = "0:Auto Focus,1:Manual Focus"},
    {.tagNumber = 0x1030, .name = "SlowSync", .valueList = "0:Off,1:On"},
    {.tagNumber = 0x1031,
     .name = "PictureMode",
     .valueList = "0:Auto,1:Portrait scene,2:Landscape scene,4:Sports scene,5:Night scene,"
                  "6:Program AE,256:Aperture prior AE,512:Shutter prior AE,768:Manual exposure"},
    Skip(0x1032),
    {.tagNumber = 0x1100, .name = "ContTake/Bracket", .valueList = "0:Off,1:On"},
    Skip(0x1200),
    {.tagNumber = 0x1300, .name = "BlurWarning", .valueList = "0:No blur warning,1:Blur warning"},
    {.tagNumber = 0x1301, .name = "FocusWarning", .valueList = "0:Auto Focus good,1:Out of focus"},
    {.tagNumber = 0x1302, .name = "AEWarning", .valueList = "0:AE good,1:Over exposure"},
};

constexpr TagRow kCanonRows[] = {
    Skip(0x0000),
    {.tagNumber = 0x0001, .name = "ExposureInfo1", .renderer = CanonCameraSettings},
    Skip(0x0002),
    Skip(0x0003),
    {.tagNumber = 0x0004, .name = "ExposureInfo2", .renderer = CanonShotInfo},
    {0x0006, "ImageType"},
    {0x0007, "FirmwareVersion"},
    {0x0008, "ImageNumber"},
    {0x0009, "OwnerName"},
    Skip(0x000A),
    Skip(0x000B),
    {0x000C, "CameraSerialNumber"},
    Skip(0x000D),
    Skip(0x000E),
    {.tagNumber = 0x000F, .name = "CustomFunctions", .renderer = CanonCustomFunctions},
    Skip(0x0010),
};

constexpr TagRow kSeikoRows[] = {
    {0x0200, "Special Mode"}, {0x0201, "JpegQuality"},
    {0x0202, "Macro"},        Skip(0x0203),
    {0x0204, "DigiZoom"},     {0x0209, "CameraID"},
    {0x020A, "Comments"},     {0x020B, "Width"},
    {0x020C, "Height"},       {0x020D, "SoftRelease"},
    {0x0300, "??"},           {0x0F00, "skip", "skip"},
};

constexpr TagRow kSanyoRows[] = {
    {0x0200, "Special Mode"}, {0x0201, "JpegQuality"}, {0x0202, "Macro"}, Skip(0x0203),
    {0x0204, "DigiZoom"},     {0x0F00, "DataDump"},
};

constexpr TagRow kMinoltaRows[] = {
    {0x0000, "ModelID"},
    {0x0E00, "PIMdata"},
};

static_assert(std::size(kNikon1Rows) == 11 && TagNumbersAscending(kNikon1Rows) &&
              FormatsApplyToEveryValue(kNikon1Rows));
static_assert(std::size(kNikon2Rows) == 28 && TagNumbersAscending(kNikon2Rows) &&
              FormatsApplyToEveryValue(kNikon2Rows));
static_assert(std::size(kOlympusRows) == 33 && TagNumbersAscending(kOlympusRows) &&
              FormatsApplyToEveryValue(kOlympusRows));
static_assert(std::size(kCasio1Rows) == 26 && TagNumbersAscending(kCasio1Rows) &&
              FormatsApplyToEveryValue(kCasio1Rows));
static_assert(std::size(kCasio2Rows) == 45 && TagNumbersAscending(kCasio2Rows) &&
              FormatsApplyToEveryValue(kCasio2Rows));
static_assert(std::size(kFujiRows) == 18 && TagNumbersAscending(kFujiRows) &&
              FormatsApplyToEveryValue(kFujiRows));
static_assert(std::size(kCanonRows) == 16 && TagNumbersAscending(kCanonRows) &&
              FormatsApplyToEveryValue(kCanonRows));
static_assert(std::size(kSeikoRows) == 12 && TagNumbersAscending(kSeikoRows) &&
              FormatsApplyToEveryValue(kSeikoRows));
static_assert(std::size(kSanyoRows) == 6 && TagNumbersAscending(kSanyoRows) &&
              FormatsApplyToEveryValue(kSanyoRows));
static_assert(std::size(kMinoltaRows) == 2 && TagNumbersAscending(kMinoltaRows) &&
              FormatsApplyToEveryValue(kMinoltaRows));

} // namespace

std::span<const TagRow> MakerTableRows(MakerTable table) {
  switch (table) {
  case MakerTable::Nikon1:
    return kNikon1Rows;
  case MakerTable::Nikon2:
    return kNikon2Rows;
  case MakerTable::Olympus:
    return kOlympusRows;
  case MakerTable::Casio1:
    return kCasio1Rows;
  case MakerTable::Casio2:
    return kCasio2Rows;
  case MakerTable::Fuji:
    return kFujiRows;
  case MakerTable::Canon:
    return kCanonRows;
  case MakerTable::Seiko:
    return kSeikoRows;
  case MakerTable::Sanyo:
    return kSanyoRows;
  case MakerTable::Minolta:
    return kMinoltaRows;
  }
  return {};
}
