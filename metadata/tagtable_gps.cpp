// The GPS tag table: tags 0x0000 to 0x001E.

#include "metadata/rendering.h"
#include "metadata/tagtables.h"

#include <iterator>

namespace {

constexpr TagRow kGpsRows[] = {
    {0x0000, "GPSVersionID"},
    {0x0001, "GPSLatitudeRef"},
    {.TagNumber = 0x0002, .Name = "GPSLatitude", .Renderer = RenderDegrees},
    {0x0003, "GPSLongitudeRef"},
    {.TagNumber = 0x0004, .Name = "GPSLongitude", .Renderer = RenderDegrees},
    {.TagNumber = 0x0005, .Name = "GPSAltitudeRef", .ValueList = "0:Sealevel"},
    {0x0006, "GPSAltitude"},
    {.TagNumber = 0x0007, .Name = "GPSTimeStamp", .Renderer = RenderTimeStamp},
    {0x0008, "GPSSatellites"},
    {0x0009, "GPSStatus"},
    {0x000A, "GPSMeasureMode"},
    {0x000B, "GPSDOP"},
    {0x000C, "GPSSpeedRef"},
    {0x000D, "GPSSpeed"},
    {0x000E, "GPSTrackRef"},
    {0x000F, "GPSTrack"},
    {0x0010, "GPSImageDirectionRef"},
    {0x0011, "GPSImageDirection"},
    {0x0012, "GPSMapDatum"},
    {0x0013, "GPSDestLatitudeRef"},
    {.TagNumber = 0x0014, .Name = "GPSDestLatitude", .Renderer = RenderDegrees},
    {0x0015, "GPSDestLongitudeRef"},
    {.TagNumber = 0x0016, .Name = "GPSDestLongitude", .Renderer = RenderDegrees},
    {0x0017, "GPSDestBearingkRef"},
    {0x0018, "GPSDestBearing"},
    {0x0019, "GPSDestDistanceRef"},
    {0x001A, "GPSDestDistance"},
    {0x001B, "GPSProcessingMode"},
    {0x001C, "GPSAreaInformation"},
    {0x001D, "GPSDateStamp"},
    {0x001E, "GPSDifferential"},
};

static_assert(std::size(kGpsRows) == 31);
static_assert(TagNumbersAscending(kGpsRows));
static_assert(FormatsApplyToEveryValue(kGpsRows));
static_assert(kGpsRows[30].TagNumber == 0x001E);

} // namespace

std::span<const TagRow> GpsTagRows() {
  return kGpsRows;
}
