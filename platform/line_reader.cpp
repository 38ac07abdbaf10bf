#include "platform/line_reader.h"

#include <algorithm>
#include <utility>

std::optional<LineReader> LineReader::Open(const std::string& path, uint64_t maxBytes) {
  std::optional<ReadOnlyFile> file = ReadOnlyFile::Open(path);
  if (!file || *file->Size() > maxBytes) return std::nullopt;
  return LineReader(std::move(*file));
}

LineReader::Next LineReader::Read(std::string_view& line) {
  for (;;) {
    const std::string_view held = std::string_view(window_).substr(begin_, end_ - begin_);
    if (const size_t newline = held.find('\n'); newline != std::string_view::npos) {
      begin_ += newline + 1;
      if (std::exchange(passingOver_, false)) continue;
      line = held.substr(0, newline);
      return Next::Line;
    }
    if (atEnd_) return Next::End;
    // The start of a line goes to the front, so the window holds all of it.
    std::copy(window_.begin() + static_cast<ptrdiff_t>(begin_),
              window_.begin() + static_cast<ptrdiff_t>(end_), window_.begin());
    end_ -= begin_;
    begin_ = 0;
    if (end_ == window_.size()) {
      passingOver_ = true;
      end_ = 0;
    }
    const std::optional<size_t> read = file_.Read(window_.data() + end_, window_.size() - end_);
    if (!read) return Next::Error;
    atEnd_ = *read == 0;
    end_ += *read;
  }
}
