#!/usr/bin/env bash
# A corpus of command-line runs: every command on several employees (the shipped sample,
# a full set of files, a bi-weekly one, damaged files, a folder without the federal
# table), each with its output, exit status and then every file the runs left. Prints the
# transcript, with today's date, the folder and the kept copies' times made neutral, so
# that two builds can be compared run for run:
#   tests/corpus/cli_corpus.sh OLD/corvella-cli > old.txt
#   tests/corpus/cli_corpus.sh NEW/corvella-cli > new.txt && diff old.txt new.txt
set -uo pipefail
cli=$(realpath "${1:?usage: cli_corpus.sh PATH/TO/corvella-cli}")
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/folder
mkdir -p "$dir" "$work/nofed"

iso=$(date +%Y-%m-%d)
us=$(date +%m/%d/%Y)
stamp=$(date +%Y%m%d)
neutral() {
    sed -e "s|$work|WORK|g" -e "s|$iso|TODAY|g" -e "s|$us|TODAY|g" \
        -e "s|$stamp-[0-9]\{6\}|TODAY-TIME|g" -e "s|[0-9]\{1,2\}:[0-9]\{2\}:[0-9]\{2\} [AP]M|NOW|g" -e "s|$(date +%_m/%_d/%Y | tr -d ' ')|TODAY|g"
}

# The employees.
cp "$here"/data/Federal15.dtt "$here"/data/Sample.* "$dir"/
fuzz=$here/tests/data/fuzz
for f in use/sample.use and/sample.and cfe/sample.cfe state/sample.sta city/sample.cti \
    city/sample.nci leave/sample.hol overtime/sample.ovw ledger/sample.yrw; do
    cp "$fuzz/$f" "$dir/Full.${f##*.}"
done
cp "$here"/data/Sample.use "$dir/Broken.use"
cp "$here"/data/Sample.and "$dir/Broken.and"
cp "$fuzz/state/stray-quote.sta" "$dir/Broken.sta"
cp "$fuzz/use/huge-tips-rate.use" "$dir/Huge.use"
cp "$here"/data/Sample.and "$dir/Huge.and"
cp "$here"/data/Sample.* "$work/nofed/"

run() {
    echo "\$ corvella-cli $*" | neutral
    (cd "$work" && "$cli" "$@" 2>"$work/err") | neutral
    echo "[status ${PIPESTATUS[0]}]"
    if [ -s "$work/err" ]; then
        echo "[stderr]"
        neutral <"$work/err"
    fi
    echo
}

C=(-C "$dir")
run --help
run
run nonsense
run words 123.45
run words 0
run words 1000000.01
run words -5
run words 12x
for who in Sample Full Broken Huge Nobody ../outside; do
    run "${C[@]}" calc "$who" --box 0=40
done
run "${C[@]}" calc Sample --box 0=40 --box 3=5 --json
run "${C[@]}" calc Sample --box 0=4x0
run "${C[@]}" calc Sample --box 0=40 --box 2=3 --ot2x --week 01/16/2015 --json
run "${C[@]}" calc Sample --box 6=250.5 --box 7=12 --louisiana-prior
run "${C[@]}" calc Sample --box 9=1
run "${C[@]}" calc Full --box 0=38 --box 4=8 --box 5=4 --json
run "${C[@]}" ledger Sample
run "${C[@]}" ledger Full --json
run "${C[@]}" post Sample --row 1 --box 0=40
run "${C[@]}" post Sample --row 2 --box 0=36 --box 3=2 --json
run "${C[@]}" post Full --row 3 --box 0=40
run "${C[@]}" post Sample --row 99 --box 0=40
run "${C[@]}" unpost Sample --row 2
run "${C[@]}" unpost Full --row 1 --json
run "${C[@]}" ledger Sample --json
run "${C[@]}" export Sample "$work/sample.xlsx"
run "${C[@]}" export Nobody "$work/nobody.xlsx"
run "${C[@]}" ot Sample --annual 30000 --percent 10 --amount 1=5 --date 1=01/09/2015 --json
run "${C[@]}" ot Sample --new-week
run "${C[@]}" ot Full --amount 2=1-2
run "${C[@]}" leave Sample --start vac=80 --count vac,1=8 --date vac,1=01/05/2015 --json
run "${C[@]}" leave Full
run "${C[@]}" leave Sample --clear --start sick=16
run "${C[@]}" leave Sample --start hol=12x
run "${C[@]}" period-save Sample --box 0=40 --week 01/09/2015
run "${C[@]}" period-save Full --box 0=20 --week 01/16/2015
run "${C[@]}" period-get "01_09_2015  Sample.prv" --json
run "${C[@]}" period-get "01_16_2015  Full.prv"
run "${C[@]}" period-get "nothing.prv"
run "${C[@]}" stub Sample --box 0=40 --text
run "${C[@]}" stub Full --box 0=40 --box 7=3 --text
run "${C[@]}" stub Sample --box 0=40
run "${C[@]}" check Sample --box 0=40 --memo "Week 2" --offset 1,2 --json
run "${C[@]}" check Full --box 0=40 --text
run "${C[@]}" check Sample --box 0=40 --offset x,2 --text
run "${C[@]}" print-ledger Sample --text
run "${C[@]}" print-ledger Full --text
run "${C[@]}" restore Sample
run "${C[@]}" restore Sample --day 2001-01-01
run "${C[@]}" restore Full --day "$iso"
run -C "$work/nofed" calc Sample --box 0=40
run -C "$work/nofed" stub Sample --box 0=40 --text

echo "# files left"
(cd "$work" && find . -type f ! -name err ! -name '*.xlsx' | LC_ALL=C sort | while read -r f; do
    echo "== $f ($(stat -c %a "$f"))" | neutral
    neutral <"$f"
    echo
done)
(cd "$work" && find . -name '*.xlsx' | LC_ALL=C sort | sed 's/$/ (a workbook)/')
