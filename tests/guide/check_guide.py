#!/usr/bin/env python3
"""Checks the user guide (doc/guide) against the program it describes.

  check_guide.py check SOURCE_DIR        links, pictures, example files, and every program text the
                                         guide quotes (<b class="ui">, <samp>) found in the sources
  check_guide.py images SOURCE_DIR DIR   every picture the guide shows was made in DIR
  check_guide.py sheet SOURCE_DIR XLS    the spreadsheet example equals the first cells of XLS
  check_guide.py make-dbf SOURCE_DIR     writes examples/tovary.dbf from the guide's table of it

Exit code 0 when all is well; otherwise each fault is printed.
"""
import datetime
import html
import html.parser
import os
import re
import struct
import sys

GUIDE = os.path.join("doc", "guide", "index.html")
# Texts of the database library that the guide names; they are not in our sources.
DATABASE_TEXTS = {"database is locked", "database or disk is full", "attempt to write a readonly database"}
VAR = "\x01"  # a variable part: <var> in the guide, %1 … %9 in the sources


class Guide(html.parser.HTMLParser):
    """Collects what the checks need: ids, links, pictures, quoted program texts, examples."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids, self.links, self.images = set(), [], []
        self.quotes = []          # (kind, text) with variable parts as VAR
        self.examples = []        # (file, text) of <pre class="example">
        self.tables = {}          # data-file or data-sheet -> rows of cell texts
        self._quote = None        # [kind, text, depth]
        self._pre = None
        self._table = None
        self._cell = None
        self._var = 0

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
        if tag == "img":
            self.images.append(a.get("src", ""))
        if tag == "var":
            self._var += 1
            self._text(VAR)
        if self._quote is not None:
            self._quote[2] += 1 if tag == self._quote[3] else 0
        elif (tag == "b" and a.get("class") == "ui") or tag == "samp":
            self._quote = [tag, "", 1, tag]
        if tag == "pre" and a.get("class") == "example":
            self._pre = [a.get("data-file"), ""]
        if tag == "table" and a.get("class") == "example":
            self._table = (a.get("data-file") or "sheet:" + a.get("data-sheet", ""), [])
        if self._table and tag == "tr":
            self._table[1].append([])
        if self._table and tag in ("td", "th"):
            self._cell = ""

    def handle_endtag(self, tag):
        if tag == "var":
            self._var -= 1
        if self._quote is not None and tag == self._quote[3]:
            self._quote[2] -= 1
            if self._quote[2] == 0:
                self.quotes.append((self._quote[0], self._quote[1]))
                self._quote = None
        if tag == "pre" and self._pre is not None:
            self.examples.append(tuple(self._pre))
            self._pre = None
        if self._table and tag in ("td", "th") and self._cell is not None:
            self._table[1][-1].append(self._cell)
            self._cell = None
        if tag == "table" and self._table:
            self.tables[self._table[0]] = self._table[1]
            self._table = None

    def _text(self, data):
        if self._quote is not None:
            self._quote[1] += data
        if self._pre is not None and data != VAR:
            self._pre[1] += data
        if self._cell is not None and data != VAR:
            self._cell += data

    def handle_data(self, data):
        if self._var and self._quote is not None:
            return  # the variable part's own words ("N", "адрес") are not the program's
        self._text(data)


def read_guide(source):
    g = Guide()
    with open(os.path.join(source, GUIDE), encoding="utf-8") as f:
        g.feed(f.read())
    return g


def source_literals(source):
    """Every string literal of the program's sources, adjacent literals joined."""
    literal = r'"(?:[^"\\\n]|\\.)*"'
    chain = re.compile(literal + r'(?:\s*' + literal + r')*')
    one = re.compile(literal)
    texts = []
    for folder in ("src", "tools"):
        for root, _, files in os.walk(os.path.join(source, folder)):
            for name in files:
                if not name.endswith((".cpp", ".h")):
                    continue
                with open(os.path.join(root, name), encoding="utf-8") as f:
                    code = f.read()
                code = re.sub(r"//[^\n]*", lambda m: "" if '"' not in m.group(0)[:2] else m.group(0), code)
                for m in chain.finditer(code):
                    parts = [p[1:-1] for p in one.findall(m.group(0))]
                    text = "".join(parts).replace('\\"', '"').replace("\\n", "\n").replace("\\\\", "\\")
                    texts.append(re.sub(r"%\d", VAR, text))
    return texts


def check_quotes(guide, source, faults):
    texts = source_literals(source)
    # A text with a variable part also matches when the guide shows it filled in ("Строка 1").
    filled = [re.compile("".join(".+" if p == VAR else re.escape(p) for p in re.split("(" + VAR + ")", t)), re.S)
              for t in texts if VAR in t and len(re.sub(r"[\W\d_]", "", t)) >= 4]
    for kind, quote in guide.quotes:
        quote = re.sub(r"\s+", " ", html.unescape(quote))  # as the page shows it
        if quote in DATABASE_TEXTS:
            continue
        pieces = [p for p in quote.split(VAR) if len(p.strip(" .:;,'\"«»—()-")) >= 2]
        for piece in pieces:
            if not any(piece in t for t in texts) and not any(f.fullmatch(piece) for f in filled):
                faults.append(f"<{kind}> «{quote.replace(VAR, '…')}»: «{piece}» is not a text of the program")


def check_links(guide, source, faults):
    base = os.path.join(source, "doc", "guide")
    for href in guide.links:
        if href.startswith("#"):
            if href[1:] not in guide.ids:
                faults.append(f"link {href} leads nowhere")
        elif not re.match(r"[a-z]+:", href) and not os.path.exists(os.path.join(base, href)):
            faults.append(f"link {href}: no such file")
    for src in guide.images:
        if not os.path.isfile(os.path.join(base, src)):
            faults.append(f"picture {src} is missing")


def check_examples(guide, source, faults):
    base = os.path.join(source, "doc", "guide")
    for file, text in guide.examples:
        path = os.path.join(base, file)
        try:
            with open(path, "rb") as f:
                data = f.read()
        except OSError as e:
            faults.append(f"example {file}: {e}")
            continue
        if b"\r\n" not in data or data.replace(b"\r\n", b"").count(b"\n"):
            faults.append(f"example {file}: lines must end with CR LF")
        shown = data.decode("cp1251").replace("\r\n", "\n")
        if shown != text:
            faults.append(f"example {file} differs from what the guide shows")
    for key, rows in guide.tables.items():
        if key.endswith(".dbf"):
            import dbfread
            table = dbfread.DBF(os.path.join(base, key), encoding="cp866", char_decode_errors="strict")
            read = [list(table.field_names)] + [["" if v is None else str(v) for v in r.values()] for r in table]
            if read != rows:
                faults.append(f"example {key} differs from the guide's table:\n  file:  {read}\n  guide: {rows}")


def check_images(guide, shots, faults):
    for src in guide.images:
        name = os.path.basename(src)
        if not os.path.isfile(os.path.join(shots, name)):
            faults.append(f"the screenshot script made no {name}")


def check_sheet(guide, xls, faults):
    import xlrd
    rows = guide.tables.get("sheet:first rows")
    if not rows:
        faults.append("the guide shows no spreadsheet example")
        return
    sheet = xlrd.open_workbook(xls).sheet_by_index(0)

    def cell(r, c):
        v = sheet.cell_value(r, c)
        return str(int(v)) if isinstance(v, float) and v == int(v) else str(v)

    read = [[cell(r, c) for c in range(len(rows[0]))] for r in range(len(rows))]
    if read != rows:
        faults.append(f"the spreadsheet example differs from the export:\n  export: {read}\n  guide:  {rows}")


def make_dbf(guide, source):
    """A dBase III table with the goods export's fields, text in code page 866."""
    rows = guide.tables["examples/tovary.dbf"]
    fields = [("PRODNAME", "C", 28), ("PRODINFO", "C", 28), ("UNITPRICE", "N", 11), ("USEBYDATE", "C", 8),
              ("TAREWEIGHT", "N", 6), ("PRODCODE", "N", 11), ("PRODGROUP", "N", 11)]
    assert rows[0] == [f[0] for f in fields], rows[0]
    records = rows[1:]
    header_len = 32 + 32 * len(fields) + 1
    record_len = 1 + sum(f[2] for f in fields)
    today = datetime.date(2026, 12, 9)
    out = bytearray(struct.pack("<BBBBIHH", 3, today.year - 1900, today.month, today.day, len(records),
                                header_len, record_len))
    out += bytes(17) + bytes([0x26]) + bytes(2)  # language driver "DB866ru0"
    for name, kind, width in fields:
        out += name.encode("ascii").ljust(11, b"\0") + kind.encode() + bytes(4) + bytes([width, 0]) + bytes(14)
    out += b"\r"
    for rec in records:
        out += b" "
        for (name, kind, width), value in zip(fields, rec):
            data = value.encode("cp866")
            out += data.rjust(width) if kind == "N" else data.ljust(width)
    out += b"\x1a"
    with open(os.path.join(source, "doc", "guide", "examples", "tovary.dbf"), "wb") as f:
        f.write(out)


def main(argv):
    if len(argv) < 3 or argv[1] not in ("check", "images", "sheet", "make-dbf"):
        print(__doc__, file=sys.stderr)
        return 2
    command, source = argv[1], argv[2]
    guide = read_guide(source)
    faults = []
    if command == "check":
        check_links(guide, source, faults)
        check_examples(guide, source, faults)
        check_quotes(guide, source, faults)
    elif command == "images":
        check_images(guide, argv[3], faults)
    elif command == "sheet":
        check_sheet(guide, argv[3], faults)
    else:
        make_dbf(guide, source)
    for fault in faults:
        print("guide: " + fault)
    if command == "check":
        print(f"{len(guide.quotes)} program texts, {len(guide.examples)} example files, "
              f"{len(guide.images)} pictures, {len(guide.links)} links checked")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
