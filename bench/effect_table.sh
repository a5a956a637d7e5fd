#!/usr/bin/env bash
# Runs fxbench and prints, for every drawn style, the time to compose one frame at 1920 x 1080
# and 3840 x 2160 and its ratio to a plain memcpy of one frame measured in the same run.
# Times are the median processor time of the repetitions. Styles 1 to 59 are marked when they
# miss their goal: 6 times the copy at 1920 x 1080, 3 times at 3840 x 2160.
#
# usage: bench/effect_table.sh [path/to/fxbench] [more Google Benchmark options]
set -euo pipefail
fxbench=${1:-build/bin/fxbench}
shift || true
[ -x "$fxbench" ] || { echo "effect_table.sh: no fxbench at $fxbench (build target fxbench)" >&2; exit 1; }

"$fxbench" --benchmark_format=csv --benchmark_repetitions="${REPETITIONS:-3}" \
  --benchmark_report_aggregates_only=true --benchmark_min_time="${MIN_TIME:-0.2}" "$@" 2>/dev/null |
awk -F, '
  NR == 1 { next }
  {
    name = $1; gsub(/"/, "", name)
    if (name !~ /_median$/) next
    sub(/_median$/, "", name)
    split(name, part, "/")
    label = $8; gsub(/"/, "", label)
    if (part[1] == "BM_Memcpy") { base[part[2]] = $4; next }
    time[part[2], part[3]] = $4
    title[part[2]] = label
    if (!(part[2] in seen)) { seen[part[2]] = 1; order[++count] = part[2] }
  }
  END {
    printf "memcpy of one frame: %.3f ms at 1920 x 1080, %.3f ms at 3840 x 2160\n\n", base[1920], base[3840]
    printf "| style | name | 1920 ms | ratio | 3840 ms | ratio | goal |\n"
    printf "|---:|---|---:|---:|---:|---:|---|\n"
    for (i = 1; i <= count; ++i) {
      s = order[i]
      r1 = time[s, 1920] / base[1920]
      r2 = time[s, 3840] / base[3840]
      goal = ""
      if (s + 0 <= 59) goal = (r1 <= 6 && r2 <= 3) ? "met" : "missed"
      printf "| %d | %s | %.3f | %.2f | %.3f | %.2f | %s |\n", s, title[s], time[s, 1920], r1, time[s, 3840], r2, goal
    }
  }'
