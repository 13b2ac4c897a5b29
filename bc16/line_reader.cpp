#include "bc16/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace bitcalc::bc16 {

namespace {

constexpr std::size_t kBlock = 1 << 16;

}  // namespace

TLineReader::TLineReader(std::FILE* in) : in_(in), buffer_(kBlock) {}

bool TLineReader::Refill() {
  begin_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), in_);
  if (end_ == 0 && std::ferror(in_)) {
    failed_ = true;
    error_ = errno;
  }
  return end_ > 0;
}

void TLineReader::Keep(std::string_view piece) {
  const std::size_t room = kLongest + 1 - std::min(partial_.size(), kLongest + 1);
  if (piece.size() > room) cut_ = true;
  partial_.append(piece.substr(0, room));
}

std::string_view TLineReader::Finish(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > kLongest) {
    cut_ = true;
    line = line.substr(0, kLongest);
  }
  return line;
}

std::optional<std::string_view> TLineReader::Next() {
  partial_.clear();
  cut_ = false;
  bool started = false;
  while (true) {
    if (begin_ == end_ && !Refill()) {
      if (failed_ || !started) return std::nullopt;
      return Finish(partial_);
    }
    started = true;
    const char* from = buffer_.data() + begin_;
    const auto* newline = static_cast<const char*>(std::memchr(from, '\n', end_ - begin_));
    if (newline) {
      const std::string_view piece(from, std::size_t(newline - from));
      begin_ += piece.size() + 1;
      if (partial_.empty() && !cut_) return Finish(piece);
      Keep(piece);
      return Finish(partial_);
    }
    Keep(std::string_view(from, end_ - begin_));
    begin_ = end_;
  }
}

}  // namespace bitcalc::bc16
