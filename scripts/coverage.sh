#!/usr/bin/env bash
# Builds everything with line coverage in build-coverage/ (Debug, unoptimised),
# runs every test through CTest and prints the line coverage of the program's
# own code per folder, then the total. The full per-file report is written to
# build-coverage/coverage.txt. Fails if a test fails, after printing the figures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-coverage"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBITCALC_COVERAGE=ON \
  -DBITCALC_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
find "$build" -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --parallel "$(nproc)" >"$build/ctest.log" 2>&1 &&
  tests=0 || tests=$?
tail -n 3 "$build/ctest.log"

# Headers reach the compiler through each layer's include root in the build
# folder (links into the tree); gcovr is pointed at the real files.
gcovr --root "$root" --object-directory "$build" --json "$build/coverage.json" \
  --gcov-ignore-parse-errors >/dev/null
python3 - "$root" "$build" <<'PY'
import json, os, re, sys
from collections import defaultdict
root, build = sys.argv[1], sys.argv[2]
own = re.compile(r"^(app|bc16|codepage|core|framework/\w+|main_window|resources|tools|widgets/\w+)/")
hits = defaultdict(dict)  # file -> line -> covered, merged over the paths it was seen by
for f in json.load(open(os.path.join(build, "coverage.json")))["files"]:
    real = os.path.relpath(os.path.realpath(os.path.join(root, f["file"])), root)
    if not own.match(real):
        continue
    for line in f["lines"]:
        if not line.get("gcovr/noncode"):
            n = line["line_number"]
            hits[real][n] = hits[real].get(n, False) or line["count"] > 0
folders = defaultdict(lambda: [0, 0])
with open(os.path.join(build, "coverage.txt"), "w") as out:
    for path in sorted(hits):
        covered, total = sum(hits[path].values()), len(hits[path])
        out.write(f"{path:60} {covered:5}/{total:5}  {100 * covered / max(total, 1):5.1f} %\n")
        folder = own.match(path).group(1)
        folders[folder][0] += covered
        folders[folder][1] += total
print(f"{'folder':24} {'lines':>13}  covered")
for folder, (covered, total) in sorted(folders.items()):
    print(f"{folder:24} {covered:6}/{total:6}  {100 * covered / total:5.1f} %")
covered, total = (sum(v[i] for v in folders.values()) for i in (0, 1))
print(f"{'all':24} {covered:6}/{total:6}  {100 * covered / total:5.1f} %")
PY
echo "per file: $build/coverage.txt"
exit "$tests"
