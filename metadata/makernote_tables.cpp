// The ten maker tables, in ascending tag order. Value lists are kept exactly as
// the cameras' users know them, odd entries included.

#include "metadata/makernote_layout.h"
#include "metadata/makernote_render.h"

#include <iterator>

namespace {

constexpr std::string_view kSkip = "Skip";

constexpr TagRow Skip(uint16_t tag) {
  return {.TagNumber = tag, .Name = kSkip, .Description = kSkip};
}

constexpr TagRow kNikon1Rows[] = {
    {0x0002, "FamilyID"},
    {.TagNumber = 0x0003,
     .Name = "Quality",
     .ValueList = "1:Vga Basic,2:Vga Normal,3:Vga Fine,4:SXGA Basic,5:SXGA Normal,6:SXGA "
                  "Fine10:2 Mpixel Basic,11:2 Mpixel Normal,12:2 Mpixel Fine"},
    {.TagNumber = 0x0004, .Name = "ColorMode", .ValueList = "1:Color,2:Monochrome"},
    {.TagNumber = 0x0005,
     .Name = "ImageAdjustment",
     .ValueList = "0:Normal,1:Bright+,2:Bright-,3:Contrast+,4:Contrast-"},
    {.TagNumber = 0x0006, .Name = "ISOSpeed", .ValueList = "0:ISO80,2:ISO160,4:ISO320,5:ISO100"},
    {.TagNumber = 0x0007,
     .Name = "WhiteBalance",
     .ValueList = "0:Auto,1:Preset,2:Daylight,3:Incandescense,4:Fluorescence,5:Cloudy,"
                  "6:SpeedLight"},
    {0x0008, "Focus"},
    Skip(0x0009),
    {0x000A, "DigitalZoom"},
    {.TagNumber = 0x000B, .Name = "Converter", .ValueList = "0:Not used,1:Used"},
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
    {.TagNumber = 0x0084,
     .Name = "LensInformation",
     .Description = "Lens information",
     .Renderer = NikonLensRange},
    {0x0085, "ManualFocusDistance", "Manual Focus Distance"},
    {0x0086, "DigitalZoom", "Digital Zoom"},
    {0x0088, "FocusArea", "Focus Area"},
    {0x0089, "Mode"},
    {.TagNumber = 0x008D,
     .Name = "ColorMode",
     .Description = "Color Mode",
     .Renderer = NikonColorMode},
    {0x008F, "SceneMode", "Scene Mode"},
    {0x0092, "HueAdjustment", "Hue Adjustment"},
    {0x0094, "Saturation"},
    {0x0095, "NoiseReduction", "Noise Reduction"},
    Skip(0x0F00),
};

constexpr TagRow kOlympusRows[] = {
    {0x0200, "SpecialMode"},
    {.TagNumber = 0x0201, .Name = "JpegQual", .ValueList = "1:SQ,2:HQ,3:SHQ,4:Raw"},
    {.TagNumber = 0x0202, .Name = "Macro", .ValueList = "0=Normal,1:Macro;"},
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
    {.TagNumber = 0x0001,
     .Name = "RecordingMode",
     .ValueList = "1:Single Shutter,2:Panorama,3:Night Scene,4:Portrait,5:Landscape"},
    {.TagNumber = 0x0002, .Name = "Quality", .ValueList = "1:Economy,2:Normal,3:Fine"},
    {.TagNumber = 0x0003,
     .Name = "FocusingMode",
     .ValueList = "2:Macro,3:Auto Focus,4:Manual Focus,5:Infinity"},
    {.TagNumber = 0x0004,
     .Name = "FlashMode",
     .ValueList = "1:Auto,2:On,3:Off,4:Red Eye Reduction"},
    {.TagNumber = 0x0005, .Name = "FlashIntensity", .ValueList = "11:Weak,13:Normal,15:Strong"},
    {0x0006, "ObjectDistance"},
    {.TagNumber = 0x0007,
     .Name = "WhiteBalance",
     .ValueList = "1:Auto,2:Tungsten,3:Daylight,4:Fluorescent,5:Shade,129:Manual"},
    Skip(0x0008),
    Skip(0x0009),
    {.TagNumber = 0x000A, .Name = "DigitalZoom", .ValueList = "65536:Off,65537:2X Digital Zoom"},
    {.TagNumber = 0x000B, .Name = "Sharpness", .ValueList = "0:Normal,1:Soft,2:Hard"},
    {.TagNumber = 0x000C, .Name = "Contrast", .ValueList = "0:Normal,1:Low,2:High"},
    {.TagNumber = 0x000D, .Name = "Saturation", .ValueList = "0:Normal,1:Low,2:High"},
    Skip(0x000E),
    Skip(0x000F),
    Skip(0x0010),
    Skip(0x0011),
    Skip(0x0012),
    Skip(0x0013),
    {.TagNumber = 0x0014,
     .Name = "CCDSensitivity",
     .ValueList = "64:Normal,125:+1.0,250:+2.0,244:+3.0,80:Normal,100:High"},
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
    {.TagNumber = 0x0008, .Name = "Quality", .ValueList = "1:Fine,2:Super Fine"},
    {.TagNumber = 0x0009,
     .Name = "ImageSize",
     .ValueList = "0:640 x 480,4:1600 x 1200,5:2048 x 1536,20:2288 x 1712,21:2592 x 1944,22:2304 "
                  "x 1728,36:3008 x 2008"},
    {.TagNumber = 0x000D, .Name = "FocusMode", .ValueList = "0:Normal,1:Macro"},
    {.TagNumber = 0x0014, .Name = "IsoSensitivity", .ValueList = "3:50,4:64,6:100,9:200"},
    {.TagNumber = 0x0019,
     .Name = "WhiteBalance",
     .ValueList = "0:Auto,1:Daylight,2:Shade,3:Tungsten,4:Fluorescent,5:Manual"},
    {0x001D, "FocalLength", "Focal Length (.1 mm)"},
    {.TagNumber = 0x001F, .Name = "Saturation", .ValueList = "0:-1,1:Normal,2:+1"},
    {.TagNumber = 0x0020, .Name = "Contrast", .ValueList = "0:-1,1:Normal,2:+1"},
    {.TagNumber = 0x0021, .Name = "Sharpness", .ValueList = "0:-1,1:Normal,2:+1"},
    {0x0E00, "PIM", "\tPrint Image Matching Info"},
    Skip(0x2000),
    Skip(0x2001),
    Skip(0x2002),
    Skip(0x2003),
    {0x2011, "WhiteBalanceBias", "White Balance Bias"},
    {.TagNumber = 0x2012,
     .Name = "WhiteBalance",
     .Description = "White Balance",
     .ValueList = "0:Manual,1:Auto,4:Flash,12:Flash"},
    Skip(0x2013),
    Skip(0x2021),
    {0x2022, "ObjectDistance", "Object Distance (mm)"},
    Skip(0x2023),
    Skip(0x2031),
    Skip(0x2032),
    Skip(0x2033),
    {0x2034, "FlashDistance", "Flash Distance"},
    {.TagNumber = 0x3000,
     .Name = "RecordMode",
     .Description = "Record Mode",
     .ValueList = "2:Normal"},
    {.TagNumber = 0x3001,
     .Name = "SelfTimer",
     .Description = "Self Timer",
     .ValueList = "0:Off,1:On"},
    {.TagNumber = 0x3002, .Name = "Quality", .ValueList = "1:Economy,2:Normal,3:Fine"},
    {.TagNumber = 0x3003,
     .Name = "FocusMode",
     .Description = "Focus Mode",
     .ValueList = "1:Fixed,3:Auto Focus,6:Multi-Area Auto Focus"},
    Skip(0x3005),
    {0x3006, "TimeZone", "Time Zone"},
    {.TagNumber = 0x3007,
     .Name = "BestshotMode",
     .Description = "Bestshot Mode",
     .ValueList = "0:Off,1:On"},
    Skip(0x3011),
    Skip(0x3012),
    Skip(0x3013),
    {0x3014, "CCDSensitivity", "CCD Sensitivity"},
    {.TagNumber = 0x3015,
     .Name = "ColorMode",
     .Description = "Color Mode",
     .ValueList = "0:Off,1:On"},
    {.TagNumber = 0x3016, .Name = "Enhancement", .ValueList = "0:Off,1:On"},
    {.TagNumber = 0x3017, .Name = "Filter", .ValueList = "0:Off,1:On"},
    Skip(0x3018),
    Skip(0x3019),
    Skip(0x301A),
    Skip(0x301B),
};

constexpr TagRow kFujiRows[] = {
    {0x0000, "Version"},
    {0x1000, "Quality"},
    {.TagNumber = 0x1001, .Name = "Sharpness", .ValueList = "1:Soft,2:Soft,3:Normal,4:Hard,5:Hard"},
    {.TagNumber = 0x1002,
     .Name = "WhiteBalance",
     .ValueList = "0:Auto,256:Daylight,512:Cloudy,768:DaylightColor-fluorescence,"
                  "769:DaywhiteColor-fluorescence,770:White-fluorescence,1024:Incandenscense,"
                  "3840:Custom white balance."},
    {.TagNumber = 0x1003, .Name = "Color", .ValueList = "0:Normal,256:High,512:Low"},
    {.TagNumber = 0x1004, .Name = "Tone", .ValueList = "0:Normal,256:High,512:Low"},
    {.TagNumber = 0x1010,
     .Name = "FlashMode",
     .ValueList = "0:Auto,1:On,2:Off,3:Red-eye reduction"},
    {0x1011, "FlashStrength"},
    {.TagNumber = 0x1020, .Name = "Macro", .ValueList = "0:Off,1:On"},
    {.TagNumber = 0x1021, .Name = "Focusmode", .ValueList = "0:Auto Focus,1:Manual Focus"},
    {.TagNumber = 0x1030, .Name = "SlowSync", .ValueList = "0:Off,1:On"},
    {.TagNumber = 0x1031,
     .Name = "PictureMode",
     .ValueList = "0:Auto,1:Portrait scene,2:Landscape scene,4:Sports scene,5:Night scene,"
                  "6:Program AE,256:Aperture prior AE,512:Shutter prior AE,768:Manual exposure"},
    Skip(0x1032),
    {.TagNumber = 0x1100, .Name = "ContTake/Bracket", .ValueList = "0:Off,1:On"},
    Skip(0x1200),
    {.TagNumber = 0x1300, .Name = "BlurWarning", .ValueList = "0:No blur warning,1:Blur warning"},
    {.TagNumber = 0x1301, .Name = "FocusWarning", .ValueList = "0:Auto Focus good,1:Out of focus"},
    {.TagNumber = 0x1302, .Name = "AEWarning", .ValueList = "0:AE good,1:Over exposure"},
};

constexpr TagRow kCanonRows[] = {
    Skip(0x0000),
    {.TagNumber = 0x0001, .Name = "ExposureInfo1", .Renderer = CanonCameraSettings},
    Skip(0x0002),
    Skip(0x0003),
    {.TagNumber = 0x0004, .Name = "ExposureInfo2", .Renderer = CanonShotInfo},
    {0x0006, "ImageType"},
    {0x0007, "FirmwareVersion"},
    {0x0008, "ImageNumber"},
    {0x0009, "OwnerName"},
    Skip(0x000A),
    Skip(0x000B),
    {0x000C, "CameraSerialNumber"},
    Skip(0x000D),
    Skip(0x000E),
    {.TagNumber = 0x000F, .Name = "CustomFunctions", .Renderer = CanonCustomFunctions},
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
