#!/usr/bin/env bash
# cli_benchmark.sh [TOBRIN_SUM [FILE]]: times tobrin-sum on FILE (default the 256 MiB file of random
# bytes that pass_benchmark uses, made here if missing) for each layout, against `cat FILE > /dev/null`
# and against srec_cat computing the same per-device sums, and checks that the sums agree.
# tobrin-sum and cat: best of 5 runs; srec_cat: one run per device (it takes seconds each). Not a test.
#
# srec_cat's formulation of one device's sum: take the device's lane of the bus (-split BUS OFFSET
# WIDTH keeps WIDTH bytes at OFFSET of every BUS bytes, packed; none for one device), add up its bytes into a 4-byte
# little-endian sum placed at FFFFFFF0 (-checksum-pos-l-e), keep only those 4 bytes and print them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tobrin=${1:-$root/build/native/cli/tobrin-sum}
file=${2:-/tmp/tobrin-bench-256MiB.bin}
repeats=5

if [ ! -f "$file" ]; then
  echo "making $file" >&2
  head -c $((256 << 20)) /dev/urandom >"$file"
fi
size=$(stat -c %s "$file")
cat "$file" >/dev/null  # into the page cache

now() { date +%s.%N; }
# best_of N COMMAND...: the shortest wall time of N runs, in seconds.
best_of() {
  local n=$1 best=
  shift
  for _ in $(seq "$n"); do
    local t0 t1
    t0=$(now); "$@" >/dev/null; t1=$(now)
    best=$(awk -v a="$t0" -v b="$t1" -v best="$best" 'BEGIN { d = b - a; print (best == "" || d < best) ? d : best }')
  done
  echo "$best"
}
mbps() { awk -v s="$size" -v t="$1" 'BEGIN { printf "%.0f", s / t / 1e6 }'; }

cat_time=$(best_of $repeats cat "$file")
printf 'file %s, %d bytes\n\n' "$file" "$size"
printf '| | tobrin-sum MB/s | of `cat` | srec_cat s (all devices) | srec_cat MB/s | sums agree |\n'
printf '|---|---:|---:|---:|---:|---|\n'
printf '| `cat file > /dev/null` | %s | | | | |\n' "$(mbps "$cat_time")"

# layout bus-bytes lane-width devices
for row in "8bit-1 1 1 1" "8bit-2 2 1 2" "8bit-4 4 1 4" "16bit-1 1 1 1" "16bit-2 4 2 2" "16bit-4 8 2 4"; do
  read -r layout bus width devices <<<"$row"
  t=$(best_of $repeats "$tobrin" --layout "$layout" "$file")
  ours=$("$tobrin" --layout "$layout" "$file" | sed -n 's/^  ROM[0-9]: //p' | tr '\n' ' ')

  theirs=""
  t0=$(now)
  for device in $(seq 0 $((devices - 1))); do
    lane=()
    [ "$bus" -gt 1 ] && lane=(-split "$bus" $((device * width)) "$width")
    sum=$(srec_cat "$file" -binary "${lane[@]}" \
            -checksum-pos-l-e 0xFFFFFFF0 4 -crop 0xFFFFFFF0 0xFFFFFFF4 -offset -0xFFFFFFF0 \
            -o - -binary | od -An -tx4 | tr -d ' \n' | tr a-f A-F)
    theirs+="$sum "
  done
  t1=$(now)
  srec_time=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')
  agree=$([ "$ours" = "$theirs" ] && echo yes || echo "NO: $ours / $theirs")
  printf '| %s | %s | %.0f %% | %.1f | %s | %s |\n' "$layout" "$(mbps "$t")" \
    "$(awk -v c="$cat_time" -v t="$t" 'BEGIN { print 100 * c / t }')" "$srec_time" "$(mbps "$srec_time")" "$agree"
done
