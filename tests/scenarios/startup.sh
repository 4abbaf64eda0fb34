#!/usr/bin/env bash
# Start-up of setup.exe in a scratch folder: which string sets and setting file
# it writes, by the system's default language and what the folder already holds,
# and which texts its first page then shows. Each run is ended with Cancel.
. "$(dirname "$0")/lib.sh"

TOOL="$QX710_BUILD/tests/wizard/wizard_tool.exe"

SETUP_EXE="$QX710_BUILD/setup/setup.exe"
SETS="$QX710_BUILD/resources"   # the string sets as the build encoded them
APP="$DRIVE_C/Setup"
LANG_DIR="$APP/Language"

fresh_folder() { rm -rf "$APP"; mkdir -p "$APP"; cp "$SETUP_EXE" "$APP/"; }
# Runs setup.exe until its wizard shows, keeps the welcome page's texts (UTF-8), cancels.
run_setup() { LC_ALL="$1" wine "$TOOL" cancel 'C:\Setup\setup.exe' 2>/dev/null | tr -d '\r' > "$WELCOME_TEXTS"; }
welcome_line() { sed -n 's/^1042: //p' "$WELCOME_TEXTS"; }
WELCOME_TEXTS=$(mktemp)
trap 'rm -f "$WELCOME_TEXTS"' EXIT
ENGLISH_WELCOME="Welcome to the QX710 Series Printer Driver Setup Wizard"
language_files() { (cd "$LANG_DIR" 2>/dev/null && ls | tr '\n' ' ' | sed 's/ $//'); }
recorded_language() { tr -d '\r' < "$APP/setting.dll" | sed -n 's/^Language=//p'; }
# A line the program never writes: it survives only if the file is not written again.
mark() { printf 'untouched\r\n' >> "$1"; }
is_marked() { tail -c 11 "$1" | grep -q untouched; }

echo "# first and second run on a PRC Chinese system (2052)"
fresh_folder
run_setup zh_CN.UTF-8
expect_eq "sets written" "Multi_ch.dll Multi_eng.dll" "$(language_files)"
expect_same_bytes "GBK set" "$SETS/Multi_ch.dll" "$LANG_DIR/Multi_ch.dll"
expect_same_bytes "English set" "$SETS/Multi_eng.dll" "$LANG_DIR/Multi_eng.dll"
expect_eq "first run records English" English "$(recorded_language)"
expect_eq "first run shows English" "$ENGLISH_WELCOME" "$(welcome_line)"
mark "$LANG_DIR/Multi_ch.dll"; mark "$LANG_DIR/Multi_eng.dll"
run_setup zh_CN.UTF-8
is_marked "$LANG_DIR/Multi_ch.dll" && is_marked "$LANG_DIR/Multi_eng.dll" \
    && pass "second run writes no set" || fail "second run wrote a set again"
expect_eq "second run records Chinese" Chinese "$(recorded_language)"
expect_eq "second run shows the GBK set" "欢迎使用QX710系列打印机驱动安装程序向导" "$(welcome_line)"

for locale in zh_TW.UTF-8 zh_HK.UTF-8 zh_SG.UTF-8; do
    echo "# first and second run on $locale (Big5)"
    fresh_folder
    run_setup $locale
    expect_eq "$locale: sets written" "Multi_ch_BIG5.dll Multi_eng.dll" "$(language_files)"
    expect_same_bytes "$locale: Big5 set" "$SETS/Multi_ch_BIG5.dll" "$LANG_DIR/Multi_ch_BIG5.dll"
    expect_eq "$locale: first run records English" English "$(recorded_language)"
    expect_eq "$locale: first run shows English" "$ENGLISH_WELCOME" "$(welcome_line)"
    run_setup $locale
    expect_eq "$locale: second run records Chinese" Chinese "$(recorded_language)"
    if [ $locale = zh_SG.UTF-8 ]; then
        # Singapore uses code page 936: the Big5 bytes come out garbled, as they would on Windows.
        case "$(welcome_line)" in
            "$ENGLISH_WELCOME"|"欢迎使用QX710系列打印机驱动安装程序向导") fail "$locale: not the Big5 set";;
            *QX710*) pass "$locale: second run shows the Big5 set's bytes";;
            *) fail "$locale: got [$(welcome_line)]";;
        esac
    else
        expect_eq "$locale: second run shows the Big5 set" "歡迎使用QX710系列打印機驅動安裝程序嚮導" "$(welcome_line)"
    fi
done

for locale in en_US.UTF-8 en_GB.UTF-8; do
    echo "# first and second run on $locale"
    fresh_folder
    run_setup $locale
    expect_eq "$locale: sets written" "Multi_ch.dll Multi_eng.dll" "$(language_files)"
    expect_eq "$locale: records English" English "$(recorded_language)"
    mark "$LANG_DIR/Multi_eng.dll"
    run_setup $locale
    is_marked "$LANG_DIR/Multi_eng.dll" && pass "$locale: second run writes no set" \
        || fail "$locale: second run wrote a set again"
    expect_eq "$locale: shows English" "$ENGLISH_WELCOME" "$(welcome_line)"
done

echo "# a Japanese system: no string set"
fresh_folder
run_setup ja_JP.UTF-8
[ -d "$LANG_DIR" ] && pass "language folder exists" || fail "language folder missing"
expect_eq "language folder stays empty" "" "$(language_files)"
expect_same_bytes "setting file from the default resource" "$SETS/setting.dll" "$APP/setting.dll"
expect_eq "default setting file is 29 bytes" 29 "$(stat -c %s "$APP/setting.dll")"
# The template's own text (Wine's 8-bit dialog functions turn characters
# outside the Japanese code page into "?").
case "$(welcome_line)" in
    *QX710*) [ "$(welcome_line)" != "$ENGLISH_WELCOME" ] && pass "template texts" || fail "a string set's text";;
    *) fail "template texts: got [$(welcome_line)]";;
esac

echo "# an existing setting file is never replaced"
fresh_folder
printf 'whatever the user left here' > "$APP/setting.dll"
run_setup ja_JP.UTF-8
expect_eq "setting file kept" "whatever the user left here" "$(cat "$APP/setting.dll")"

echo "# a language name edited to lower case (2052)"
fresh_folder
run_setup zh_CN.UTF-8
sed -i 's/^Language=Chinese/Language=chinese/' "$LANG_DIR/Multi_ch.dll"
mark "$LANG_DIR/Multi_eng.dll"
run_setup zh_CN.UTF-8
expect_same_bytes "edited set written anew" "$SETS/Multi_ch.dll" "$LANG_DIR/Multi_ch.dll"
expect_same_bytes "English set written anew" "$SETS/Multi_eng.dll" "$LANG_DIR/Multi_eng.dll"
expect_eq "that run records English" English "$(recorded_language)"

echo "# files of a 2052 run, then a run on 1028"
fresh_folder
run_setup zh_CN.UTF-8
run_setup zh_TW.UTF-8
expect_eq "nothing written" "Multi_ch.dll Multi_eng.dll" "$(language_files)"
expect_eq "records Chinese" Chinese "$(recorded_language)"
case "$(welcome_line)" in
    *QX710*) [ "$(welcome_line)" != "$ENGLISH_WELCOME" ] && pass "template texts" || fail "a string set's text";;
    *) fail "template texts: got [$(welcome_line)]";;
esac

echo "# run from a drive root"
root="$WINEPREFIX/drive_root"
rm -rf "$root"; mkdir -p "$root"; cp "$SETUP_EXE" "$root/"
ln -sfn "$root" "$WINEPREFIX/dosdevices/r:"
LC_ALL=zh_CN.UTF-8 wine "$TOOL" cancel 'R:\setup.exe' >/dev/null 2>&1
expect_file "R:\\Language\\Multi_ch.dll" "$root/Language/Multi_ch.dll"
expect_file "R:\\setting.dll" "$root/setting.dll"
rm -f "$WINEPREFIX/dosdevices/r:"; rm -rf "$root" "$APP"

finish
