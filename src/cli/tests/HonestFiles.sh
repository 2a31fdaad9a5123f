#!/usr/bin/env bash
# The tool's writes and errors, as a user meets them: a write cut short by the file size
# limit leaves the previous file byte for byte and names the file with the system's reason;
# a malformed move prints nothing on stdout; a damaged or unreadable library exits 2 with
# the catalogue's message; a folder given as a saved game is named.
# Usage: HonestFiles.sh CLI
set -uo pipefail
cli=${1:?usage: HonestFiles.sh CLI}
work=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-honest.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

# Runs the tool with stdout and stderr kept apart: $code, $out, $err.
run() {
    "$@" >"$work/out" 2>"$work/err"
    code=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

# 1. Writes cut short: each file is first written whole, then again under a limit of one
# block (1024 bytes), which every one of these files exceeds.
"$cli" game --variant 0 --type 4 --seed 3 --save "$work/partie.vtl" >/dev/null || fail "first save"
"$cli" model --variant 1 --write "$work/plateau.Mdl" >/dev/null || fail "first model write"
for k in 1 2 3 4 5 6; do "$cli" library add --library "$work/Vantorel.tev" --variant $((k % 2)) >/dev/null; done
cases=(
    "partie.vtl|game --variant 1 --type 4 --seed 9 --save $work/partie.vtl"
    "plateau.Mdl|model --variant 0 --write $work/plateau.Mdl"
    "Vantorel.tev|library add --library $work/Vantorel.tev --variant 1"
    "Vantorel.tev|library remove --library $work/Vantorel.tev --kind 0 --day 3 --month 8 --year 1963"
)
for entry in "${cases[@]}"; do
    file=${entry%%|*}
    read -r -a arguments <<<"${entry#*|}"
    size=$(stat -c %s "$work/$file")
    [ "$size" -gt 1024 ] || [ "$file" = plateau.Mdl ] || fail "$file is too small to be cut ($size)"
    before=$(sha256sum <"$work/$file")
    (ulimit -f 1 && exec "$cli" "${arguments[@]}") >"$work/out" 2>"$work/err"
    code=$?
    err=$(cat "$work/err")
    if [ "$file" = plateau.Mdl ]; then
        # A model record is smaller than the limit: that write must simply succeed.
        [ $code -eq 0 ] || fail "${arguments[0]}: a small write failed: $err"
        continue
    fi
    [ $code -eq 2 ] || fail "${arguments[*]}: exit $code under the size limit, not 2"
    [ "$(sha256sum <"$work/$file")" = "$before" ] || fail "${arguments[*]}: $file was changed"
    # A removal first copies the library to its backup, which the limit stops already.
    case $err in *"$work/$file : File too large"* | *"$work/Van001.tev : File too large"*) ;;
        *) fail "${arguments[*]}: message without the file and reason: $err" ;; esac
    leftovers=$(find "$work" -name "$file.tmp*" | wc -l)
    [ "$leftovers" -eq 0 ] || fail "${arguments[*]}: $leftovers temporary files left"
done
# The model record cut short too, under a limit it does exceed.
"$cli" model --variant 1 --write "$work/grand.Mdl" >/dev/null
before=$(sha256sum <"$work/grand.Mdl")
(ulimit -f 0 && exec "$cli" model --variant 0 --write "$work/grand.Mdl") >/dev/null 2>"$work/err"
code=$?
[ $code -eq 2 ] || fail "model --write: exit $code under a zero size limit"
[ "$(sha256sum <"$work/grand.Mdl")" = "$before" ] || fail "model --write: the previous record was changed"

# 2. A malformed move: the error alone, nothing on stdout.
for move in "1,2" "a,b,c" "1,2,3,4" "999,0,0"; do
    run "$cli" check --variant 1 --board LLLLLLLLLLLLLLLLLLLLLLLL --reserve 9,9 --side 0 --move "$move"
    [ $code -eq 2 ] || fail "check --move $move: exit $code"
    [ -z "$out" ] || fail "check --move $move: printed '$out' before its error"
    [ -n "$err" ] || fail "check --move $move: no error"
done

# 3. Libraries that cannot be read to their end.
cp "$work/Vantorel.tev" "$work/abime.tev"
printf 'XXXXXXXXXXXXXXXXXXXXXXXX' >>"$work/abime.tev"
mkdir "$work/dossier.tev"
for library in abime.tev dossier.tev; do
    run "$cli" library list --library "$work/$library"
    [ $code -eq 2 ] || fail "library list $library: exit $code, not 2"
    case $err in *"Impossible d'ouvrir le fichier. $work/$library"*) ;; *) fail "library list $library: $err" ;; esac
done
run "$cli" library list --library "$work/abime.tev"
case $out in '{"variants": [{'*'"problem": '*) ;; *) fail "library list: the variants before the damage are not listed: $out" ;; esac
run "$cli" library list --library "$work/absent.tev"
[ $code -eq 0 ] && [ "$out" = '{"variants": []}' ] || fail "a missing library is an empty one: $code $out"

# 4. A folder where a saved game is expected.
for command in vtl state; do
    run "$cli" $command "$work/dossier.tev"
    [ $code -eq 2 ] || fail "$command on a folder: exit $code"
    case $err in *"$work/dossier.tev : Is a directory"*) ;; *) fail "$command on a folder: $err" ;; esac
done

[ $failures -eq 0 ] && echo "all honest" || exit 1
