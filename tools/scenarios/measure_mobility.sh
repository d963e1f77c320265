#!/usr/bin/env bash
# Runs each shipped scenario for 60,000 steps at its own temperature and
# prints, per 5,000-step window, the share of each material's atoms that
# moved more than half a bond length against their neighbours. A file passes
# when in every window after the first at least 80 % of each liquid's and
# gas's atoms moved and at most 5 % of each solid's.
# Usage: tools/scenarios/measure_mobility.sh [build/bin/pavex-run] [STEPS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
run=${1:-$top/build/bin/pavex-run}
steps=${2:-60000}
window=5000
status=0
while read -r name phases; do
  table=$("$run" "$top/app/resources/$name" --steps "$steps" --every "$steps" \
    --mobility "$window" 2>/dev/null | sed -n '/^mobile share/,$p')
  echo "== $name ($phases)"
  echo "$table" | tail -n +2
  verdict=$(echo "$table" | awk -v phases="$phases" '
    NR > 2 && $1 > 0 {
      n = split(phases, phase, ",")
      for (t = 1; t <= n; ++t) {
        share = $(t + 2)
        if (phase[t] == "solid" && share > 0.05) bad = 1
        if (phase[t] != "solid" && share < 0.80) bad = 1
      }
      windows++
    }
    END { print (windows > 0 && !bad) ? "PASS" : "FAIL" }')
  echo "$verdict $name"
  [ "$verdict" = PASS ] || status=1
done <<'FILES'
solid.ams solid
liquid.ams liquid
gas.ams gas
gas-gas.ams gas,gas
liquid-gas.ams liquid,gas
solid-liquid.ams solid,liquid
solid-gas.ams solid,gas
FILES
exit $status
