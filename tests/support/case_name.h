#pragma once

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

// Names for the cases of parameterised suites, so that `ctest -N` and a
// failure say which case it is. Letters and digits stay, a few signs become
// words and any other byte its hex code: "$1F" is "Dollar1F", "" is "Empty".
inline std::string CaseName(std::string_view text) {
  if (text.empty()) return "Empty";
  std::string name;
  for (const char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      name += ch;
      continue;
    }
    switch (c) {
      case ' ':
        name += "Space";
        break;
      case '+':
        name += "Plus";
        break;
      case '-':
        name += "Minus";
        break;
      case '$':
        name += "Dollar";
        break;
      case '.':
        name += "Dot";
        break;
      case ',':
        name += "Comma";
        break;
      default: {
        char hex[4];
        std::snprintf(hex, sizeof hex, "X%02X", c);
        name += hex;
      }
    }
  }
  return name;
}

// A number in its shortest exact form, named as above: -7.9 is "Minus7Dot9".
inline std::string CaseName(long double value) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value);
  return CaseName(std::string_view(buf, std::size_t(result.ptr - buf)));
}
