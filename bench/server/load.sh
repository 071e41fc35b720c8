#!/usr/bin/env bash
# Load run for velmora-server, release build:
#  1. the latest-period GET against velmora-server and against nginx serving
#     the same text as a static file, side by side, at 100 and at 1,000
#     concurrent keep-alive connections (wrk);
#  2. complete encrypted calls (handshake + "newestdraw") per second.
# Needs nginx and wrk (scripts/install-deps.sh --dev).
#
#   bench/server/load.sh [BUILD_DIR]      default: build/release
# Environment: DURATION (seconds per wrk run, default 15), THREADS (wrk
# threads, default 2), CALL_CONNECTIONS (default 8).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/release}
server_bin=$build/drawserver/velmora-server
calls_bin=$build/bench/server/server_calls
duration=${DURATION:-15}
threads=${THREADS:-2}
call_connections=${CALL_CONNECTIONS:-8}
server_port=19250
nginx_port=19251

for tool in nginx wrk curl; do
  command -v "$tool" >/dev/null || { echo "load.sh: $tool is missing (scripts/install-deps.sh --dev)" >&2; exit 1; }
done
for bin in "$server_bin" "$calls_bin"; do
  [ -x "$bin" ] || { echo "load.sh: $bin is missing; build with: cmake --preset release && cmake --build --preset release --target velmora-server server_calls" >&2; exit 1; }
done

# 1,000 connections on each side and the listening sockets need descriptors.
ulimit -n 65536 2>/dev/null || ulimit -n "$(ulimit -Hn)"

work=$(mktemp -d)
chmod 755 "$work"
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null || true
  [ -f "$work/nginx.pid" ] && kill "$(cat "$work/nginx.pid")" 2>/dev/null || true
  sleep 0.3
  rm -rf "$work"
}
trap cleanup EXIT

"$server_bin" --db "$work/draws.sqlite" --listen 127.0.0.1:$server_port --interval 86400 2>"$work/server.log" &
server_pid=$!
for _ in $(seq 100); do
  curl -sf "http://127.0.0.1:$server_port/newphase" >/dev/null && break
  sleep 0.1
done
period=$(curl -sf "http://127.0.0.1:$server_port/newphase")

mkdir -p "$work/www" "$work/logs"
printf '%s' "$period" >"$work/www/newphase"
chmod -R a+rX "$work/www"
cat >"$work/nginx.conf" <<CONF
worker_processes auto;
worker_rlimit_nofile 65536;
pid $work/nginx.pid;
error_log $work/logs/error.log warn;
events { worker_connections 8192; }
http {
  access_log off;
  keepalive_requests 100000000;
  keepalive_timeout 75s;
  server {
    listen 127.0.0.1:$nginx_port;
    location = /newphase { root $work/www; default_type text/plain; }
  }
}
CONF
nginx -c "$work/nginx.conf" -p "$work" -e "$work/logs/error.log"
for _ in $(seq 50); do
  curl -sf "http://127.0.0.1:$nginx_port/newphase" >/dev/null && break
  sleep 0.1
done
[ "$(curl -sf "http://127.0.0.1:$nginx_port/newphase")" = "$period" ] || { echo "load.sh: nginx does not serve the period" >&2; exit 1; }

echo "load run: $(nproc) cores, wrk -t$threads -d${duration}s, latest period $period"
echo

# wrk's latency in milliseconds.
to_ms() {
  awk -v v="$1" 'BEGIN {
    n = v + 0; u = v; sub(/^[0-9.]+/, "", u);
    if (u == "us") n /= 1000; else if (u == "s") n *= 1000; else if (u == "m") n *= 60000;
    printf "%.2f", n }'
}

declare -A rps p99 errors
run() {
  local name=$1 port=$2 connections=$3 out
  out=$(wrk -t"$threads" -c"$connections" -d"${duration}s" --latency "http://127.0.0.1:$port/newphase")
  rps[$name,$connections]=$(awk '/^Requests\/sec:/ { printf "%.0f", $2 }' <<<"$out")
  p99[$name,$connections]=$(to_ms "$(awk '$1 == "99%" { print $2 }' <<<"$out")")
  local socket non2xx
  socket=$(awk -F'Socket errors: ' '/Socket errors/ { print $2 }' <<<"$out")
  non2xx=$(awk '/Non-2xx/ { print $NF }' <<<"$out")
  errors[$name,$connections]="${socket:-none}${non2xx:+, non-2xx $non2xx}"
}

for connections in 100 1000; do
  # A short warm-up each, then the measured runs side by side.
  wrk -t"$threads" -c"$connections" -d2s "http://127.0.0.1:$server_port/newphase" >/dev/null
  wrk -t"$threads" -c"$connections" -d2s "http://127.0.0.1:$nginx_port/newphase" >/dev/null
  run velmora-server $server_port "$connections"
  run nginx $nginx_port "$connections"
done

printf '%-16s %12s %14s %10s  %s\n' server connections requests/s "p99 ms" "socket errors"
status=0
for connections in 100 1000; do
  for name in velmora-server nginx; do
    printf '%-16s %12s %14s %10s  %s\n' "$name" "$connections" "${rps[$name,$connections]}" \
      "${p99[$name,$connections]}" "${errors[$name,$connections]}"
  done
  ratio=$(awk -v a="${rps[velmora-server,$connections]}" -v b="${rps[nginx,$connections]}" 'BEGIN { printf "%.2f", a / b }')
  verdict=ok
  awk -v r="$ratio" 'BEGIN { exit !(r >= 0.5) }' || verdict="BELOW TARGET"
  awk -v p="${p99[velmora-server,$connections]}" 'BEGIN { exit !(p < 20) }' || verdict="BELOW TARGET"
  [ "${errors[velmora-server,$connections]}" = none ] || verdict="BELOW TARGET"
  [ "$verdict" = ok ] || status=1
  printf '%-16s %12s %14s\n' "ratio" "$connections" "$ratio ($verdict: >= 0.50, p99 < 20 ms, no errors)"
done
echo

calls_out=$("$calls_bin" 127.0.0.1:$server_port "$call_connections" "$duration") || status=1
echo "$calls_out"
calls_per_second=$(awk '/calls\/s/ { print $2 }' <<<"$calls_out")
if awk -v c="${calls_per_second:-0}" 'BEGIN { exit !(c >= 1000) }'; then
  echo "  ok: >= 1000 calls/s"
else
  echo "  BELOW TARGET: >= 1000 calls/s"
  status=1
fi
exit $status
