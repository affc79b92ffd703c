#!/bin/sh
# Every text the program shows has its Ukrainian and English translation (README, "Languages").
# Two checks over the whole of src/ (or the folders given):
#  1. lupdate refreshes temporary copies of translations/tevo_*.ts from the sources; a text that
#     goes through the translator (tr, QCoreApplication::translate, QT_TRANSLATE_NOOP) and has no
#     finished translation in a copy is named, with its context.
#  2. A Russian string literal outside those calls is a text the translator never sees: it is
#     named unless its line, or a line above it in the same statement, says "not translated:"
#     and why (a file key, a text the scales or another program read, a language's own name).
#   scripts/check-translations.sh [FOLDER...]
# The committed .ts files are not touched; after a change of texts refresh them with
#   lupdate -I src -locations none -no-obsolete src -ts translations/tevo_uk.ts translations/tevo_en.ts
# and translate what it added (Qt Linguist, or by hand: no type="unfinished" may stay).
set -eu
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
[ -x "$LUPDATE" ] || LUPDATE=/usr/lib/qt6/bin/lupdate
if [ $# -eq 0 ]; then set -- src; fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in translations/tevo_*.ts; do
    copy="$tmp/$(basename "$ts")"
    cp "$ts" "$copy"
    if ! "$LUPDATE" -I src -locations absolute -no-obsolete "$@" -ts "$copy" >"$tmp/lupdate.log" 2>&1; then
        cat "$tmp/lupdate.log" >&2
        echo "check-translations.sh: lupdate failed on $ts" >&2
        exit 1
    fi
    python3 - "$copy" "$ts" <<'EOF' || status=1
import os, sys
import xml.etree.ElementTree as ET
copy, name = sys.argv[1], sys.argv[2]
missing = []
for context in ET.parse(copy).getroot().iter("context"):
    for message in context.iter("message"):
        translation = message.find("translation")
        texts = [translation.text or ""] if message.get("numerus") != "yes" else \
            [n.text or "" for n in translation.iter("numerusform")]
        if translation.get("type") == "unfinished" or not all(t.strip() for t in texts):
            where = message.find("location")
            place = "?"
            if where is not None:  # lupdate names the file from the copy's folder
                path = os.path.normpath(os.path.join(os.path.dirname(copy), where.get("filename")))
                place = "%s:%s" % (os.path.relpath(path), where.get("line"))
            missing.append("  %s [%s] %r" % (place, context.findtext("name"), message.findtext("source")))
if missing:
    print("%s: %d text(s) without a finished translation:" % (name, len(missing)))
    print("\n".join(missing))
    sys.exit(1)
EOF
done

# Russian literals the translator never sees.
python3 - "$@" <<'EOF' || status=1
import os, re, sys
CYRILLIC = re.compile("[\u0400-\u04FF]")
CALLS = re.compile(r"(?:\btr|\btranslate|QT_TRANSLATE_NOOP3?|QT_TR_NOOP|QT_TRANSLATE_N_NOOP3?|QT_TR_N_NOOP|\bqtTrId)\s*\($")
TOKENS = re.compile(r'//[^\n]*|/\*.*?\*/|\bR"([^(\s]*)\(.*?\)\1"|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|[()]', re.S)
found = []
for top in sys.argv[1:]:
    for folder, _, files in os.walk(top):
        for f in sorted(files):
            if not f.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, f)
            text = open(path, encoding="utf-8").read()
            lines = text.split("\n")
            # A mark covers its own line and the statement that follows it, to its ';'.
            covered = set()
            for i, l in enumerate(lines):
                if "not translated:" not in l:
                    continue
                j = i
                covered.add(j)
                while j + 1 < len(lines):
                    j += 1
                    covered.add(j)
                    if lines[j].split("//")[0].rstrip().endswith(";"):
                        break
            opened = []  # for each open parenthesis: is it a translation call's
            for m in TOKENS.finditer(text):
                token = m.group(0)
                if token == "(":
                    opened.append(bool(CALLS.search(text[max(0, m.start() - 40):m.start() + 1])))
                elif token == ")":
                    if opened:
                        opened.pop()
                elif token.startswith(('"', 'R"')) and CYRILLIC.search(token) and not any(opened):
                    line = text.count("\n", 0, m.start())
                    if line not in covered:
                        found.append("  %s:%d %s" % (path, line + 1, token[:80]))
if found:
    print("Russian texts outside tr()/translate()/QT_TRANSLATE_NOOP (or mark the line \"// not translated: why\"):")
    print("\n".join(found))
    sys.exit(1)
EOF
[ $status -eq 0 ] && echo "Translations: every text has its Ukrainian and English translation."
exit $status
