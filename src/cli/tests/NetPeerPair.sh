#!/usr/bin/env bash
# Two net-peers on loopback play a whole game: both end, on the same final board, one as
# the server (role 1), one as the partner (role 2).
set -euo pipefail
cli=${1:?usage: NetPeerPair.sh VANTOREL_CLI [VARIANT]}
variant=${2:-1}
work=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-netpeer.XXXXXX")
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

"$cli" net-peer --serve --loopback --port 0 --variant "$variant" --level 0 --first 0 \
    --timeout-ms 120000 >"$work/server.out" 2>"$work/server.err" &
server=$!
port=""
for _ in $(seq 1 100); do
    port=$(sed -n 's/^{"listening": \([0-9]*\)}$/\1/p' "$work/server.out" | head -n 1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the server never listened" >&2; cat "$work/server.err" >&2; exit 1; }
timeout 150 "$cli" net-peer --call "127.0.0.1:$port" --level 0 --timeout-ms 120000 \
    >"$work/caller.out" 2>"$work/caller.err"
wait "$server"

last() { tail -n 1 "$1"; }
field() { sed -n "s/.*\"$2\": \\([^,}]*\\).*/\\1/p" <<<"$1"; }
s=$(last "$work/server.out")
c=$(last "$work/caller.out")
echo "server: $s"
echo "caller: $c"
[ "$(field "$s" final)" = "$(field "$c" final)" ] || { echo "the final boards differ" >&2; exit 1; }
[ "$(field "$s" role)" = 1 ] && [ "$(field "$c" role)" = 2 ] || { echo "wrong roles" >&2; exit 1; }
[ "$(field "$s" moves)" = "$(field "$c" moves)" ] || { echo "the move counts differ" >&2; exit 1; }
result=$(field "$s" result)
case "$result" in 10|11|12) ;; *) echo "the game did not end: $result" >&2; exit 1 ;; esac
grep -q '"received": "INFO"' "$work/caller.out" || { echo "no INFO received" >&2; exit 1; }
grep -q '"received": "STAT"' "$work/caller.out" || { echo "no STAT received" >&2; exit 1; }
