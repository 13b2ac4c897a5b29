#include "bc16/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using bitcalc::bc16::TLineReader;

// Every line the reader gives for the text, with "~" appended to a cut one.
std::vector<std::string> ReadAll(std::string text) {
  // fmemopen refuses an empty buffer.
  std::FILE* in = text.empty() ? std::fopen("/dev/null", "rb")
                               : fmemopen(text.data(), text.size(), "rb");
  TLineReader reader(in);
  std::vector<std::string> lines;
  while (const auto line = reader.Next())
    lines.push_back(std::string(*line) + (reader.Cut() ? "~" : ""));
  EXPECT_FALSE(reader.Failed());
  std::fclose(in);
  return lines;
}

TEST(LineReader, LineEndsBlocksAndTheLengthLimit) {
  constexpr std::size_t kBlock = 1 << 16;  // the reader's block
  const std::string limit(TLineReader::kLongest, 'x');
  const std::string cutP = std::string(TLineReader::kLongest, 'p') + "~";
  const std::string cutZ = std::string(TLineReader::kLongest, 'z') + "~";
  struct TCase {
    std::string Text;
    std::vector<std::string> Lines;
  };
  const TCase cases[] = {
      {"", {}},
      {"\n", {""}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\n", {"a\rb"}},
      {limit + "\n" + limit + "y\n", {limit, limit + "~"}},
      {limit + "\r\n", {limit}},
      // "straddles" starts three bytes before the first block ends.
      {std::string(kBlock - 4, 'p') + "\nstraddles\nafter", {cutP, "straddles", "after"}},
      // A line longer than whole blocks is cut, and the next one is found.
      {std::string(3 * kBlock, 'z') + "\n1 add 1\n", {cutZ, "1 add 1"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text.substr(0, 20));
    EXPECT_EQ(ReadAll(c.Text), c.Lines);
  }
}

}  // namespace
