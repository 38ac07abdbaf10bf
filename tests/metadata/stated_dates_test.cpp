// Dates stated outside a file's capture date: its name, its XMP packet (or
// sidecar's bytes) and its IPTC datasets.

#include "metadata/iptc_date.h"
#include "metadata/name_date.h"
#include "metadata/xmp_date.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/iptc_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// "yyyy-mm-dd hh:mm:ss", the offset behind it when one is stated, or "none".
std::string Text(const std::optional<StatedDate>& date) {
  if (!date) return "none";
  const LocalDateTime& t = date->local;
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  std::string result = text;
  if (date->utcOffsetMinutes) result += " " + std::to_string(*date->utcOffsetMinutes);
  return result;
}

struct TextCase {
  std::string input;
  std::string expected;
};

const LocalDateTime kEvening{2026, 5, 1, 18, 20, 30};

} // namespace

TEST(NameDates, EachFamilyGivesItsDateAndDigitsThatAreNoDateGiveNone) {
  testkit::UseBerlinTime();
  const TextCase cases[] = {
      // A messenger's day takes the time of a modification on that day.
      {"IMG-20260501-WA0001.jpg", "2026-05-01 18:20:30"},
      {"vid-20260501-wa0012.mp4", "2026-05-01 18:20:30"},
      {"STK-20260501-WA0003.webp", "2026-05-01 18:20:30"},
      {"PTT-20260501-WA0004.opus", "2026-05-01 18:20:30"},
      {"AUD-20260502-WA0005.m4a", "2026-05-02 00:00:00"}, // modified on another day
      {"IMG-20260230-WA0001.jpg", "none"},
      {"IMG-20260501-WA.jpg", "none"},
      {"WhatsApp Image 2026-05-01 at 12.07.32.jpeg", "2026-05-01 12:07:32"},
      {"WhatsApp Video 2026-05-01 at 12.07.32 (1).mp4", "2026-05-01 12:07:32"},
      {"WhatsApp Image 2026-05-01 at 25.07.32.jpeg", "none"},
      {"Screenshot_20260501-120732.png", "2026-05-01 12:07:32"},
      {"Screenshot_20260501_120732_App.jpg", "2026-05-01 12:07:32"},
      {"Screenshot 2026-05-01 120732.png", "2026-05-01 12:07:32"},
      {"Bildschirmfoto 2026-05-01 um 12.07.32.png", "2026-05-01 12:07:32"},
      {"Screenshot 2026-05-01 at 12.07.32.png", "2026-05-01 12:07:32"},
      {"Bildschirmfoto vom 2026-05-01 12-07-32.png", "2026-05-01 12:07:32"},
      {"Screenshot_20261301-120732.png", "none"},
      {"signal-2026-05-01-12-07-32-903.jpg", "2026-05-01 12:07:32"},
      {"signal-2026-05-01-121000.jpeg", "2026-05-01 12:10:00"},
      {"photo_2026-05-01_12-07-32.jpg", "2026-05-01 12:07:32"},
      {"video_2026-05-01_12-07-32.mp4", "2026-05-01 12:07:32"},
      {"IMG_20260501_120732.jpg", "2026-05-01 12:07:32"},
      {"VID_20260501_120732.mp4", "2026-05-01 12:07:32"},
      {"20260501_120732.jpg", "2026-05-01 12:07:32"},
      {"20260501_1207321.jpg", "none"}, // a field is never cut from a longer number
      {"DJI_20260501123500_0003_D.MP4", "2026-05-01 12:35:00"},
      {"2026-05-01_120732.jpg", "2026-05-01 12:07:32"},
      {"2026-05-01_120732_[0001].jpg", "2026-05-01 12:07:32"},
      {"2026-05-01_120732_img_1234.jpg", "2026-05-01 12:07:32"},
      {"0000-05-01_120732.jpg", "none"},
      // A Pixel's name is UTC: Berlin's summer time is two hours ahead.
      {"PXL_20260501_120732123.jpg", "2026-05-01 14:07:32 120"},
      {"PXL_20260501_223000456.PORTRAIT.jpg", "2026-05-02 00:30:00 120"},
      {"PXL_20261231_233000000.mp4", "2027-01-01 00:30:00 60"},
      {"IMG_1234.JPG", "none"},
      {"holiday 2026-05-01.jpg", "none"},
      {"", "none"},
  };
  for (const TextCase& c : cases)
    EXPECT_EQ(Text(DateOfFileName(c.input, kEvening)), c.expected) << c.input;
  // Without a modification time a day stands at midnight.
  EXPECT_EQ(Text(DateOfFileName("IMG-20260501-WA0001.jpg", std::nullopt)), "2026-05-01 00:00:00");
}

namespace {

std::string Packet(const std::string& description) {
  return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
         "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
         "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
         "<rdf:Description rdf:about=\"\" xmlns:exif=\"http://ns.adobe.com/exif/1.0/\" "
         "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
         "xmlns:photoshop=\"http://ns.adobe.com/photoshop/1.0/\" " +
         description + "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>";
}

} // namespace

TEST(XmpDates, KeysInTheirOrderAsAttributesOrElements) {
  testkit::UseBerlinTime();
  const TextCase cases[] = {
      {Packet("photoshop:DateCreated=\"2001-02-03\" xmp:CreateDate=\"2002-03-04T05:06\" "
              "exif:DateTimeOriginal=\"2003-04-05T06:07:08.25+02:00\">"),
       "2003-04-05 06:07:08 120"},
      {Packet("photoshop:DateCreated=\"2001-02-03\" xmp:CreateDate=\"2002-03-04T05:06-0500\">"),
       "2002-03-04 05:06:00 -300"},
      {Packet("><photoshop:DateCreated>2001-02-03</photoshop:DateCreated>"), "2001-02-03 00:00:00"},
      {Packet("><exif:DateTimeOriginal> 2003-04-05T06:07:08 </exif:DateTimeOriginal>"),
       "2003-04-05 06:07:08"},
      // A key that holds no real date gives way to the next.
      {Packet("exif:DateTimeOriginal=\"0000-00-00T00:00:00\" xmp:CreateDate=\"2002-03\" "
              "photoshop:DateCreated=\"2001-02-03T23:30:00Z\">"),
       "2001-02-04 00:30:00 60"},
      {Packet("exif:DateTimeOriginal=\"2003-02-29T10:00:00\">"), "none"},
      {Packet("xmp:CreateDate=\"2003-04-05T06:07:08+2:00\">"), "none"},
      {Packet("xmp:ModifyDate=\"2003-04-05T06:07:08\">"), "none"},
      // Another namespace under the same prefix is another key.
      {"<x xmlns:exif=\"urn:other\" exif:DateTimeOriginal=\"2003-04-05T06:07:08\"/>", "none"},
      // Padding behind the packet is no fault; broken XML gives nothing.
      {Packet("xmp:CreateDate=\"2002-03-04T05:06:07\">") + std::string(" \0\0\n", 4),
       "2002-03-04 05:06:07"},
      {Packet("xmp:CreateDate=\"2002-03-04T05:06:07\">").substr(0, 400), "none"},
      {"", "none"},
  };
  for (const TextCase& c : cases) {
    const std::optional<XmpDate> date = ReadXmpDate(c.input);
    EXPECT_EQ(Text(date ? std::optional(date->date) : std::nullopt), c.expected) << c.input;
  }
}

TEST(XmpDates, APacketAboveTheBoundIsNotRead) {
  const std::string packet = Packet("xmp:CreateDate=\"2002-03-04T05:06:07\">");
  EXPECT_TRUE(ReadXmpDate(packet + std::string(kMaxXmpBytes - packet.size(), ' ')));
  EXPECT_FALSE(ReadXmpDate(packet + std::string(kMaxXmpBytes - packet.size() + 1, ' ')));
}

TEST(IptcDates, DateCreatedWithAndWithoutItsTime) {
  using testkit::IptcDataset;
  const TextCase cases[] = {
      {IptcDataset(2, 55, "20260501") + IptcDataset(2, 60, "120732+0200"),
       "2026-05-01 12:07:32 120"},
      {IptcDataset(2, 55, "20260501") + IptcDataset(2, 60, "120732"), "2026-05-01 12:07:32"},
      {IptcDataset(2, 55, "20260501"), "2026-05-01 00:00:00"},
      {IptcDataset(2, 55, "20260501") + IptcDataset(2, 60, "250000+0200"), "2026-05-01 00:00:00"},
      {IptcDataset(2, 55, "20260431") + IptcDataset(2, 60, "120732"), "none"},
      {IptcDataset(2, 55, "2026-05-01"), "none"},
      {IptcDataset(2, 60, "120732"), "none"},
  };
  for (const TextCase& c : cases) {
    IptcData iptc;
    iptc.ParseSegment(testkit::PhotoshopIptcBlock(c.input));
    EXPECT_EQ(Text(IptcCreationDate(iptc)), c.expected);
  }
}
