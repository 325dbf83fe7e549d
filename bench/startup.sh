#!/bin/bash
# Start-up benchmark: times `velmira --smoke` on the sample installation
# against a minimal Qt Widgets program in the same run, times the loading of
# every data file on its own, and reads the peak memory of the start-up.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-20}
install="$build/velmira"
minimal="$build/bench/velmira-bench-minimal"
loading="$build/bench/velmira-bench-loading"
for program in "$install/velmira" "$minimal" "$loading"; do
    [ -x "$program" ] || { echo "missing $program: build first" >&2; exit 1; }
done
export QT_QPA_PLATFORM=offscreen

# Mean wall time in milliseconds of RUNS runs of a command, run from the installation.
mean_ms() {
    local start end
    (cd "$install" && "$@" >/dev/null 2>&1) # warm the caches
    start=$(date +%s%N)
    for _ in $(seq "$runs"); do
        (cd "$install" && "$@" >/dev/null 2>&1)
    done
    end=$(date +%s%N)
    echo $(( (end - start) / runs / 1000000 ))
}

velmira_ms=$(mean_ms ./velmira --smoke)
minimal_ms=$(mean_ms "$minimal")
peak_kb=$(cd "$install" && /usr/bin/time -f %M ./velmira --smoke 2>&1 >/dev/null | tail -1)
loading=$(cd "$install" && "$loading" "$runs")

echo "velmira --smoke:   ${velmira_ms} ms (mean of $runs)"
echo "minimal Qt window: ${minimal_ms} ms (mean of $runs)"
awk -v a="$velmira_ms" -v b="$minimal_ms" 'BEGIN { printf "ratio:             %.2f (target at most 3)\n", (b > 0 ? a / b : 0) }'
echo "$loading (target at most 20 ms)"
echo "peak memory:       $(( peak_kb / 1024 )) MB (target at most 60 MB)"
