#pragma once
// The recording date of a drone's clip, from the subtitle file it writes
// beside the clip (DJI_0002.SRT beside DJI_0002.MP4): each cue carries the
// wall-clock time of its frame, "2026-05-01 12:07:32.123" or, on older
// models, "2026.05.01 12:07:32" behind the home point. The first cue's is
// when recording began.

#include "metadata/stated_date.h"

#include <cstddef>
#include <optional>
#include <string_view>

// At most this much of the file's start is read. The cues of a long flight
// make a file of many megabytes, yet the first one lies in its first few
// hundred bytes.
inline constexpr size_t kMaxSrtBytes = 1024 * 1024;

// The first date and time in text, "yyyy-mm-dd hh:mm:ss" or with "." in
// the date (the same separator twice; a fraction behind the seconds is not
// looked at), that is a real date, as a local wall-clock time; nothing when
// none is in the first kMaxSrtBytes. The cue timings ("00:00:00,000 -->")
// are no dates.
std::optional<StatedDate> ReadSrtDate(std::string_view text);
