// The byte stream's positions and seeks over a source that counts its reads.

#include "metadata/byte_stream.h"

#include <gtest/gtest.h>

namespace {

std::string Numbered(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>(i * 7 + i / 251);
  return bytes;
}

// A source that reads forward only, as a pipe would.
class ForwardOnly : public ByteSource {
public:
  explicit ForwardOnly(const std::string& bytes) : inner_(bytes) {}
  size_t Read(char* dst, size_t n) override { return inner_.Read(dst, n); }

private:
  MemorySource inner_;
};

} // namespace

TEST(ByteStream, PositionsAndSeeksDeliverTheBytesThere) {
  const std::string data = Numbered(200000);
  MemorySource source(data);
  ByteStream stream(source);
  std::string out;
  stream.ReadAppend(out, 100000); // partly buffered, partly read straight into out
  EXPECT_EQ(out, data.substr(0, 100000));
  EXPECT_EQ(stream.Position(), 100000u);
  EXPECT_EQ(stream.ReadByte(), static_cast<uint8_t>(data[100000]));
  const uint64_t readSoFar = source.BytesRead();
  ASSERT_TRUE(stream.SeekTo(100010)); // inside the buffer: no read
  EXPECT_EQ(stream.ReadByte(), static_cast<uint8_t>(data[100010]));
  EXPECT_EQ(source.BytesRead(), readSoFar);
  for (const uint64_t at : {uint64_t{5}, uint64_t{199990}, uint64_t{150000}}) {
    stream.ReadAt(at, 20, out);
    EXPECT_EQ(out, data.substr(at, 20)) << at;
    EXPECT_EQ(stream.Position(), at + out.size()) << at;
  }
  stream.ReadAt(300000, 4, out);
  EXPECT_EQ(out, "");
  EXPECT_EQ(stream.DataSize(), data.size());
}

TEST(ByteStream, SourceThatCannotSeekGivesNothingElsewhere) {
  const std::string data = Numbered(100000);
  ForwardOnly source(data);
  ByteStream stream(source);
  std::string out;
  stream.ReadAt(0, 8, out);
  EXPECT_EQ(out, data.substr(0, 8));
  stream.ReadAt(3, 4, out); // back inside the buffer
  EXPECT_EQ(out, data.substr(3, 4));
  EXPECT_FALSE(stream.SeekTo(90000));
  stream.ReadAt(90000, 4, out);
  EXPECT_EQ(out, "");
  EXPECT_FALSE(stream.DataSize());
}

// Streams one after another share one buffer, streams at once do not; a
// stream never shows what an earlier one left in the buffer.
TEST(ByteStream, StreamsAtOnceAndOneAfterAnotherEachReadTheirOwnBytes) {
  const std::string large = Numbered(40000), small = "short";
  MemorySource first(large), second(small);
  {
    ByteStream one(first), two(second);
    std::string fromOne, fromTwo;
    one.ReadAppend(fromOne, 3);
    EXPECT_EQ(two.ReadAppend(fromTwo, 100), small.size());
    one.ReadAppend(fromOne, large.size());
    EXPECT_EQ(fromOne, large);
    EXPECT_EQ(fromTwo, small);
    EXPECT_FALSE(two.ReadByte());
  }
  MemorySource third(small);
  ByteStream three(third);
  std::string fromThree;
  EXPECT_EQ(three.ReadAppend(fromThree, 100), small.size());
  EXPECT_EQ(fromThree, small);
  EXPECT_FALSE(three.ReadByte());
}
