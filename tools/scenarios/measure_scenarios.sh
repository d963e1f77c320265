#!/usr/bin/env bash
# Prints the phase summary of each shipped scenario after 10,000 steps, plain
# and with the time-of-day control's extremes applied at step 2000.
# Usage: tools/scenarios/measure_scenarios.sh [build/bin/pavex-run]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
run=${1:-$top/build/bin/pavex-run}
for name in solid liquid gas gas-gas liquid-gas solid-liquid solid-gas; do
  for kick in "" "--kick 2000:317" "--kick 2000:255"; do
    echo "== $name.ams ${kick:-(no kick)}"
    # shellcheck disable=SC2086
    "$run" "$top/app/resources/$name.ams" --steps 10000 --every 10000 $kick 2>/dev/null |
      sed -n '/^type/,$p'
  done
done
