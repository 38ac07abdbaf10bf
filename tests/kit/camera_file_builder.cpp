#include "tests/kit/camera_file_builder.h"

#include "tests/kit/iso_builder.h"
#include "tests/kit/tiff_builder.h"

#include <chrono>

namespace testkit {

namespace {

std::string Bcd(int value) {
  return std::string(1, static_cast<char>(((value / 10) << 4) | (value % 10)));
}

// An H.264 unit with the escape byte 03 after every two zero bytes that
// precede a byte of 00 to 03, as encoders write it.
std::string Escaped(const std::string& unit) {
  std::string out;
  int zeros = 0;
  for (char c : unit) {
    if (zeros >= 2 && static_cast<uint8_t>(c) <= 3) {
      out += '\x03';
      zeros = 0;
    }
    out += c;
    zeros = c == '\0' ? zeros + 1 : 0;
  }
  return out;
}

constexpr uint16_t kVideoPid = 0x1011;
constexpr uint16_t kAudioPid = 0x1100;

// One packet: sync, PID with the start flag, payload only (or an adaptation
// field of stuffing when the payload is short).
std::string TsPacket(uint16_t pid, bool start, const std::string& payload, bool timeStamped) {
  std::string packet = timeStamped ? std::string("\x00\x01\x02\x03", 4) : std::string();
  packet += '\x47';
  packet += static_cast<char>((start ? 0x40 : 0) | (pid >> 8));
  packet += static_cast<char>(pid & 0xFF);
  const size_t room = 184;
  if (payload.size() < room) {
    packet += '\x30'; // adaptation field and payload
    const size_t stuffing = room - payload.size() - 1;
    packet += static_cast<char>(stuffing);
    if (stuffing > 0) packet += '\0' + std::string(stuffing - 1, '\xFF');
  } else {
    packet += '\x10';
  }
  return packet + payload;
}

// An EBML element: its ID bytes, a size of 8 bytes (or unknown), the data.
std::string Element(const std::string& id, const std::string& data, bool unknownSize = false) {
  std::string size(1, '\x01');
  for (int shift = 48; shift >= 0; shift -= 8)
    size += static_cast<char>(unknownSize ? 0xFF : (data.size() >> shift) & 0xFF);
  return id + size + data;
}

} // namespace

std::string RafFile(const std::string& jpeg) {
  constexpr uint32_t kJpegAt = 160;
  std::string header = "FUJIFILMCCD-RAW 0201FF389501";
  header += std::string("X-T30") + std::string(32 - 5, '\0');
  header += "0100" + std::string(20, '\0');
  header += U32(kJpegAt, ByteOrder::Motorola) +
            U32(static_cast<uint32_t>(jpeg.size()), ByteOrder::Motorola);
  header += std::string(kJpegAt - header.size(), '\0');
  return header + jpeg + std::string(512, '\x5A');
}

std::string MdpmUserData(int year, int month, int day, int hour, int minute, int second,
                         uint8_t zoneByte) {
  std::string data("\x17\xEE\x8C\x60\xF8\x4D\x11\xD9\x8C\xD6\x08\x00\x20\x0C\x9A\x66MDPM", 20);
  data += '\x04';
  data += "\x18" + std::string(1, static_cast<char>(zoneByte)) + Bcd(year / 100) + Bcd(year % 100) +
          Bcd(month);
  data += "\x19" + Bcd(day) + Bcd(hour) + Bcd(minute) + Bcd(second);
  data += std::string("\x70\xC7\xF2\xFF\xFF", 5) + std::string("\x71\xFF\xFF\xFF\xFF", 5);
  return data;
}

std::string AvchdStream(const std::string& userData, bool timeStamped, size_t leadingVideoBytes) {
  // SEI: payload type 5, its size, the data, the trailing bits.
  std::string sei = std::string("\x06\x05", 2) + static_cast<char>(userData.size()) + userData;
  sei += '\x80';
  const std::string pes =
      std::string("\x00\x00\x01\xE0\x00\x00\x80\x80\x05\x21\x00\x01\x00\x01", 14) +
      std::string("\x00\x00\x00\x01\x09\xF0", 6) + std::string("\x00\x00\x00\x01", 4) +
      Escaped(sei) + std::string("\x00\x00\x00\x01\x65\x88\x84", 7) + std::string(300, '\x11');
  std::string stream = TsPacket(0, true, std::string(184, '\xFF'), timeStamped);
  const std::string leading = std::string("\x00\x00\x01\xE0\x00\x00\x80\x00\x00", 9) +
                              std::string(leadingVideoBytes, '\x22');
  for (size_t at = 0; leadingVideoBytes > 0 && at < leading.size(); at += 184)
    stream += TsPacket(kVideoPid, at == 0, leading.substr(at, 184), timeStamped);
  for (size_t at = 0; at < pes.size(); at += 184) {
    stream += TsPacket(kVideoPid, at == 0, pes.substr(at, 184), timeStamped);
    stream +=
        TsPacket(kAudioPid, at == 0, "\x00\x00\x01\xC0MDPM" + std::string(176, 'a'), timeStamped);
  }
  return stream;
}

std::string MatroskaFile(const std::string& docType, const int64_t* dateUtcNanoseconds) {
  const std::string header =
      Element("\x1A\x45\xDF\xA3", Element("\x42\x82", docType) + Element("\x42\x87", "\x04"));
  std::string info = Element("\x2A\xD7\xB1", std::string("\x0F\x42\x40", 3));
  if (dateUtcNanoseconds) {
    std::string value;
    for (int shift = 56; shift >= 0; shift -= 8)
      value += static_cast<char>((static_cast<uint64_t>(*dateUtcNanoseconds) >> shift) & 0xFF);
    info += Element("\x44\x61", value);
  }
  const std::string segment = Element("\x11\x4D\x9B\x74", std::string(40, '\0')) +
                              Element("\x15\x49\xA9\x66", info) +
                              Element("\x1F\x43\xB6\x75", std::string(200, '\x33'));
  return header + Element("\x18\x53\x80\x67", segment, true);
}

int64_t MatroskaNanoseconds(int year, int month, int day, int hour, int minute, int second) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  const sys_seconds moment = date + hours{hour} + minutes{minute} + seconds{second};
  constexpr int64_t kMatroskaEpoch = 978307200;
  return (moment.time_since_epoch().count() - kMatroskaEpoch) * 1000000000;
}

std::string JxlFile(const std::string& tiff, JxlExif form) {
  const std::string signature("\x00\x00\x00\x0CJXL \x0D\x0A\x87\x0A", 12);
  const std::string exif = std::string(4, '\0') + tiff;
  const std::string box = form == JxlExif::Plain ? IsoBox("Exif", exif)
                                                 : IsoBox("brob", "Exif" + std::string(30, '\x1B'));
  return signature + IsoBox("ftyp", std::string("jxl \0\0\0\0jxl ", 12)) + box +
         IsoBox("jxlc", std::string("\xFF\x0A", 2) + std::string(100, '\x44'));
}

} // namespace testkit
