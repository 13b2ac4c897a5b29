#!/usr/bin/env bash
# Times the command-line calculator against its floors:
# - one evaluation, from exec to exit, against /bin/true: medians over RUNS
#   interleaved starts of each (default 400), and their difference;
# - "-o hex -f -" over 1,000,000 lines of standard input, against cat of the
#   same lines: the median of three runs of each.
#   bench/cli.sh [PROGRAM]      default build/bc16/bc16, built first
# Figures swing on a busy machine; the limits printed are the ones the
# command is held to (difference at most 1 ms, batch at most 1 s).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-}"
if [ -z "$program" ]; then
  bash "$root/scripts/build.sh" bc16 >/dev/null
  program="${BITCALC_BUILD_DIR:-$root/build}/bc16/bc16"
fi

RUNS="${RUNS:-400}" python3 - "$program" <<'PY'
import os, random, statistics, sys, tempfile, time

program = sys.argv[1]
runs = int(os.environ["RUNS"])

def start_to_exit(argv, stdin=None, stdout=None):
    """Wall time of one run, spawn to reaped exit, in seconds."""
    actions = []
    if stdin is not None:
        actions.append((os.POSIX_SPAWN_DUP2, stdin, 0))
    actions.append((os.POSIX_SPAWN_DUP2, stdout, 1))
    begin = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=actions)
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter() - begin
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv} failed")
    return elapsed

null = os.open(os.devnull, os.O_WRONLY)
one = [program, "-o", "hex", "0x1234", "add", "7"]
floor = ["/bin/true"]
times = {"bc16": [], "true": []}
for _ in range(3):  # warm the page cache
    start_to_exit(one, stdout=null), start_to_exit(floor, stdout=null)
for i in range(runs):
    pair = [("bc16", one), ("true", floor)]
    if i % 2:
        pair.reverse()
    for name, argv in pair:
        times[name].append(start_to_exit(argv, stdout=null))
ms = {k: statistics.median(v) * 1000 for k, v in times.items()}
print(f"one evaluation, exec to exit: median {ms['bc16']:.3f} ms, /bin/true {ms['true']:.3f} ms, "
      f"difference {ms['bc16'] - ms['true']:+.3f} ms (limit +1 ms, {runs} interleaved runs each)")

rng = random.Random(19)
ops = ["div", "mod", "sub", "add", "xor", "or", "and", "/", "%", "-", "+", "^", "|", "&"]
with tempfile.NamedTemporaryFile("w", suffix=".txt") as lines:
    for _ in range(1_000_000):
        lines.write(f"{rng.randrange(65536)} {rng.choice(ops)} 0x{rng.randrange(65536):x}\n")
    lines.flush()
    def batch(argv):
        best = []
        for _ in range(3):
            with open(lines.name, "rb") as f:
                best.append(start_to_exit(argv, stdin=f.fileno(), stdout=null))
        return statistics.median(best)
    cat = batch(["/bin/cat"])
    run = batch([program, "-o", "hex", "-f", "-"])
print(f"-o hex -f - over 1,000,000 lines: median {run:.3f} s, cat of the same lines {cat:.3f} s "
      f"(limit 1 s)")
PY
