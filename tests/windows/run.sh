#!/usr/bin/env bash
# Runs the Windows build of the core's tests (core_tests.exe) under Wine, in a Wine prefix
# made new for this run: once under the Western ANSI code page (1252) and once under the
# Japanese one (932), each time as the program's first start on the account, and afterwards
# exports the store's registry key with Wine's own registry tool.
#   tests/windows/run.sh BUILD_FOLDER        (./test.sh --windows calls it)
set -euo pipefail
folder=$(cd "$1" && pwd)
tests="$folder/tests/core_tests.exe"

work=$(mktemp -d "${TMPDIR:-/tmp}/calcora-wine.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# Neither Mono nor Gecko: the tests need no .NET and no browser, and a new prefix would look
# for them.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Wine takes its ANSI code page from the Unix locale, and writes file names in that locale's
# character set, so each run needs a UTF-8 locale of its language. They are made here for
# this run alone rather than installed for the whole machine.
export LOCPATH="$work/locales"
mkdir -p "$LOCPATH"
localedef -i en_US -f UTF-8 "$LOCPATH/en_US.UTF-8"
localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8"

echo "Making a new Wine prefix in $WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver -w

storeKey='HKCU\Software\Tovik Software\Calcora 2.01'
passed=0 failed=0 skipped=0 status=0

# The first start's values, as Wine's registry tool exports them: a .reg file in UTF-16, read
# here as UTF-8, so that the console's code page never comes between the values and the check
# (`reg query` prints in it, and a path's "Ü" would not match).
checkStoreKey() {
    local exported="$work/store.reg" listing
    rm -f "$exported"
    wine reg export "$storeKey" "$(winepath -w "$exported")" /y >/dev/null 2>&1 || true
    listing=$(iconv -f UTF-16 -t UTF-8 "$exported" 2>/dev/null | tr -d '\r') || true
    [[ ${1:-} == --show ]] && printf '%s\n' "$listing"
    local expected
    for expected in \
        '^\[HKEY_CURRENT_USER\\Software\\Tovik Software\\Calcora 2\.01\\Interface\]$' \
        '^"Caption"="Calcora 2\.01"$' \
        '^"Animated Buttons"="Yes"$' \
        '^"Background Image"="[A-Z]:\\\\([^\\"]+\\\\)*bg\.bmp"$' \
        '^"Sound4"="[A-Z]:\\\\([^\\"]+\\\\)*wrong\.wav"$' \
        '^"Text Foreground Color"="\$00FFFFFF"$' \
        '^\[HKEY_CURRENT_USER\\Software\\Tovik Software\\Calcora 2\.01\\Stats\]$' \
        '^"Correct"="0"$' \
        '^"SpinEdit5"="10"$' \
        '^"SpinEdit12"="0"$'; do
        if ! grep -Eq "$expected" <<<"$listing"; then
            echo "The store's key lacks a line like: $expected"
            status=1
        fi
    done
    if grep -Eq '\\Update\]$|^"URL"=' <<<"$listing"; then
        echo "The store's key holds an update section or a URL after a first start"
        status=1
    fi
}

count() {
    sed -nE "s/^\[  $1 *\] ([0-9]+) tests?\b.*/\1/p" "$2" | tail -n 1
}

for run in "1252 en_US.UTF-8" "932 ja_JP.UTF-8"; do
    read -r codePage locale <<<"$run"
    log="$folder/core_tests-$codePage.log"
    echo
    echo "== core_tests.exe under Wine with the ANSI code page $codePage ($locale)"
    # Each run is the program's first start on this account.
    wine reg delete 'HKCU\Software\Tovik Software' /f >/dev/null 2>&1 || true
    result=0
    # A run takes seconds; one that hangs is stopped after five minutes and counts as failed.
    LC_ALL=$locale CALCORA_CODE_PAGE=$codePage timeout --kill-after=10 300 \
        wine "$tests" --gtest_brief=1 >"$log" 2>&1 || result=$?
    cat "$log"
    reported=$(sed -nE 's/.*Windows reports the ANSI code page ([0-9]+).*/\1/p' "$log")
    echo "ANSI code page asked for: $codePage; Windows reports: ${reported:-nothing}"

    runPassed=$(count PASSED "$log") runFailed=$(count FAILED "$log") runSkipped=$(count SKIPPED "$log")
    if [[ -z $runPassed ]]; then
        echo "core_tests.exe ended with exit code $result before its summary"
        status=1
        failed=$((failed + 1))
        continue
    fi
    passed=$((passed + runPassed))
    failed=$((failed + ${runFailed:-0}))
    skipped=$((skipped + ${runSkipped:-0}))
    [[ $result -eq 0 && $reported == "$codePage" ]] || status=1

    if [[ $codePage == 1252 ]]; then
        echo "The store's key after the first start, as Wine's registry tool lists it:"
        checkStoreKey --show
    else
        checkStoreKey
    fi
done

echo
summary="windows: $passed passed, $failed failed"
[[ $skipped -gt 0 ]] && summary+=", $skipped skipped"
echo "$summary"
exit "$status"
