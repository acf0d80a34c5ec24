#!/usr/bin/env bash
# Installs what is missing, builds everything twice (g++ release and clang with
# AddressSanitizer + UndefinedBehaviorSanitizer, warnings as errors in both) and runs the whole
# suite: every test under a private X server in the release build, the headless suites again
# under the sanitizers, then each libFuzzer target for a minute from the committed corpus.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
"$root/scripts/deps.sh"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTENANTRY_WERROR=ON >/dev/null
cmake --build "$root/build" -j"$jobs"
cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTENANTRY_SANITIZE=ON \
  -DTENANTRY_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$root/build-sanitize" -j"$jobs"

status=0
echo "== headless suites under AddressSanitizer + UndefinedBehaviorSanitizer =="
(cd "$root/build-sanitize" && ctest -j2 --output-on-failure -L 'unit|scenario|soak|fuzz') || status=1
echo "== full suite (release build, virtual X server) =="
(cd "$root/build" && "$root/scripts/with-xvfb.sh" ctest -j2 --output-on-failure) || status=1
echo "== coverage-guided fuzzing (clang sanitizer build) =="
"$root/scripts/fuzz.sh" "${TENANTRY_FUZZ_SECONDS:-60}" || status=1
exit $status
