#!/bin/sh
# r4000ctl msg record and play on a private sound server (run by with-pulse.sh): a second
# recorded from the default input becomes a message file of one second, which then plays
# to its end at both rates.
set -eu
ctl=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$ctl" msg record --seconds 1 --to "$dir/rec.pmf" --name Rec
"$ctl" msg info "$dir/rec.pmf" > "$dir/info"
grep -q '^name: Rec$' "$dir/info"
grep -q '^wideband: 1.000 sec.' "$dir/info"
"$ctl" msg play "$dir/rec.pmf" --gain -3
"$ctl" msg play "$dir/rec.pmf" --narrowband
if "$ctl" msg record --seconds 21 --to "$dir/long.pmf" --name Long 2>/dev/null; then
    echo "a 21-second recording was not refused" >&2
    exit 1
fi
echo "msg record and play: ok"
