#!/usr/bin/env bash
# Has LibreOffice Calc, headless, open the program's spreadsheet and CSV exports under the Russian
# and the English locale, and checks what it reads: numbers as numbers, dates as dates, Cyrillic as
# written. Not part of the test run: it installs LibreOffice (libreoffice-calc-nogui) when missing.
#   scripts/check-spreadsheets.sh            (after a build with tests, in build/ or $TOLVIK_BUILD_DIR)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVIK_BUILD_DIR:-$top/build}
sudo=$([ "$(id -u)" -eq 0 ] || echo sudo)

if ! command -v soffice >/dev/null; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq libreoffice-calc-nogui locales python3-openpyxl
fi
for wanted in ru_RU.UTF-8 en_US.UTF-8; do
    if ! locale -a | grep -qi "^${wanted%.UTF-8}.utf8$"; then
        $sudo sed -i "s/^# *$wanted/$wanted/" /etc/locale.gen
        $sudo locale-gen >/dev/null
    fi
done
cmake --build "$build" --target tolvik_journal_generator tolvik_export_files >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tolvik_journal_generator" --sites 2 --colonies 6 --records 60 --hive-rows 120 --hives 12 --queens 8 \
    --seed 3 "$work/Journal.db" >/dev/null
# The generated honey flow is in whole kilograms; halves make the decimal mark matter.
/usr/bin/python3 - "$work/Journal.db" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("UPDATE user_fields SET type = 3 WHERE name = 'Взяток, кг'")
db.execute("UPDATE field_values SET type = 3, value = value || '.5' WHERE name = 'Взяток, кг'")
db.commit()
PY
export QT_QPA_PLATFORM=offscreen
"$build/tolvik_export_files" "$work/Journal.db" Русский "$work/ru" 2>/dev/null
"$build/tolvik_export_files" "$work/Journal.db" English "$work/en" 2>/dev/null

# Calc opens a file and saves it as .xlsx, which openpyxl then reads with the types Calc gave.
# A CSV is opened as the import dialog offers it for a file with a byte-order mark: UTF-8, the
# separator of the file's style, numbers and dates read in the locale's way.
calc_saves() { # locale file separator-code out-dir
    local filter=()
    [ "${2##*.}" = csv ] && filter=(--infilter="CSV:$3,34,76,1")
    LC_ALL=$1 LANG=$1 HOME="$work/home-$1" soffice --headless "${filter[@]}" --convert-to xlsx --outdir "$4" "$2" >/dev/null 2>&1
}

status=0
check() { # label locale converted-xlsx first-sheet-only-or-empty [decimals]
    if /usr/bin/python3 - "$3" "$4" "${5:-}" <<'PY'; then echo "PASS  $1"; else echo "FAIL  $1"; status=1; fi
import datetime, sys
from openpyxl import load_workbook
book = load_workbook(sys.argv[1])
sheets = [book[n] for n in book.sheetnames] if not sys.argv[2] else [book[book.sheetnames[0]]]
numbers = decimals = dates = cyrillic = 0
problems = []
for sheet in sheets:
    header = [c.value for c in sheet[1]]
    for row in sheet.iter_rows(min_row=2, values_only=True):
        for name, value in zip(header, row):
            if isinstance(value, (int, float)) and not isinstance(value, bool):
                numbers += 1
                decimals += value != int(value)
            elif isinstance(value, datetime.datetime):
                dates += 1
            elif isinstance(value, str):
                if any('\u0400' <= ch <= '\u04ff' for ch in value):
                    cyrillic += 1
                if any(ch in value for ch in 'Ã\ufffd'):
                    problems.append(f"mangled text {value!r}")
                stripped = value.replace(',', '.').replace(' ', '')
                # The raw dump keeps the user's values as the file stores them, as texts.
                if stripped.replace('.', '', 1).lstrip('-').isdigit() and name != 'value':
                    problems.append(f"number as text {value!r} in {name!r}")
                if len(value) == 10 and value[4] == '-' and value[7] == '-':
                    problems.append(f"date as text {value!r} in {name!r}")
print(f"      numbers {numbers} ({decimals} with decimals), dates {dates}, Cyrillic texts {cyrillic}", end="")
print(f"; {len(problems)} problems, first: {problems[0]}" if problems else "")
sys.exit(0 if numbers and dates and cyrillic and not problems and (decimals or not sys.argv[3]) else 1)
PY
}

for lang in ru en; do
    for locale in ru_RU.UTF-8 en_US.UTF-8; do
        out="$work/calc-$lang-$locale"
        mkdir -p "$out"
        for book in readable raw; do
            calc_saves "$locale" "$work/$lang/$book.xlsx" "" "$out"
            check "$lang $book .xlsx under $locale" "$locale" "$out/$book.xlsx" "" $([ $book = readable ] && echo decimals)
        done
    done
    # A CSV file is written in the style of the language's spreadsheets: the locale of that language.
    locale=$([ $lang = ru ] && echo ru_RU.UTF-8 || echo en_US.UTF-8)
    separator=$([ $lang = ru ] && echo 59 || echo 44)
    records=$([ $lang = ru ] && echo "Осмотры" || echo "Inspections")
    out="$work/calc-$lang-$locale"
    calc_saves "$locale" "$work/$lang/readable-csv/$records.csv" "$separator" "$out"
    check "$lang readable CSV ($records) under $locale" "$locale" "$out/$records.xlsx" first decimals
done
exit $status
