#!/usr/bin/env bash
# Throughput of quorvane-cli against a plain copy.
#
# For each method, times `quorvane-cli encrypt` (and `decrypt`, except for Trashed) on a 1 GiB
# page-cached file against `dd bs=1M` copying the same input, in alternating pairs, and prints the
# median ratio of the two times and the peak memory of the CLI.
#
#   bench/cli_throughput.sh [path/to/quorvane-cli]
#
# Environment:
#   QUORVANE_CLI   the program (default: the argument, else build/src/cli/quorvane-cli)
#   BENCH_DIR      where the files go (default /dev/shm: a page-cache file system; the CLI flushes
#                  its output to the disk as the file layer requires, which a tmpfs makes free, so
#                  the copy and the CLI are compared on the work they both do. On a disk folder
#                  dd runs with conv=fsync so that both pay for the same flush.)
#   BENCH_MIB      size of the input in MiB (default 1024)
#   ROUNDS         pairs per measurement (default 5)
#   STRICT=1       exit with status 1 when a target is missed
#
# Targets: Quick, Secure, Maximum at most 1.25 x the copy's time in both directions, Trashed at
# most 2 x, peak memory under 16 MiB.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
cli="${QUORVANE_CLI:-${1:-$here/build/src/cli/quorvane-cli}}"
size_mib="${BENCH_MIB:-1024}"
rounds="${ROUNDS:-5}"
base="${BENCH_DIR:-/dev/shm}"

[ -x "$cli" ] || { echo "cli_throughput: no program at $cli (build it first)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "cli_throughput: needs /usr/bin/time (Debian package 'time')" >&2; exit 2; }

work="$(mktemp -d "$base/quorvane-bench-XXXXXX")"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"  # a private, empty profile: the defaults

dd_flags=()
if [ "$(stat -f -c %T "$work")" != "tmpfs" ]; then dd_flags=(conv=fsync); fi

printf 'benchmark\n' >"$work/pw"
src="$work/input.bin"
echo "cli_throughput: making a ${size_mib} MiB input in $work" >&2
head -c "$((size_mib * 1024 * 1024))" /dev/urandom >"$src"
cat "$src" >/dev/null  # into the page cache

now() { date +%s.%N; }

# Runs a command under /usr/bin/time; prints "seconds peak_kib". The output file named by $1 is
# removed first, outside the timing.
timed() {
  local out="$1"
  shift
  rm -f "$out"
  local t0 t1
  t0=$(now)
  /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>"$work/err" || {
    echo "cli_throughput: failed: $*" >&2
    cat "$work/err" >&2
    exit 1
  }
  t1=$(now)
  echo "$(echo "$t1 - $t0" | bc -l) $(tail -n 1 "$work/rss")"
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

status=0
printf '%-8s %-8s %9s %9s %7s %8s %10s  %s\n' method dir "dd s" "cli s" ratio target "peak MiB" verdict

# measure METHOD DIRECTION INPUT OUTPUT LIMIT -- CLI ARGS...
measure() {
  local method="$1" direction="$2" input="$3" output="$4" limit="$5"
  shift 6
  local ratios=() dds=() clis=() peak=0
  for ((i = 0; i < rounds; i++)); do
    local d c
    if ((i % 2 == 0)); then
      d=$(timed "$work/copy" dd if="$input" of="$work/copy" bs=1M "${dd_flags[@]}")
      c=$(timed "$output" "$@")
    else
      c=$(timed "$output" "$@")
      d=$(timed "$work/copy" dd if="$input" of="$work/copy" bs=1M "${dd_flags[@]}")
    fi
    local dt=${d% *} ct=${c% *} rss=${c#* }
    dds+=("$dt")
    clis+=("$ct")
    ratios+=("$(echo "$ct / $dt" | bc -l)")
    ((rss > peak)) && peak=$rss
  done
  rm -f "$work/copy"
  local ratio dd_med cli_med peak_mib verdict=ok
  ratio=$(printf '%s\n' "${ratios[@]}" | median)
  dd_med=$(printf '%s\n' "${dds[@]}" | median)
  cli_med=$(printf '%s\n' "${clis[@]}" | median)
  peak_mib=$(echo "$peak / 1024" | bc -l)
  if [ "$(echo "$ratio > $limit || $peak_mib >= 16" | bc -l)" = 1 ]; then
    verdict=MISSED
    status=1
  fi
  printf '%-8s %-8s %9.3f %9.3f %7.3f %7sx %10.1f  %s\n' "$method" "$direction" "$dd_med" \
    "$cli_med" "$ratio" "$limit" "$peak_mib" "$verdict"
}

for method in Quick Secure Maximum Trashed; do
  limit=1.25
  [ "$method" = Trashed ] && limit=2
  crypt="$work/input.crp"
  measure "$method" encrypt "$src" "$crypt" "$limit" -- \
    "$cli" encrypt -q --yes -m "$method" --password-file "$work/pw" -o "$crypt" "$src"
  [ "$method" = Trashed ] && { rm -f "$crypt"; continue; }
  cat "$crypt" >/dev/null
  plain="$work/plain.bin"
  measure "$method" decrypt "$crypt" "$plain" "$limit" -- \
    "$cli" decrypt -q --keep --password-file "$work/pw" -o "$plain" "$crypt"
  cmp -s "$src" "$plain" || { echo "cli_throughput: $method did not round-trip" >&2; exit 1; }
  rm -f "$crypt" "$plain"
done

[ "${STRICT:-0}" = 1 ] && exit "$status"
exit 0
