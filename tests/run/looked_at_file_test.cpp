#include "run/internal/looked_at_file.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/testkit.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// One look per file: a photo is opened at once and known by its open file;
// whatever must be seen as it is (a link, a FIFO) or needs no reading gets
// the look by name, and a FIFO is never opened.
TEST(LookedAtFile, APhotoIsOpenedOnceAnythingElseIsLookedAtByName) {
  testkit::UseBerlinTime();
  testkit::TempDir dir;
  const std::string photo = dir.File("a.jpg");
  testkit::WriteFile(photo, testkit::JpegWithExifDate("2023:05:01 12:07:32"));
  fs::create_symlink(photo, dir.File("link.jpg"));
  mkfifo(dir.File("fifo.jpg").c_str(), 0600);
  testkit::WriteFile(dir.File("b.png"), "png");
  struct Case {
    std::string name;
    EntryKind kind;
    bool opened, found, regular, throughLink;
  };
  const Case cases[] = {
      {"a.jpg", EntryKind::Regular, true, true, true, false},
      {"a.jpg", EntryKind::Unknown, true, true, true, false},
      {"link.jpg", EntryKind::Unknown, false, true, true, true},
      {"link.jpg", EntryKind::Link, false, true, true, true},
      {"fifo.jpg", EntryKind::Unknown, false, true, false, false},
      {"gone.jpg", EntryKind::Regular, false, false, false, false},
      {"b.png", EntryKind::Regular, false, true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LookedAtFile looked = LookAtFile(dir.File(c.name), /*allFormats=*/false, c.kind);
    EXPECT_EQ(looked.opened.has_value(), c.opened);
    ASSERT_EQ(looked.status.has_value(), c.found);
    if (!c.found) continue;
    EXPECT_EQ(looked.status->regular, c.regular);
    EXPECT_EQ(looked.status->throughLink, c.throughLink);
    if (c.regular) {
      EXPECT_EQ(DateOfLookedAtFile(dir.File(c.name), false, looked).source,
                c.name == "b.png" ? DateSource::ModificationTime : DateSource::JpegExif);
    }
    EXPECT_FALSE(looked.opened); // closed once read
  }
}

} // namespace
