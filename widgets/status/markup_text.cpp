#include "widgets/status/markup_text.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "framework/text/draw_text.h"
#include "framework/text/text.h"

namespace bitcalc::widgets {

namespace {

struct Entity {
  std::string_view name;
  std::string_view replacement;
};

constexpr std::array<Entity, 9> kEntities = {{
    {"&amp;", "&&"},
    {"&quot;", "\""},
    {"&sect;", "\xA7"},
    {"&permil;", "\x89"},
    {"&reg;", "\xAE"},
    {"&copy;", "\xA9"},
    {"&para;", "\xB6"},
    {"&trade;", "\x99"},
    {"&euro;", "\x80"},
}};

char Upper(char c) {
  return char(std::toupper(static_cast<unsigned char>(c)));
}

bool EndsWithNoCase(const std::string& text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         StartsWithNoCase(std::string_view(text).substr(text.size() - suffix.size()), suffix);
}

// Replacing one entity at a time until none is left ends in the same text
// whatever the order, since two entities never overlap. Built left to right,
// the output never holds a finished entity, so a new one can only end at a
// ';' just added; none of the replacements ends in ';', so one look back is
// enough.
std::string ReplaceEntities(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c != ';') continue;
    for (const Entity& e : kEntities) {
      if (!EndsWithNoCase(out, e.name)) continue;
      out.resize(out.size() - e.name.size());
      out += e.replacement;
      break;
    }
  }
  return out;
}

void OpenHashTag(std::string& text) {
  const std::size_t open = text.find("<#");
  if (open == std::string::npos) return;
  const std::size_t close = text.find('>', open + 2);
  if (close != std::string::npos) text.erase(close, 1);
  text.erase(open, 1);
}

void ReplaceAll(std::string& text, std::string_view what, char with) {
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, from)) {
    out.append(text, from, at - from);
    out += with;
    from = at + what.size();
  }
  out.append(text, from);
  text = std::move(out);
}

int DigitValue(char c, int base) {
  const char u = Upper(c);
  if (u >= '0' && u <= '9') return u - '0';
  if (base == 16 && u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

}  // namespace

std::string PrepareMarkup(const std::string& text) {
  std::string s = text.find('&') == std::string::npos ? text : ReplaceEntities(text);
  OpenHashTag(s);
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == '\r')
      out += "<BR>";
    else if (c != '\n')
      out += c;
  }
  return out;
}

std::string ShowChunk(std::string_view chunk) {
  std::string s(chunk);
  if (s.find('&') == std::string::npos) return s;
  ReplaceAll(s, "&nbsp;", ' ');
  ReplaceAll(s, "&lt;", '<');
  ReplaceAll(s, "&gt;", '>');
  return s;
}

bool ShownLiterally(const std::string& prepared) {
  return prepared.find(" & ") != std::string::npos;
}

QString MarkupPlainText(const std::string& text) {
  const std::string markup = PrepareMarkup(text);
  const bool literal = ShownLiterally(markup);
  QString plain;
  bool hidden = false;
  for (std::size_t pos = 0; pos < markup.size();) {
    if (markup[pos] == '<') {
      const std::size_t close = markup.find('>', pos);
      const std::size_t end = close == std::string::npos ? markup.size() : close + 1;
      const TMarkupTag tag(std::string_view(markup).substr(pos, end - pos));
      if (tag.StartsWith("<BR"))
        plain += u'\n';
      else if (tag.StartsWith("<Z"))
        hidden = true;
      else if (tag.StartsWith("</Z"))
        hidden = false;
      pos = end;
      continue;
    }
    const std::size_t end = std::min(markup.find('<', pos), markup.size());
    if (!hidden) {
      const QString shown =
          framework::FromCp1250(ShowChunk(std::string_view(markup).substr(pos, end - pos)));
      plain += literal ? shown : framework::StripPrefixes(shown);
    }
    pos = end;
  }
  return plain;
}

long long ReadMarkupNumber(std::string_view text, bool* complete) {
  int base = 10;
  std::size_t i = 0;
  if (!text.empty() && (text[0] == '$' || Upper(text[0]) == 'X')) {
    base = 16;
    i = 1;
  }
  const std::size_t first = i;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const int d = DigitValue(text[i], base);
    if (d < 0) break;
    value = std::min(value * base + d, kMaxMarkupNumber);
  }
  if (complete) *complete = i > first && i == text.size();
  return value;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (Upper(text[i]) != Upper(prefix[i])) return false;
  return true;
}

TMarkupTag::TMarkupTag(std::string_view raw) : raw_(raw), upper_(raw) {
  for (char& c : upper_) c = Upper(c);
}

char TMarkupTag::Letter(std::size_t index) const {
  return index < upper_.size() ? upper_[index] : '\0';
}

bool TMarkupTag::StartsWith(std::string_view upperPrefix) const {
  return std::string_view(upper_).substr(0, upperPrefix.size()) == upperPrefix;
}

bool TMarkupTag::Has(std::string_view upperName) const {
  return upper_.find(upperName) != std::string::npos;
}

std::string TMarkupTag::Value(std::string_view upperName, bool upperCased) const {
  const std::size_t name = upper_.find(upperName);
  if (name == std::string::npos) return {};
  const std::size_t open = upper_.find('"', name + upperName.size());
  if (open == std::string::npos) return {};
  const std::size_t close = upper_.find('"', open + 1);
  if (close == std::string::npos) return {};
  const std::string_view source = upperCased ? std::string_view(upper_) : raw_;
  return std::string(source.substr(open + 1, close - open - 1));
}

std::string TMarkupTag::FirstQuoted() const {
  const std::size_t open = raw_.find('"');
  if (open == std::string_view::npos) return {};
  const std::size_t close = raw_.find('"', open + 1);
  if (close == std::string_view::npos) return {};
  return std::string(raw_.substr(open + 1, close - open - 1));
}

std::size_t TMarkupScanner::Next(char c, std::size_t from) {
  Found& f = found_[c == '<' ? 0 : c == ' ' ? 1 : 2];
  // A remembered answer holds for any start between where that search began
  // and what it found.
  if (!f.valid || from < f.from || from > f.at) f = {from, text_.find(c, from), true};
  return f.at;
}

}  // namespace bitcalc::widgets
