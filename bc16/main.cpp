#include <cstdio>
#include <span>

#include "bc16/run.h"

int main(int argc, char** argv) {
  // A program may be started with no arguments at all, not even its name.
  const std::span<const char* const> args =
      argc > 0 ? std::span<const char* const>(argv + 1, argc - 1) : std::span<const char* const>();
  return bitcalc::bc16::Run(args, stdin, stdout, stderr);
}
