// The whole run pinned down: the dry run of one generated collection under
// every combination of the options that change a plan, each compared as one
// SHA-256 with a table written by an earlier build; the moves of a few real
// runs as their records tell them; fotomaz-exif over the test data. A change
// meant to keep behaviour that changes any plan, name or text fails here.
//
// FOTOMAZ_WRITE_GOLDEN=FILE writes the table of this build to FILE instead.

#include "tests/kit/dated_files.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/riff_png_builder.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/testkit.h"
#include "tests/kit/tiff_builder.h"
#include "tests/tools/verteilen/command_process.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using testkit::WriteFileAt;
using Strings = std::vector<std::string>;

constexpr char kTable[] = FOTOMAZ_GOLDEN_DIR "/runs.tsv";

// A fixed sequence, so the same collection is built on every machine.
struct Sequence {
  uint32_t state;
  uint32_t Next() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  }
};

std::string Two(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

struct Moment {
  int year, month, day, hour, minute, second;
  std::string Exif() const {
    return std::to_string(year) + ":" + Two(month) + ":" + Two(day) + " " + Two(hour) + ":" +
           Two(minute) + ":" + Two(second);
  }
  std::string Stamp() const {
    return std::to_string(year) + "-" + Two(month) + "-" + Two(day) + "_" + Two(hour) +
           Two(minute) + Two(second);
  }
  time_t Seconds() const { return testkit::LocalSeconds(year, month, day, hour, minute, second); }
};

// The n-th shot: every few hours over four years, seconds kept even.
Moment ShotMoment(uint32_t n) {
  const time_t at = testkit::LocalSeconds(2015, 1, 1, 8, 0, 0) + time_t{n} * 14417 / 2 * 2;
  tm local{};
  localtime_r(&at, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string TiffDated(const std::string& original) {
  return testkit::Tiff(testkit::DatedIfd0(original, ""), testkit::ByteOrder::Intel);
}

std::string Movie(const Moment& m) {
  return testkit::MovieFile(
      testkit::Mvhd(testkit::MovieSeconds(m.year, m.month, m.day, m.hour, m.minute, m.second)));
}

// The collection: a card of new pictures and videos of every kind the run
// knows (groups, bursts, zero dates, names holding their date, read-only,
// undatable, long and non-ASCII names, case twins, hidden ones) and, inside
// the source, the library that is the target, holding earlier runs' files:
// some where they belong, some equal to a card's file under its planned
// name, some taking those names with other bytes.
class Collection {
public:
  explicit Collection(const std::string& root) : root_(root) {}

  void Build() {
    Sequence pick{20261209};
    uint32_t shot = 0;
    for (int folder = 0; folder < 14; ++folder) {
      const std::string dir = root_ + "/Fotos/Karte/DCIM/" + std::to_string(100 + folder) + "CAM/";
      for (int file = 0; file < 100; ++file) {
        const uint32_t kind = pick.Next() % 100;
        // About one shot in eight shares its second with the one before.
        if (pick.Next() % 8 != 0) ++shot;
        Card(dir, folder * 100 + file, kind, ShotMoment(shot), pick);
      }
    }
    Library(pick);
  }

private:
  void Put(const std::string& path, const std::string& bytes, time_t modified) {
    WriteFileAt(path, bytes, modified);
  }

  void Card(const std::string& dir, int n, uint32_t kind, const Moment& m, Sequence& pick) {
    const std::string number = std::to_string(1000 + n);
    const std::string img = dir + "IMG_" + number;
    // Cameras write the file when they take it; a copied card may not keep that.
    const time_t modified = pick.Next() % 3 == 0 ? m.Seconds() + 7200 : m.Seconds();
    if (kind < 40) {
      static const char* const kExtensions[] = {".JPG", ".jpg", ".jpeg", ".JPE"};
      const std::string path = img + kExtensions[pick.Next() % 4];
      Put(path, testkit::JpegWithExifDate(m.Exif()), modified);
      if (kind < 4) remembered_.push_back({path, m});
    } else if (kind < 43) {
      Put(img + ".JPG", testkit::JpegWithExifDate("0000:00:00 00:00:00"), modified);
    } else if (kind < 46) {
      Put(img + ".jpg", testkit::JpegWithoutExif(), modified);
    } else if (kind < 49) {
      Put(img + ".png",
          kind == 46
              ? testkit::PngWithExif(TiffDated(m.Exif()), testkit::ExifPlace::BeforeImageData)
              : std::string("\x89PNG\r\n\x1a\n", 8),
          modified);
    } else if (kind < 51) {
      Put(img + ".tif", TiffDated(m.Exif()), modified);
    } else if (kind < 52) {
      Put(img + (kind % 2 ? ".bmp" : ".gif"), "BM", modified);
    } else if (kind < 55) {
      static const testkit::RawKind kRaws[] = {testkit::RawKind::Cr2, testkit::RawKind::Nef,
                                               testkit::RawKind::Dng};
      static const char* const kRawExtensions[] = {".CR2", ".NEF", ".DNG"};
      const uint32_t raw = kind - 52;
      Put(img + kRawExtensions[raw],
          testkit::RawTiff(kRaws[raw], testkit::DatedIfd0(m.Exif(), ""), testkit::ByteOrder::Intel),
          modified);
    } else if (kind < 57) {
      Put(img + ".HEIC", testkit::HeifWithExif(TiffDated(m.Exif()), testkit::ItemPlace::MediaData),
          modified);
    } else if (kind < 60) {
      Put(dir + "MVI_" + number + (kind == 59 ? ".MOV" : ".MP4"), Movie(m), modified);
    } else if (kind < 62) {
      Put(dir + "MVI_" + number + (kind == 60 ? ".AVI" : ".mpg"),
          kind == 60 ? testkit::AviWithDateText("MON JAN 05 10:11:12 2015") : "mpg", modified);
    } else if (kind < 64) {
      Put(dir + "notiz_" + number + (kind == 62 ? ".txt" : ".PDF"), "text", modified);
    } else if (kind < 70) {
      // A raw and its JPEG, sometimes with the raw's XMP.
      Put(img + ".CR2",
          testkit::RawTiff(testkit::RawKind::Cr2, testkit::DatedIfd0(m.Exif(), ""),
                           testkit::ByteOrder::Intel),
          modified);
      Put(img + ".JPG", testkit::JpegWithExifDate(m.Exif()), modified);
      if (kind % 2) Put(img + ".CR2.xmp", "<x:xmpmeta/>", modified + 60);
    } else if (kind < 74) {
      // A Live Photo: its still and its clip.
      Put(img + (kind < 72 ? ".HEIC" : ".JPG"),
          kind < 72 ? testkit::HeifWithExif(TiffDated(m.Exif()), testkit::ItemPlace::MediaData)
                    : testkit::JpegWithExifDate(m.Exif()),
          modified);
      Put(img + ".MOV", Movie(m), modified);
    } else if (kind < 78) {
      // Sidecars by whole name and by base name.
      Put(img + ".jpg", testkit::JpegWithExifDate(m.Exif()), modified);
      Put(kind % 2 ? img + ".jpg.json" : img + ".xmp", "{}", modified + 3600);
      if (kind == 74) Put(img + ".THM", testkit::JpegWithoutExif(), modified);
    } else if (kind < 82) {
      // A name that holds its date already.
      Put(dir + m.Stamp() + "_urlaub.jpg", testkit::JpegWithExifDate(m.Exif()), modified);
    } else if (kind < 84) {
      const std::string path = img + "_nur_lesen.jpg";
      Put(path, testkit::JpegWithExifDate(m.Exif()), modified);
      fs::permissions(path,
                      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    } else if (kind < 86) {
      // Without a date the run can work out.
      Put(img + (kind == 84 ? ".png" : ".JPG"),
          kind == 84 ? "png" : testkit::JpegWithExifDate("0000:00:00 00:00:00"),
          testkit::LocalSeconds(1975, 6, 1, 12, 0, 0));
    } else if (kind < 88) {
      // Long enough that a date and the original name do not fit one name.
      std::string name;
      while (name.size() < 240)
        name += "Ärger_über_Straßen_";
      Put(dir + name + number + ".jpg", testkit::JpegWithExifDate(m.Exif()), modified);
    } else if (kind < 92) {
      // Two names that differ only in case.
      Put(dir + "Bild_" + number + ".jpg", testkit::JpegWithExifDate(m.Exif()), modified);
      Put(dir + "bild_" + number + ".JPG", testkit::JpegWithExifDate(m.Exif()), modified + 2);
    } else if (kind < 94) {
      Put(dir + ".versteckt_" + number + ".jpg", testkit::JpegWithExifDate(m.Exif()), modified);
      Put(dir + ".vorschau/IMG_" + number + ".jpg", testkit::JpegWithExifDate(m.Exif()), modified);
    } else {
      // A burst of one second.
      for (int b = 0; b < 4; ++b)
        Put(dir + "SER_" + number + "_" + std::to_string(b) + ".JPG",
            testkit::JpegWithExifDate(m.Exif()), modified);
    }
  }

  // Earlier runs' files in the library, in every structure.
  void Library(Sequence& pick) {
    const std::string library = root_ + "/Fotos/Bibliothek/";
    int n = 0;
    for (const Remembered& card : remembered_) {
      const Moment& m = card.moment;
      const std::string year = std::to_string(m.year), month = Two(m.month), day = Two(m.day);
      const std::string bytes = testkit::ReadWholeFile(card.path);
      const time_t modified = m.Seconds();
      const std::string name = m.Stamp() + ".jpg";
      switch (n++ % 6) {
      case 0: // the same picture, already filed
        Put(library + year + "/" + month + "/" + name, bytes, modified);
        break;
      case 1: // another picture under its name, and a numbered one
        Put(library + year + "/" + month + "/" + name, testkit::JpegWithoutExif(), modified);
        Put(library + year + "/" + month + "/" + m.Stamp() + "_[0003].jpg", bytes, modified);
        break;
      case 2:
        Put(library + year + "/" + name, bytes, modified);
        break;
      case 3:
        Put(library + year + "/" + month + "/" + day + "/" + name, bytes, modified);
        break;
      case 4:
        Put(library + name, testkit::JpegWithoutExif(), modified);
        break;
      default: // where it belongs under its own name
        Put(library + year + "/" + month + "/" + fs::path(card.path).filename().string(),
            testkit::JpegWithExifDate(m.Exif()), modified);
        break;
      }
    }
    // Files of the library's own, where they belong for some structure.
    for (int i = 0; i < 60; ++i) {
      const Moment m = ShotMoment(pick.Next() % 2000);
      const std::string month = library + std::to_string(m.year) + "/" + Two(m.month) + "/";
      Put(month + (i % 2 ? m.Stamp() + ".jpg" : m.Stamp() + "_[0001].jpg"),
          testkit::JpegWithExifDate(m.Exif()), m.Seconds());
    }
  }

  struct Remembered {
    std::string path;
    Moment moment;
  };
  std::string root_;
  std::vector<Remembered> remembered_;
};

struct Combination {
  bool all, rename, keepName, companions, modern, skipIdentical;
  const char* structure;

  Strings Arguments() const {
    return {"--dateien",      all ? "alle" : "bilder,videos",
            "--umbenennen",   rename ? "ja" : "nein",
            "--originalname", keepName ? "ja" : "nein",
            "--ordner",       structure,
            "--begleiter",    companions ? "ja" : "nein",
            "--moderne",      modern ? "ja" : "nein",
            "--gleiche",      skipIdentical ? "ueberspringen" : "nummerieren"};
  }
  // The table's key: the arguments without their dashes.
  std::string Key() const {
    const Strings arguments = Arguments();
    std::string key;
    for (size_t i = 0; i < arguments.size(); i += 2)
      key += (key.empty() ? "" : " ") + arguments[i].substr(2) + "=" + arguments[i + 1];
    return key;
  }
};

std::vector<Combination> EveryCombination() {
  std::vector<Combination> all;
  for (int bits = 0; bits < 64; ++bits) {
    for (const char* structure : {"jahr", "monat", "tag", "keine"})
      all.push_back({(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0,
                     (bits & 16) != 0, (bits & 32) != 0, structure});
  }
  return all;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

std::string Sha256(const std::string& bytes, const std::string& scratch) {
  testkit::WriteFile(scratch, bytes);
  FILE* pipe = popen(("sha256sum '" + scratch + "'").c_str(), "r");
  if (!pipe) return {};
  char digest[65] = {};
  const size_t read = std::fread(digest, 1, 64, pipe);
  pclose(pipe);
  return std::string(digest, read);
}

// What a command said, with the tree's place replaced by a word.
std::string Said(const clitest::CommandResult& result, const std::string& root) {
  std::string text = result.out + "\n-- Fehlerausgabe\n" + result.err + "\n-- Rückgabewert " +
                     std::to_string(result.status) + "\n";
  ReplaceAll(text, root, "BAUM");
  return text;
}

std::map<std::string, std::string> ReadTable() {
  std::map<std::string, std::string> table;
  std::ifstream in(kTable);
  for (std::string line; std::getline(in, line);) {
    const size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    table[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return table;
}

// The done lines of the one record in folder: source, target and kind of
// each, paths relative.
std::string RecordedMoves(const std::string& folder, const std::string& root) {
  std::string moves;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    std::istringstream lines(testkit::ReadWholeFile(entry.path().string()));
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with("erledigt\t")) continue;
      std::vector<std::string> fields;
      std::istringstream parts(line);
      for (std::string field; std::getline(parts, field, '\t');)
        fields.push_back(field);
      if (fields.size() >= 6) moves += fields[1] + "\t" + fields[2] + "\t" + fields[5] + "\n";
    }
  }
  ReplaceAll(moves, root, "BAUM");
  return moves;
}

class GoldenTest : public ::testing::Test {
protected:
  void SetUp() override {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    testkit::WriteFile(settings_, "");
  }

  // key's entry of the table: checked, or kept for the table to be written.
  void Expect(const std::string& key, const std::string& said) {
    const std::string digest = Sha256(said, dir_.File("said"));
    if (writing_) {
      std::ofstream(writing_, std::ios::app) << key << '\t' << digest << '\n';
      return;
    }
    const auto row = table_.find(key);
    ASSERT_NE(row, table_.end()) << "no row " << key << " in " << kTable;
    EXPECT_EQ(row->second, digest) << key << " now says:\n" << said.substr(0, 4000);
  }

  testkit::TempDir dir_{testkit::TempPlace::Memory};
  const std::string settings_ = dir_.File("leer.ini");
  const char* writing_ = std::getenv("FOTOMAZ_WRITE_GOLDEN");
  const std::map<std::string, std::string> table_ = ReadTable();
};

TEST_F(GoldenTest, EveryDryRunPlansAsBefore) {
  const std::string root = dir_.File("baum");
  Collection(root).Build();
  for (const Combination& combination : EveryCombination()) {
    Strings arguments{"--einstellungen", settings_, "--quelle",
                      root + "/Fotos",   "--ziel",  root + "/Fotos/Bibliothek",
                      "--probelauf"};
    for (const std::string& argument : combination.Arguments())
      arguments.push_back(argument);
    Expect("probelauf " + combination.Key(), Said(clitest::RunVerteilen(arguments), root));
  }
}

TEST_F(GoldenTest, RealRunsRecordTheMovesAsBefore) {
  const Combination kRuns[] = {
      {false, true, false, false, false, false, "monat"},
      {true, true, true, true, true, true, "tag"},
      {false, false, false, true, false, true, "jahr"},
      {true, true, false, false, true, false, "keine"},
  };
  for (const Combination& combination : kRuns) {
    const std::string root = dir_.File("lauf");
    const std::string records = dir_.File("aufzeichnungen");
    fs::remove_all(root);
    fs::remove_all(records);
    Collection(root).Build();
    setenv("XDG_STATE_HOME", records.c_str(), 1);
    Strings arguments{"--einstellungen",          settings_, "--quelle", root + "/Fotos", "--ziel",
                      root + "/Fotos/Bibliothek", "--ja"};
    for (const std::string& argument : combination.Arguments())
      arguments.push_back(argument);
    const clitest::CommandResult result = clitest::RunVerteilen(arguments);
    Expect("lauf " + combination.Key(),
           Said(result, root) + RecordedMoves(records + "/TamrelFotomaz", root));
    // Files left read-only must not keep the next build from cleaning up.
    fs::remove_all(root);
  }
}

TEST_F(GoldenTest, FotomazExifReportsAsBefore) {
  // Copies with one modification time: a checkout stamps the files with its
  // own time, and fotomaz-exif prints that of a file without a date.
  const fs::path data = fs::path(FOTOMAZ_SAMPLES_DIR).parent_path();
  const fs::path copies = dir_.File("daten");
  Strings files;
  for (const char* folder : {"samples", "formats"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(data / folder)) {
      if (entry.path().extension() == ".md") continue;
      const std::string file = fs::relative(entry.path(), data).string();
      WriteFileAt((copies / file).string(), testkit::ReadWholeFile(entry.path().string()),
                  testkit::LocalSeconds(2024, 3, 4, 5, 6, 8));
      files.push_back(file);
    }
  }
  std::sort(files.begin(), files.end());
  const std::vector<Strings> kFlagSets = {
      {},         {"--tags"},      {"--dump"},
      {"--iptc"}, {"--makernote"}, {"--tags", "--dump", "--iptc", "--makernote"}};
  const fs::path here = fs::current_path();
  fs::current_path(copies);
  for (const Strings& flags : kFlagSets) {
    std::string command = FOTOMAZ_EXIF;
    std::string key = "exif";
    for (const std::string& flag : flags) {
      command += " " + flag;
      key += " " + flag;
    }
    for (const std::string& file : files)
      command += " '" + file + "'";
    std::string said;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
      char chunk[4096];
      for (size_t read; (read = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        said.append(chunk, read);
      said += "\n-- Rückgabewert " + std::to_string(pclose(pipe)) + "\n";
    }
    Expect(key, said);
  }
  fs::current_path(here);
}

} // namespace
