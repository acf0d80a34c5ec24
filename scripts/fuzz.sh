#!/usr/bin/env bash
# Runs the two libFuzzer targets of the clang sanitizer build for SECONDS each (default 600),
# starting from the committed corpus. New inputs go to build-sanitize/fuzz/<target>/ (never the
# committed corpus); a crash, hang or broken check stops the run, names its reproducer and fails.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-600}"
build="${TENANTRY_FUZZ_BUILD:-$root/build-sanitize}"  # another clang sanitizer build may be named
status=0
for target in slot_fuzz play_fuzz; do
  binary="$build/tests/fuzz/$target"
  [ -x "$binary" ] || { echo "$binary is missing: build the clang sanitizer configuration first"; exit 1; }
  work="$build/fuzz/$target"
  mkdir -p "$work/corpus" "$work/found"
  max_len=8192
  [ "$target" = slot_fuzz ] && max_len=5399
  echo "== $target for ${seconds} s =="
  if ! "$binary" -max_total_time="$seconds" -max_len="$max_len" -timeout=20 -print_final_stats=1 \
    -dict="$root/tests/fuzz/$target.dict" -artifact_prefix="$work/found/" \
    "$work/corpus" "$root/tests/fuzz/corpus/$target" >"$work/log" 2>&1; then
    grep -E "fuzz fault|ERROR|SUMMARY|Test unit written|Reproduce" "$work/log" || tail -n 30 "$work/log"
    echo "$target FAILED; reproducer: $(ls -t "$work/found/" | head -n 1 | sed "s|^|$work/found/|")"
    echo "(replay it with $build/tests/fuzz/${target}_replay FILE; once mended, add it to tests/fuzz/corpus/$target)"
    status=1
    continue
  fi
  grep -E "^#[0-9]+ +DONE|stat::number_of_executed_units|stat::new_units_added" "$work/log" || true
done
exit $status
