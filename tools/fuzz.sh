#!/usr/bin/env bash
# fuzz.sh [SECONDS]: builds the libFuzzer targets in fuzz/ with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build/fuzz, and runs each for SECONDS (default 8). The corpus grows in
# build/fuzz/corpus-*, seeded from fuzz/corpus/. Exits non-zero when a target fails to build or finds a
# crash; the input that crashed is left in build/fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-8}
out="$root/build/fuzz"
mkdir -p "$out"

flags=(-std=c++17 -O1 -g -fno-omit-frame-pointer -I "$root"
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
readers=("$root/cli/RecordText.cpp" "$root/cli/SparseImage.cpp")

declare -A sources=(
  [ihex]="$root/fuzz/IntelHexFuzz.cpp $root/cli/IntelHex.cpp ${readers[*]}"
  [srec]="$root/fuzz/SRecordFuzz.cpp $root/cli/SRecord.cpp ${readers[*]}"
  [hexaddress]="$root/fuzz/HexAddressFuzz.cpp $root/engine/HexAddress.cpp"
)

for target in ihex srec hexaddress; do
  # shellcheck disable=SC2086
  clang++ "${flags[@]}" ${sources[$target]} -o "$out/fuzz-$target"
done

for target in ihex srec hexaddress; do
  corpus="$out/corpus-$target"
  mkdir -p "$corpus"
  echo "== fuzz $target for ${seconds}s"
  (cd "$out" && "./fuzz-$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
     "$corpus" "$root/fuzz/corpus/$target" 2>"$out/fuzz-$target.log") || {
    tail -40 "$out/fuzz-$target.log"
    echo "fuzz: $target failed; see $out/fuzz-$target.log" >&2
    exit 1
  }
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$out/fuzz-$target.log" | tr '\n' ' '
  echo
done
