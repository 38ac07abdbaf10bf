// The GPS tag table: tags 0x0000 to 0x001E.

#include "metadata/internal/rendering.h"
#include "metadata/internal/tagtables.h"

#include <iterator>

namespace {

constexpr TagRow kGpsRows[] = {
    {0x0000, "GPSVersionID"},
    {0x0001, "GPSLatitudeRef"},
    {.tagNumber = 0x0002, .name = "GPSLatitude", .renderer = RenderDegrees},
    {0x0003, "GPSLongitudeRef"},
    {.tagNumber = 0x0004, .name = "GPSLongitude", .renderer = RenderDegrees},
    {.tagNumber = 0x0005, .name = "GPSAltitudeRef", .valueList = "0:Sealevel"},
    {0x0006, "GPSAltitude"},
    {.tagNumber = 0x0007, .name = "GPSTimeStamp", .renderer = RenderTimeStamp},
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
    {.tagNumber = 0x0014, .name = "GPSDestLatitude", .renderer = RenderDegrees},
    {0x0015, "GPSDestLongitudeRef"},
    {.tagNumber = 0x0016, .name = "GPSDestLongitude", .renderer = RenderDegrees},
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
static_assert(kGpsRows[30].tagNumber == 0x001E);

} // namespace

std::span<const TagRow> GpsTagRows() {
  return kGpsRows;
}
