#pragma once

#include <cstdio>
#include <span>

namespace bitcalc::bc16 {

// The exit statuses.
inline constexpr int kSuccess = 0;
inline constexpr int kUsageError = 2;

// The whole command: reads the arguments after the program's name, evaluates
// and prints, and returns the exit status. Standard input is read only for
// "-f -".
int Run(std::span<const char* const> args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace bitcalc::bc16
