#include "bench/synthetic_tree.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr size_t kFilesPerFolder = 100;
constexpr size_t kFoldersPerGroup = 10;
constexpr time_t kFirstShot = 1420099200; // 2015-01-01
constexpr time_t kSecondsBetweenShots = 3 * 3600 + 17;
constexpr time_t kModifiedSpan = time_t{80} * 365 * 86400;

void Put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, static_cast<uint16_t>(v & 0xFFFF));
  Put16(out, static_cast<uint16_t>(v >> 16));
}

void PutEntry(std::string& out, uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
  Put16(out, tag);
  Put16(out, type);
  Put32(out, count);
  Put32(out, value);
}

std::string Segment(uint8_t marker, const std::string& body) {
  std::string out{'\xFF', static_cast<char>(marker)};
  const size_t length = body.size() + 2;
  out += static_cast<char>(length >> 8);
  out += static_cast<char>(length & 0xFF);
  return out + body;
}

// Little-endian TIFF: IFD0 with DateTime and the EXIF pointer, the EXIF
// directory with DateTimeOriginal; both dates share one string. With a
// thumbnail, IFD1 follows the date and points at the thumbnail behind it.
std::string ExifApp1(const std::string& date, const std::string& thumbnail) {
  constexpr uint32_t kIfd1 = 76, kThumbnail = kIfd1 + 30;
  std::string tiff = "II*";
  tiff += '\0';
  Put32(tiff, 8);
  Put16(tiff, 2);
  PutEntry(tiff, 0x0132, 2, 20, 56);
  PutEntry(tiff, 0x8769, 4, 1, 38);
  Put32(tiff, thumbnail.empty() ? 0 : kIfd1);
  Put16(tiff, 1);
  PutEntry(tiff, 0x9003, 2, 20, 56);
  Put32(tiff, 0);
  tiff += date;
  tiff += '\0';
  if (!thumbnail.empty()) {
    Put16(tiff, 2);
    PutEntry(tiff, 0x0201, 4, 1, kThumbnail);
    PutEntry(tiff, 0x0202, 4, 1, static_cast<uint32_t>(thumbnail.size()));
    Put32(tiff, 0);
    tiff += thumbnail;
  }
  return Segment(0xE1, std::string("Exif\0\0", 6) + tiff);
}

std::string ScanAndEnd(size_t index, size_t dataBytes) {
  std::string out = Segment(0xDA, std::string("\x01\x01\x00\x00\x3F\x00", 6));
  const size_t header = out.size();
  out.resize(header + dataBytes);
  for (size_t i = 0; i < dataBytes; ++i)
    out[header + i] = static_cast<char>((i * 31 + index) % 0xFF);
  return out + "\xFF\xD9";
}

std::string Jpeg(const std::string& app, size_t index, size_t dataBytes) {
  return std::string("\xFF\xD8", 2) + app + ScanAndEnd(index, dataBytes);
}

std::string Jfif() {
  return Segment(0xE0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));
}

std::string ExifDateText(time_t when) {
  std::tm t{};
  gmtime_r(&when, &t);
  char text[80];
  std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

void Write(const std::string& path, const std::string& bytes, time_t modified) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    throw std::runtime_error("cannot write " + path);
  }
  const timespec times[2] = {{modified, 0}, {modified, 0}};
  futimens(fd, times);
  close(fd);
}

std::string Numbered(const char* format, size_t number) {
  char text[64];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

// The sample files of a folder, by extension; none without a folder.
std::vector<std::pair<std::string, std::string>> Samples(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> samples;
  if (folder.empty()) return samples;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".md") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    samples.emplace_back(entry.path().extension().string(),
                         std::string(std::istreambuf_iterator<char>(in), {}));
  }
  std::sort(samples.begin(), samples.end());
  if (samples.empty()) throw std::runtime_error("no sample files in " + folder);
  return samples;
}

} // namespace

void BuildSyntheticTree(const std::string& root, const TreeShape& shape) {
  const auto samples = Samples(shape.formatSamples);
  size_t shot = 0;
  size_t exifJpegs = 0;
  for (size_t i = 0; i < shape.files; ++i) {
    const size_t folderNumber = i / kFilesPerFolder;
    const std::string group = root + Numbered("/Urlaub %03zu", folderNumber / kFoldersPerGroup);
    const std::string folder = group + Numbered("/Tag_%02zu", folderNumber % kFoldersPerGroup);
    if (i % kFilesPerFolder == 0) {
      mkdir(group.c_str(), 0755);
      mkdir(folder.c_str(), 0755);
    }
    // Groups start at two places in every fifteen files: one of three, one
    // of two; never across a folder's end.
    const size_t members = i % 15 == 0 ? 3 : i % 15 == 7 ? 2 : 0;
    if (shape.companions && members > 0 && i % kFilesPerFolder + members <= kFilesPerFolder &&
        i + members <= shape.files) {
      const time_t when = kFirstShot + static_cast<time_t>(++shot) * kSecondsBetweenShots;
      const std::string base = folder + Numbered("/IMG_%05zu", i);
      Write(base + ".JPG", Jpeg(ExifApp1(ExifDateText(when), shape.thumbnail), i, shape.dataBytes), when + 86400);
      Write(base + ".MOV", ScanAndEnd(i + 1, shape.dataBytes), when);
      if (members == 3) Write(base + ".JPG.json", "{}", when + 86400);
      i += members - 1;
      continue;
    }
    const size_t kind = i % 50;
    if (kind < 40) {
      // Bursts share one stamp; otherwise about one JPEG in ten shares the
      // second of the one before.
      if (shape.burst > 0 ? exifJpegs % shape.burst == 0 : exifJpegs % 10 != 1) ++shot;
      ++exifJpegs;
      const time_t when = kFirstShot + static_cast<time_t>(shot) * kSecondsBetweenShots;
      const char* format = kind % 3 == 0   ? "/IMG_%05zu.JPG"
                           : kind % 3 == 1 ? "/img_%05zu.jpg"
                                           : "/DSC%05zu.JPEG";
      Write(folder + Numbered(format, i),
            Jpeg(ExifApp1(ExifDateText(when), shape.thumbnail), i, shape.dataBytes), when + 86400);
      continue;
    }
    // Modification times stay within what a file's date may be (up to 2107)
    // however many files the tree holds.
    const time_t when =
        kFirstShot + (static_cast<time_t>(i) * kSecondsBetweenShots / 2 + 1) % kModifiedSpan;
    if (!samples.empty()) {
      const auto& [extension, bytes] = samples[i % samples.size()];
      Write(folder + Numbered("/Datei_%05zu", i) + extension, bytes, when);
    } else if (kind < 44) {
      Write(folder + Numbered("/Bild_%05zu.PNG", i),
            "\x89PNG\r\n\x1A\n" + ScanAndEnd(i, shape.dataBytes), when);
    } else if (kind < 47) {
      Write(folder + Numbered("/MVI_%05zu.MOV", i), ScanAndEnd(i, shape.dataBytes), when);
    } else {
      Write(folder + Numbered("/scan_%05zu.jpg", i), Jpeg(Jfif(), i, shape.dataBytes), when);
    }
  }
}
