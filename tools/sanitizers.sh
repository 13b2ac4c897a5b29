# shellcheck shell=bash
# Sourced by the scripts that build or run with AddressSanitizer and
# UndefinedBehaviorSanitizer: the options every such run uses, and the
# sanitizer build of the tests and the program in build-asan.
#   asan_build [targets...]    configures build-asan once and builds
root="${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
asan="$root/build-asan"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"

asan_build() {
  cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBITCALC_SANITIZE=ON \
    -DBITCALC_BENCH=OFF >/dev/null
  cmake --build "$asan" --parallel "$(nproc)" ${1:+--target "$@"}
}
