#!/usr/bin/env bash
# Runs the benchmarks of an optimised build and compares opening and saving a
# library file with a peer: Python's zipfile and xml.etree reading the same
# file. The goal is that our open and our save each take under a third of
# the peer's read time.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build-release}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build_dir" --target tolmvesk_benchmarks -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TOLMVESK_BENCH_LIBRARY="$work/library.tvlib"

"$build_dir/bench/tolmvesk_benchmarks" --benchmark_out="$work/results.json" --benchmark_out_format=json
peer_ms=$(python3 bench/peer_read_library.py "$TOLMVESK_BENCH_LIBRARY")

python3 - "$work/results.json" "$peer_ms" <<'PY'
import json, sys
results = {b["name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
peer = float(sys.argv[2])
print("\nPeer read (Python zipfile + xml.etree): %.2f ms" % peer)
for name in ("openLibraryFile", "saveLibraryFile"):
    ours = results[name]["real_time"]
    verdict = "meets" if ours * 3 < peer else "misses"
    print("%-16s %8.2f ms  = %.2f of the peer's read (%s the goal of < 0.33)" % (name, ours, ours / peer, verdict))
PY
