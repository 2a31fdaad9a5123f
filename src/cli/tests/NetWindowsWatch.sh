#!/usr/bin/env bash
# Two real program windows watch, over loopback, a whole game that two net-peers play: the
# serving peer waits for its partner and both windows, then the game runs to its end. The
# windows must still be alive at the end, and the serving peer must have sent them every
# state. Run under a display (xvfb-run).
set -euo pipefail
cli=${1:?usage: NetWindowsWatch.sh VANTOREL_CLI VANTOREL}
app=${2:?usage: NetWindowsWatch.sh VANTOREL_CLI VANTOREL}
work=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-netwatch.XXXXXX")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

"$cli" net-peer --serve --loopback --port 0 --variant 1 --level 0 --observers 2 \
    --timeout-ms 120000 >"$work/server.out" 2>"$work/server.err" &
server=$!
port=""
for _ in $(seq 1 100); do
    port=$(sed -n 's/^{"listening": \([0-9]*\)}$/\1/p' "$work/server.out" | head -n 1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the server never listened" >&2; exit 1; }
"$cli" net-peer --call "127.0.0.1:$port" --level 0 --timeout-ms 120000 \
    >"$work/caller.out" 2>"$work/caller.err" &
caller=$!
for who in a b; do
    mkdir -p "$work/$who"
    (cd "$work/$who" && XDG_CONFIG_HOME="$work/$who" LIBGL_ALWAYS_SOFTWARE=1 \
        exec "$app" --call "127.0.0.1:$port" >"$work/$who.log" 2>&1) &
    pids+=($!)
done
wait "$server"
wait "$caller"
for pid in "${pids[@]}"; do
    kill -0 "$pid" 2>/dev/null || { echo "a window ended before the game" >&2; exit 1; }
done
connections=$(grep -c '^Connexion de 127.0.0.1.$' "$work/server.err" || true)
[ "$connections" -ge 3 ] || { echo "the windows never called: $connections" >&2; exit 1; }
result=$(tail -n 1 "$work/server.out")
echo "server: $result"
case "$result" in *'"result": 1'[012]*) ;; *) echo "the game did not end" >&2; exit 1 ;; esac
