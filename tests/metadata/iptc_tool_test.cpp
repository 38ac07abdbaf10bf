// fotomaz-exif --iptc: one line per IPTC record after the other fields.

#include "tests/kit/iptc_builder.h"
#include "tests/kit/temp_files.h"
#include "tools/exif_report.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(IptcToolTest, ListsTheRecordsAfterTheOtherFields) {
  const auto parsed = ParseExifReportArguments({"--iptc", "a.jpg"});
  ASSERT_TRUE(parsed);
  EXPECT_TRUE(parsed->options.iptc);

  testkit::TempDir dir;
  const std::string path = dir.File("a.jpg");
  testkit::WriteFile(path, testkit::JpegWithIptc(testkit::IptcDataset(2, 25, "Berg") +
                                                 testkit::IptcDataset(2, 90, "Graz") +
                                                 testkit::IptcDataset(2, 25, "See")));
  std::ostringstream out;
  PrintExifReport(out, path, {.iptc = true});
  const std::string report = out.str();
  EXPECT_TRUE(report.ends_with("ImageHeight: 0\nIPTC: Keywords = Berg,See\nIPTC: City = Graz\n\n"))
      << report;
  std::ostringstream without;
  PrintExifReport(without, path, {});
  EXPECT_EQ(without.str().find("IPTC:"), std::string::npos);
}

} // namespace
