#!/usr/bin/env bash
# Two data files of 1 GiB read under a 1.5 GB address-space limit: one of NUL bytes without a
# line end, and one whose initial conditions are followed by NUL bytes. Each read gives its
# group's message and the program goes on; nothing is aborted for want of memory.
# Usage: gibibyte_files_test.sh KORVEL_REPLAY
set -euo pipefail
replay="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT

truncate -s 1G "$dir/nul.d"
printf '2 10\n0.8 0.1\n0.0 0.9\n' >"$dir/stocks.d"
truncate -s +1G "$dir/stocks.d"

status=0
check() {  # FILE EXPECTED-MESSAGE-LINE
    cat >"$dir/run.scn" <<SCENARIO
start
enter
answer file $dir/$1
menu O&pen datafile
menu Rea&d data
menu Sho&w details
SCENARIO
    local transcript
    if ! transcript="$(ulimit -v 1500000 && "$replay" "$dir/run.scn" 2>&1)"; then
        echo "FAIL $1: the replay failed:"; echo "$transcript" | tail -5; status=1; return
    fi
    if ! grep -qxF "$2" <<<"$transcript"; then
        echo "FAIL $1: no line"; echo "  $2"; echo "in"; echo "$transcript" | grep msgbox; status=1; return
    fi
    # The data are not read, so "Sho&w details" still refuses.
    if ! grep -qF '" Data have not been read" " Firest you have to read in your data. "' <<<"$transcript"; then
        echo "FAIL $1: the data were taken as read"; status=1; return
    fi
    echo "ok $1"
}
check nul.d 'msgbox 48 " Data have not been read " " Error reading initial data. " -> OK'
check stocks.d 'msgbox 48 " Attention ! Error reading the initial conditions " " Be careful. The initial conditions are not given properly. " -> OK'
exit $status
