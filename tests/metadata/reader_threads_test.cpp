// The reader keeps no state between reads: two files read on two threads at
// once give what they give one after the other.

#include "metadata/exif_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// Everything a read produces that a caller sees, as one text.
std::string Summary(const ExifRead& read) {
  std::string text = ErrorText(read) + "\n" + read.exif.dateTime + "\n" + read.dump + "\n" +
                     read.makerNote.dump + "\n";
  for (const Tag& tag : read.tags)
    text += tag.name + "=" + tag.text + "\n";
  for (const Tag& record : read.iptc.Records())
    text += record.name + "=" + record.text + "\n";
  return text;
}

std::string ReadSample(const char* file) {
  return Summary(
      ReadExifFile(std::string(FOTOMAZ_SAMPLES_DIR) + "/" + file, ExifDetail::Everything));
}

TEST(ReaderThreads, TwoFilesAtOnceReadAsOneAfterTheOther) {
  // A Canon file (breakdowns that name values) and a Nikon file (another
  // maker table and byte order).
  const char* const files[2] = {"Canon_40D.jpg", "Nikon_D70.jpg"};
  const std::string expected[2] = {ReadSample(files[0]), ReadSample(files[1])};
  ASSERT_NE(expected[0], expected[1]);
  constexpr int kRounds = 50;
  std::string got[2][kRounds];
  std::thread first([&] {
    for (int i = 0; i < kRounds; ++i)
      got[0][i] = ReadSample(files[0]);
  });
  std::thread second([&] {
    for (int i = 0; i < kRounds; ++i)
      got[1][i] = ReadSample(files[1]);
  });
  first.join();
  second.join();
  for (int f = 0; f < 2; ++f)
    for (int i = 0; i < kRounds; ++i)
      EXPECT_EQ(got[f][i], expected[f]) << files[f] << " round " << i;
}

} // namespace
