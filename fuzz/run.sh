#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer and
# runs each for a bounded time on a copy of its seed corpus. Any crash, leak, sanitizer report
# or hang fails the run, and so does an input that makes a target use more than 1.5 GB: a document
# is read in well under a gigabyte whatever its bytes, and the sanitizers add their share.
# QM_FUZZ_SECONDS sets the time per target (a minute each), QM_FUZZ_JOBS how many run at once (one
# per core: six targets take three minutes of the CI run on two cores), QM_FUZZ_BUILD the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${QM_FUZZ_BUILD:-build-fuzz}
seconds=${QM_FUZZ_SECONDS:-60}
targets=(document libraryitem picture metafile sealjson settings)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLMARK_FUZZ=ON -DQUILLMARK_SANITIZE=ON -DQUILLMARK_BENCH=OFF \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link ${CXXFLAGS:-}" >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

jobs=${QM_FUZZ_JOBS:-$(nproc)}

# One target on a copy of its seeds; its log stays in $work for the report.
fuzz_one() {
  local t=$1
  mkdir -p "$work/$t"
  # Inputs up to 64 KiB: documents of several seals with their pictures, not only one record.
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=1536 -max_len=65536 \
    -artifact_prefix="$work/$t-" -print_final_stats=1 "$work/$t" "fuzz/corpus/$t" 2>"$work/$t.log"
}

failed=()
for ((i = 0; i < ${#targets[@]}; i += jobs)); do
  batch=("${targets[@]:i:jobs}")
  pids=()
  for t in "${batch[@]}"; do
    echo "fuzz_$t: ${seconds}s"
    fuzz_one "$t" &
    pids+=($!)
  done
  for k in "${!batch[@]}"; do
    t=${batch[$k]}
    if wait "${pids[$k]}"; then
      grep -E '^stat::number_of_executed_units|^Done' "$work/$t.log" || true
    else
      tail -n 60 "$work/$t.log"
      echo "fuzz_$t failed" >&2
      failed+=("$t")
    fi
  done
done
[ ${#failed[@]} -eq 0 ]
