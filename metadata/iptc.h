#pragma once
// The IPTC store of one image. Created empty for the first APP13 segment of a
// JPEG file; parsing and lookups come with the IPTC reader.

class TimgData;

class TIPTCdata {
public:
  explicit TIPTCdata(TimgData* owner);

  TimgData* Owner = nullptr; // the reader that created the store; not owned
};
