#include "platform/content_hash.h"
#include "platform/file_compare.h"
#include "tests/kit/temp_files.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

// Bytes that span two read chunks and end inside a third.
std::string Content(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 7919) >> 3);
  return bytes;
}

uint64_t HashOf(const std::string& bytes, size_t piece) {
  ContentHash hash;
  for (size_t at = 0; at < bytes.size(); at += piece) {
    const std::string part = bytes.substr(at, piece);
    hash.Update({reinterpret_cast<const unsigned char*>(part.data()), part.size()});
  }
  return hash.Value();
}

TEST(ContentHash, DoesNotDependOnHowTheBytesAreSplit) {
  for (const size_t size : {0, 1, 63, 64, 65, 1000}) {
    const std::string bytes = Content(size);
    for (const size_t piece : {1, 7, 64, 100, 4096})
      EXPECT_EQ(HashOf(bytes, piece), HashOf(bytes, 4096)) << size << " by " << piece;
  }
  EXPECT_NE(HashOf("x", 1), HashOf(std::string("x\0", 2), 1));
}

TEST(ContentHash, ComparesInTheSamePassAsItHashes) {
  const std::string bytes = Content(1000);
  const auto data = [](const std::string& text, size_t at) {
    return reinterpret_cast<const unsigned char*>(text.data()) + at;
  };
  for (const size_t changed : {0, 63, 64, 500, 999}) {
    std::string other = bytes;
    other[changed] ^= 1;
    for (const size_t piece : {7, 64, 100, 1000}) {
      SCOPED_TRACE(std::to_string(changed) + " by " + std::to_string(piece));
      ContentHash hash;
      for (size_t at = 0; at < bytes.size(); at += piece) {
        const size_t length = std::min(piece, bytes.size() - at);
        const bool holdsChange = at <= changed && changed < at + length;
        EXPECT_EQ(hash.UpdateComparing({data(bytes, at), length}, data(other, at)), !holdsChange);
      }
      EXPECT_EQ(hash.Value(), HashOf(bytes, 4096));
    }
  }
}

TEST(FileComparer, ReadsBothSidesAndHashesWhatIsWanted) {
  const std::string bytes = Content(600 * 1024);
  std::string lastByte = bytes, early = bytes;
  lastByte.back() ^= 1;
  early[10] ^= 1;
  struct Case {
    const char* what;
    std::string other;
    Comparison verdict;
    size_t otherRead; // when its hash is not wanted: up to the first difference
  };
  constexpr size_t kChunk = 256 * 1024;
  const Case cases[] = {
      {"identical", bytes, Comparison::Identical, bytes.size()},
      {"the last byte differs", lastByte, Comparison::Different, bytes.size()},
      {"a byte in the first chunk differs", early, Comparison::Different, kChunk},
      {"shorter", bytes.substr(1), Comparison::Different, 0},
  };
  testkit::TempDir dir;
  testkit::WriteFile(dir.File("a"), bytes);
  FileComparer comparer;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testkit::WriteFile(dir.File("b"), c.other);
    for (const bool hashB : {false, true}) {
      const CompareResult result =
          comparer.Compare({dir.File("a"), *StatusOf(dir.File("a")), false, true},
                           {dir.File("b"), *EntryStatusOf(dir.File("b")), false, hashB});
      EXPECT_EQ(result.verdict, c.verdict);
      EXPECT_EQ(result.hashA, HashOf(bytes, 4096));
      EXPECT_EQ(result.hashB, hashB ? std::optional(HashOf(c.other, 4096)) : std::nullopt);
      // Once they differ, a side whose hash is not wanted is read no further.
      EXPECT_EQ(result.bytesRead, bytes.size() + (hashB ? c.other.size() : c.otherRead));
    }
  }
}

TEST(FileComparer, NoVerdictForAFileThatIsNotTheOneItsStatDescribed) {
  testkit::TempDir dir;
  const std::string a = dir.File("a"), b = dir.File("b");
  testkit::WriteFile(a, "same");
  testkit::WriteFile(b, "same");
  const FileStatus statusA = *StatusOf(a), statusB = *StatusOf(b);
  std::filesystem::create_symlink(a, dir.File("link"));
  mkfifo(dir.File("fifo").c_str(), 0644);
  FileComparer comparer;
  struct Case {
    const char* what;
    CompareSide other;
  };
  const Case cases[] = {
      {"a link, not followed", {dir.File("link"), statusA, false, true}},
      {"a FIFO in its place", {dir.File("fifo"), statusB, false, true}},
      {"missing", {dir.File("weg"), statusB, false, true}},
      {"replaced by another file", {a, statusB, false, true}},
  };
  for (const Case& c : cases) {
    const CompareResult result = comparer.Compare({b, statusB, false, true}, c.other);
    EXPECT_EQ(result.verdict, Comparison::Unreadable) << c.what;
    EXPECT_EQ(result.bytesRead, 0u) << c.what;
  }
  testkit::WriteFile(b, "sane"); // changed after its stat
  EXPECT_EQ(comparer.Compare({a, statusA, false, true}, {b, statusB, false, true}).verdict,
            Comparison::Unreadable);
  EXPECT_EQ(
      comparer.Compare({dir.File("link"), statusA, true, true}, {a, statusA, false, true}).verdict,
      Comparison::Identical);
}

} // namespace
