#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bitcalc::bc16 {

// Lines of a stream, read in large blocks. A line ends at "\n" (a "\r" before
// it is dropped too); the last line needs no end. A line is kept to its first
// `kLongest` bytes, so that input without line ends cannot exhaust memory;
// `Cut()` tells that the rest was skipped.
class TLineReader {
 public:
  static constexpr std::size_t kLongest = 1024;

  explicit TLineReader(std::FILE* in);

  // The next line, valid until the next call; none at the end of the input or
  // when reading failed (see `Failed()`).
  std::optional<std::string_view> Next();

  bool Cut() const { return cut_; }
  bool Failed() const { return failed_; }
  // The errno of the failed read.
  int Error() const { return error_; }

 private:
  bool Refill();
  void Keep(std::string_view piece);
  std::string_view Finish(std::string_view line);

  std::FILE* in_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  // A line that spans two blocks is gathered here.
  std::string partial_;
  bool cut_ = false;
  bool failed_ = false;
  int error_ = 0;
};

}  // namespace bitcalc::bc16
