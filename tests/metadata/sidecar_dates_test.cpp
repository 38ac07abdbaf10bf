// The dates of the files beside a picture or clip: a photo export's JSON, a
// clip's XML, a drone's subtitles. Each read gives a real date or none.

#include "metadata/clip_xml_date.h"
#include "metadata/export_json_date.h"
#include "metadata/srt_date.h"
#include "tests/kit/dated_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// "yyyy-mm-dd hh:mm:ss" and the offset in minutes ("" without one), or "none".
std::string Shown(const std::optional<StatedDate>& date) {
  if (!date) return "none";
  char text[32];
  const LocalDateTime& t = date->local;
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return std::string(text) +
         (date->utcOffsetMinutes ? " " + std::to_string(*date->utcOffsetMinutes) : "");
}

struct Case {
  std::string bytes;
  std::string expected;
};

void Check(const std::function<std::optional<StatedDate>(std::string_view)>& read,
           const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.substr(0, 120));
    EXPECT_EQ(Shown(read(c.bytes)), c.expected);
  }
}

} // namespace

TEST(SidecarDates, ExportJsonTakesThePhotosMomentInLocalTime) {
  testkit::UseBerlinTime();
  const std::string taken = "2026-05-01 12:07:32 120";
  Check(ReadExportJsonDate,
        {
            {R"({"photoTakenTime": {"timestamp": "1777630052", "formatted": "x"}})", taken},
            {R"({"photoTakenTime": {"formatted": "x", "timestamp": 1777630052}})", taken},
            {R"({"photoTakenTime": {"a": {"timestamp": "1"}, "timestamp": "1767225599"}})",
             "2026-01-01 00:59:59 60"},
            {R"({"creationTime": {"timestamp": "1777630052"}})", "none"},
            {R"({"timestamp": "1777630052"})", "none"},
            {R"({"x": {"photoTakenTime": {"timestamp": "1777630052"}}})", "none"},
            {R"([{"photoTakenTime": {"timestamp": "1777630052"}}])", "none"},
            {R"({"photoTakenTime": {"timestamp": "0"}})", "none"},
            {R"({"photoTakenTime": {"timestamp": -5}})", "none"},
            {R"({"photoTakenTime": {"timestamp": "17776e5"}})", "none"},
            {R"({"photoTakenTime": {"timestamp": 1.7e9}})", "none"},
            {R"({"photoTakenTime": {"timestamp": 99999999999999999999}})", "none"},
            {R"({"photoTakenTime": {"timestamp": "1777630052"})", "none"}, // cut short
            {std::string(kMaxExportJsonBytes, ' ') + R"({"photoTakenTime": {"timestamp": "1"}})",
             "none"},
        });
}

TEST(SidecarDates, ClipXmlTakesTheFirstCreationDateWithItsOffset) {
  testkit::UseBerlinTime();
  const std::string ns = "<NonRealTimeMeta xmlns=\"urn:schemas-professionalDisc:"
                         "nonRealTimeMeta:ver.2.00\"><Duration value=\"250\"/>";
  Check(ReadClipXmlDate,
        {
            {ns + "<CreationDate value=\"2026-05-01T12:07:32+02:00\"/></NonRealTimeMeta>",
             "2026-05-01 12:07:32 120"},
            {ns + "<CreationDate value=\"2026-01-01T12:07:32-05:00\"/><CreationDate "
                  "value=\"2020-01-01T00:00:00Z\"/>",
             "2026-01-01 12:07:32 -300"},
            {"<m><CreationDate value=\"2026-05-01T10:07:32Z\"/></m>", "2026-05-01 12:07:32 120"},
            {"<m><CreationDate/><Other value=\"2026-05-01T10:07:32Z\"/></m>", "none"},
            {"<m><CreationDate value=\"0000-00-00T00:00:00+00:00\"/></m>", "none"},
            {"<m><x></m><CreationDate value=\"2026-05-01T10:07:32Z\"/>", "none"},
        });
}

TEST(SidecarDates, SrtTakesTheFirstRealDateAndTime) {
  const std::string cue = "1\n00:00:00,000 --> 00:00:00,033\n";
  Check(ReadSrtDate,
        {
            {cue + "<font size=\"28\">FrameCnt: 1, DiffTime: 33ms\n2026-05-01 12:07:32.123\n"
                   "2\n2027-01-01 00:00:00",
             "2026-05-01 12:07:32"},
            {cue + "HOME(13.4050,52.5200) 2026.05.01 12:07:32\nGPS(13.4,52.5,18)",
             "2026-05-01 12:07:32"},
            {cue + "0000-00-00 00:00:00 2026-13-01 12:07:32 12026-05-01 12:07:32 "
                   "2026-05.01 12:07:32 2026-05-01 12:07:33",
             "2026-05-01 12:07:33"},
            {cue + "FrameCnt: 1", "none"},
            {std::string(kMaxSrtBytes, 'x') + "2026-05-01 12:07:32", "none"},
        });
}
