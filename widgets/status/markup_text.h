#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace bitcalc::widgets {

// The text side of the rich-text renderer: how markup is read, with no
// drawing involved. Texts are code page 1250 strings.

// The markup as the layout reads it: the entities &amp; &quot; &sect;
// &permil; &reg; &copy; &para; &trade; &euro; replaced in any letter case
// until none is left (so "&amp;quot;" ends as '&' and '"'; "&amp;" itself
// becomes "&&", which prefix processing shows as one '&'), the first "<#"
// opened up so that the name up to its '>' shows with the '#', every CR made
// a line break tag and every LF dropped. Linear in the length of the text.
std::string PrepareMarkup(const std::string& text);

// A run of text as it shows: "&nbsp;" a space, "&lt;" '<' and "&gt;" '>'.
std::string ShowChunk(std::string_view chunk);

// Whether prepared markup is shown literally, with no '&' prefixes: a lone
// '&' between spaces would otherwise hide and underline the space after it.
bool ShownLiterally(const std::string& prepared);

// What markup shows, as plain text to read out: the tags left out (a line
// break tag as a line break, hidden text dropped), entities and prefixes
// resolved as the layout resolves them.
QString MarkupPlainText(const std::string& text);

// Numbers in tags are read up to the first character that is not a digit:
// decimal, or hexadecimal after a leading '$' or 'x'. No digits read 0, and a
// number saturates at kMaxMarkupNumber, beyond any screen. complete tells
// whether the whole text was a number.
constexpr long long kMaxMarkupNumber = 1'000'000;
long long ReadMarkupNumber(std::string_view text, bool* complete = nullptr);

// Whether text starts with prefix, comparing ASCII letters in any case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// One tag, from its '<' up to and including its '>' (or to the end of the
// markup when it has none).
class TMarkupTag {
 public:
  explicit TMarkupTag(std::string_view raw);

  // The character at index, upper-cased; 0 past the end.
  char Letter(std::size_t index) const;
  bool StartsWith(std::string_view upperPrefix) const;
  bool Has(std::string_view upperName) const;
  // The text between the first two double quotes after the first place the
  // name occurs, taken from the upper-cased tag or as written; empty when the
  // name or either quote is missing.
  std::string Value(std::string_view upperName, bool upperCased) const;
  // The text between the tag's first two double quotes, as written.
  std::string FirstQuoted() const;

 private:
  std::string_view raw_;
  std::string upper_;
};

// Finds the next '<', ' ' or '>' of a text. Each answer is remembered, so a
// caller whose searches never move backwards reads the text once in all.
class TMarkupScanner {
 public:
  explicit TMarkupScanner(const std::string& text) : text_(text) {}
  // The first position at or after from holding c, or npos.
  std::size_t Next(char c, std::size_t from);

 private:
  struct Found {
    std::size_t from = 0;
    std::size_t at = std::string::npos;
    bool valid = false;
  };
  const std::string& text_;
  std::array<Found, 3> found_;
};

}  // namespace bitcalc::widgets
