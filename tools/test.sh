#!/usr/bin/env bash
# Sets the machine up, builds the release tree and runs the whole test suite, then builds and runs
# it again under AddressSanitizer with UndefinedBehaviorSanitizer, and under ThreadSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
bash "$root/tools/setup.sh"

echo "== release build"
bash "$root/tools/build.sh" build -DCMAKE_BUILD_TYPE=Release
ctest --test-dir "$root/build" --output-on-failure --parallel "$jobs"

echo "== address and undefined-behaviour sanitizers"
bash "$root/tools/build.sh" build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_SANITIZE=address,undefined -DVELMORA_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" \
    ctest --test-dir "$root/build-asan" --output-on-failure --parallel "$jobs"

echo "== thread sanitizer"
# The recursion and nesting scripts nest 10,000 calls and more: deeper than the thread sanitizer
# can record. The window tests let Qt's own threads be (tests/CMakeLists.txt says how).
bash "$root/tools/build.sh" build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE=thread \
    -DVELMORA_BENCH=OFF
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir "$root/build-tsan" --output-on-failure --parallel "$jobs" -E "recursion|nesting"
