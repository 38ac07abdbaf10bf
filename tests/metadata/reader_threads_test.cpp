// The readers keep no state between reads: files read on several threads at
// once give what they give one after the other (the run reads the dates of
// the next files on threads of its own).

#include "metadata/capture_date.h"
#include "metadata/exif_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string TimeText(const std::optional<CaptureDate>& date) {
  if (!date) return "-";
  const LocalDateTime& t = date->time;
  return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day) +
         " " + std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" +
         std::to_string(t.second) + " " + std::to_string(static_cast<int>(date->source));
}

// Everything a read produces that a caller sees, as one text: a JPEG's
// fields, breakdowns and datasets; another format's dates and packets.
std::string ReadAll(const std::string& path) {
  const ExifRead read = ReadExifFile(path, ExifDetail::Everything);
  std::string text = ErrorText(read) + "\n" + read.exif.dateTime + "\n" + read.dump + "\n" +
                     read.makerNote.dump + "\n" + read.xmpPacket + "\n";
  for (const Tag& tag : read.tags)
    text += tag.name + "=" + tag.text + "\n";
  for (const Tag& record : read.iptc.Records())
    text += record.name + "=" + record.text + "\n";
  const CaptureDates dates = ReadCaptureDates(path);
  text += TimeText(dates.own) + " " + TimeText(dates.dateTime) + "\n" + dates.xmpPacket + "\n";
  for (const Tag& record : dates.iptc.Records())
    text += record.name + "=" + record.text + "\n";
  return text;
}

TEST(ReaderThreads, EverySampleReadOnSeveralThreadsAtOnceReadsAsOneAfterTheOther) {
  std::vector<std::string> files;
  for (const char* folder : {FOTOMAZ_SAMPLES_DIR, FOTOMAZ_FORMAT_SAMPLES_DIR})
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().extension() != ".md") files.push_back(entry.path().string());
  ASSERT_GT(files.size(), 30u);
  std::vector<std::string> expected;
  for (const std::string& file : files)
    expected.push_back(ReadAll(file));
  // Each thread starts at another file, so different formats overlap.
  constexpr size_t kThreads = 4, kRounds = 3;
  std::vector<std::string> differing(kThreads);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (size_t round = 0; round < kRounds; ++round)
        for (size_t i = 0; i < files.size(); ++i) {
          const size_t file = (i + t * files.size() / kThreads) % files.size();
          if (ReadAll(files[file]) != expected[file]) differing[t] += files[file] + "\n";
        }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  for (size_t t = 0; t < kThreads; ++t)
    EXPECT_EQ(differing[t], "") << "on thread " << t;
}

} // namespace
