#!/bin/sh
# Start-up and memory figures of the program under a virtual X display:
#   launch to the first painted table (the program reports it with
#   VELLAMOR_BENCH=1), resident memory after start-up and after 100 moves,
#   and the CPU time the open window takes while idle for 10 seconds.
# Usage: bench/shell/startup.sh [BUILD_DIR]
set -eu
build=${1:-build}
bin="$build/bin/vellamor"
[ -x "$bin" ] || { echo "no $bin: build first" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
run() {
    HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp" \
        xvfb-run -a -s "-screen 0 1280x800x24" "$@"
}
echo "== warm-up"
VELLAMOR_BENCH=first run "$bin" >/dev/null 2>&1 || true
for i in 1 2 3; do
    echo "== run $i"
    VELLAMOR_BENCH=first run /usr/bin/time -f "rss_kb=%M" "$bin" 2>&1 | grep -E 'first_table_ms|rss_kb' || true
done
echo "== 100 moves"
VELLAMOR_BENCH=moves run /usr/bin/time -f "rss_kb=%M" "$bin" 2>&1 | grep -E 'rss|moves' || true
echo "== idle 10 s"
VELLAMOR_BENCH=idle run /usr/bin/time -f "cpu_user_s=%U cpu_sys_s=%S elapsed_s=%e" "$bin" 2>&1 | grep -E 'cpu_|idle' || true
