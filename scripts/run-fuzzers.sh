#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang 14 in their own
# configuration and runs each for a bounded time on a copy of its corpus, so
# that the seeds in the repository stay as they are. Fails when any target
# finds a crash, a leak, a time-out or a broken invariant.
#
#   FUZZ_SECONDS   seconds per target (default 30)
#   FUZZ_BUILD_DIR build folder (default build-fuzz)
#   FUZZ_TARGETS   names to run, space-separated (default: every target built)
#   JOBS           parallel build jobs (default: nproc)
set -euo pipefail

cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-30}
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
jobs=${JOBS:-$(nproc)}

bash scripts/install-deps.sh clang-14 libclang-rt-14-dev

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build_dir" -DTOLMVESK_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --target tolmvesk_fuzzers -j "$jobs"

read -r -a targets <<<"${FUZZ_TARGETS:-$(tr ';' ' ' <"$build_dir/fuzz-targets.txt")}"

failed=()
for target in "${targets[@]}"; do
    fuzzer="$build_dir/tests/fuzz/fuzz_$target"
    work="$build_dir/fuzz-runs/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    if [[ -d "tests/fuzz/corpus/$target" ]]; then
        cp tests/fuzz/corpus/"$target"/* "$work/corpus/" 2>/dev/null || true
    fi

    echo "== fuzz_$target for ${seconds}s"
    if ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} "$fuzzer" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log.txt" 2>&1; then
        tail -n 12 "$work/log.txt" | grep -E '^(stat::number_of_executed_units|#[0-9]+.*DONE)' || true
    else
        echo "fuzz_$target FAILED; log: $work/log.txt, inputs: $work/artifacts/"
        grep -E 'ERROR|SUMMARY|==[0-9]+==' "$work/log.txt" | head -n 5 || true
        failed+=("$target")
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Fuzz targets that failed: ${failed[*]}"
    exit 1
fi
echo "All fuzz targets ran ${seconds}s without a finding."
