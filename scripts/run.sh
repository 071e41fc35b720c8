#!/usr/bin/env bash
# Builds Velmora (release), makes sure velmora-server answers on
# 127.0.0.1:19200 (starting it in the background when nothing does), then
# starts Velmora: with its windows when a display is available, otherwise on
# the terminal. Arguments are passed on to velmora (for example --yes).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release --target velmora velmora-server >/dev/null

build=build/release
data_dir="${XDG_DATA_HOME:-$HOME/.local/share}/velmora"
mkdir -p "$data_dir"

answers() {
  (exec 3<>/dev/tcp/127.0.0.1/19200) 2>/dev/null
}

if ! answers; then
  # The server keeps running after this script and the program end; its
  # draws are stored in the user's data folder.
  setsid "$build/drawserver/velmora-server" --listen 127.0.0.1:19200 \
    --db "$data_dir/draws.sqlite" >>"$data_dir/velmora-server.log" 2>&1 </dev/null &
  for _ in $(seq 1 100); do
    answers && break
    sleep 0.1
  done
  if ! answers; then
    echo "velmora-server did not start; see $data_dir/velmora-server.log" >&2
    exit 1
  fi
  echo "velmora-server listens on 127.0.0.1:19200 (log: $data_dir/velmora-server.log)"
fi

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$build/shell/velmora" "$@"
else
  exec "$build/shell/velmora" --console "$@"
fi
