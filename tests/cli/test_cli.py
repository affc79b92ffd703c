#!/usr/bin/env python3
"""tevo-cli end to end: the real program as a process, on a real database file, against
tevo-scalesim processes over loopback TCP and a pseudo-terminal.

  test_cli.py BIN_DIR

Bytes that go out are checked at the simulator (its --dump JSON) against the goods record,
message and settings layouts written out here byte by byte, with Python's own cp1125 codec as
the scale code page. Every command runs at least once; each exit status is seen.
"""
import json
import zipfile
import os
import pty
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time
import unittest

BIN = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else os.path.join(os.getcwd(), "bin")

# The texts checked here are Russian, the language of any locale but Ukrainian and English: a
# machine whose own locale is one of those runs the tests in C.UTF-8 all the same.
os.environ.update(LC_ALL="C.UTF-8", LANG="C.UTF-8")
os.environ.pop("LANGUAGE", None)
os.environ.pop("LC_MESSAGES", None)


def le(n, width):
    return (n & ((1 << (8 * width)) - 1)).to_bytes(width, "little")


def digits6(text):
    """A six-digit code: zero-padded, units digit first."""
    return bytes(int(c) for c in reversed(text.rjust(6, "0")[:6]))


def scale_text(text, width):
    return text.encode("cp1125").ljust(width, b"\0")[:width]


def goods_record(plu, name1="", name2="", price=0, days=0, tare=0, code="", group="", message=0):
    """The 85-byte goods write request (shelf life as a day count)."""
    return (b"\x82" + le(plu, 4) + digits6(code) + scale_text(name1, 28) + scale_text(name2, 28) + le(price, 4)
            + bytes([0, days // 100, (days % 100 // 10) * 16 + days % 10]) + le(tare, 2) + digits6(group)
            + le(message, 2) + b"\0")


class Sim:
    """One tevo-scalesim: TCP (port) or a pseudo-terminal (path)."""

    def __init__(self, folder, name, *args, pty=False):
        self.dump = os.path.join(folder, name + ".json")
        cmd = [os.path.join(BIN, "tevo-scalesim"), "--pty" if pty else "--port", *([] if pty else ["0"]),
               "--dump", self.dump, *args]
        self.process = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        first = self.process.stdout.readline().strip()
        if pty:
            self.path = first
        else:
            assert first.startswith("port "), first
            self.port = int(first[5:])

    def held(self):
        with open(self.dump, encoding="utf-8") as f:
            return json.load(f)

    def records(self):
        return {g["plu"]: bytes.fromhex(g["record"]) for g in self.held()["goods"]}

    def stop(self):
        self.process.terminate()
        self.process.wait(10)
        self.process.stdout.close()


class CliTest(unittest.TestCase):
    def setUp(self):
        # The program's folder is where its executable is: it runs from a copy in a scratch one,
        # with the database, the dBase template and SerialPorts.ini beside it.
        self.folder = tempfile.mkdtemp(prefix="tevo-cli-")
        self.cli = os.path.join(self.folder, "tevo-cli")
        shutil.copy(os.path.join(BIN, "tevo-cli"), self.cli)
        self.db = os.path.join(self.folder, "TevoDataBase.gdb")
        initdb = os.path.join(BIN, "tevo-initdb")
        subprocess.run([initdb, self.db], check=True, capture_output=True)
        subprocess.run([initdb, "--dbf-template-if-missing", os.path.join(self.folder, "dorvask.dll")], check=True,
                       capture_output=True)
        self.sims = []

    def tearDown(self):
        for s in self.sims:
            s.stop()
        shutil.rmtree(self.folder, ignore_errors=True)

    def sim(self, *args, pty=False):
        s = Sim(self.folder, "sim%d" % len(self.sims), *args, pty=pty)
        self.sims.append(s)
        return s

    def sql(self, statement, params=()):
        with sqlite3.connect(self.db) as c:
            return c.execute(statement, params).fetchall()

    def scales(self, *sims, selected=True):
        """One row of S per simulator, named "Касса 1" …; a pseudo-terminal one is COM3."""
        ports = []
        for i, s in enumerate(sims):
            if hasattr(s, "path"):
                ports.append("[Ports]\r\nCOM3=%s\r\n" % s.path)
                ip, port = "COM3", 9600
            else:
                ip, port = "127.0.0.1", s.port
            self.sql("INSERT INTO S (U, W, NAME, IP, PORT, SG) VALUES (?, ?, ?, ?, ?, '')",
                     ("T" if selected else "F", "T", "Касса %d" % (i + 1), ip, port))
        if ports:
            with open(os.path.join(self.folder, "SerialPorts.ini"), "w") as f:
                f.write("".join(ports))

    def run_cli(self, *args, timeout=60):
        p = subprocess.run([self.cli, *args], capture_output=True, text=True, timeout=timeout)
        return p.returncode, p.stdout, p.stderr

    def run_on_terminal(self, *args):
        """Runs with standard error on a pseudo-terminal; returns (status, stdout, terminal bytes)."""
        master, slave = pty.openpty()
        p = subprocess.Popen([self.cli, *args], stdout=subprocess.PIPE, stderr=slave)
        os.close(slave)
        seen = b""
        while True:
            try:
                chunk = os.read(master, 4096)
            except OSError:  # the program has closed its end
                break
            if not chunk:
                break
            seen += chunk
        os.close(master)
        out = p.stdout.read().decode()
        p.stdout.close()
        return p.wait(30), out, seen

    def expect(self, args, status, out=None, err=None):
        rc, stdout, stderr = self.run_cli(*args)
        self.assertEqual(rc, status, "%s\nstdout: %s\nstderr: %s" % (args, stdout, stderr))
        if out is not None:
            self.assertIn(out, stdout, args)
        if err is not None:
            self.assertIn(err, stderr, args)
        return stdout, stderr

    # --- exchanges --------------------------------------------------------------------------

    def test_goods_write_tcp_and_pty_refusal_and_silence(self):
        a, b = self.sim(), self.sim("--refuse", "goods:2")
        serial = self.sim(pty=True)
        self.scales(a, b, serial)
        self.sql("UPDATE T SET TNAME1='Хлеб', PRICE=4550, UBDATE='5', CODE=123, GROUPCODE=7, MESSAGE=2 WHERE NPLU=1")
        self.sql("UPDATE T SET TNAME1='Milk', TNAME2='2,5%', PRICE=150000, TARA=20 WHERE NPLU=2")
        out, _ = self.expect(["write-goods", "--range", "1-3"], 3, out="Весы «Касса 2» (127.0.0.1:%d) отказались принять PLU: 2" % b.port)
        expected = {1: goods_record(1, "Хлеб", price=4550, days=5, code="123", group="7", message=2),
                    2: goods_record(2, "Milk", "2,5%", price=150000, tare=20), 3: goods_record(3)}
        self.assertEqual(a.records(), expected)
        self.assertEqual(serial.records(), expected)
        self.assertEqual(b.records(), {1: expected[1], 3: expected[3]})
        self.assertIn("Весы «Касса 2» (127.0.0.1:%d): 3 из 3; не приняты: 2" % b.port, out)

        # Only the scales named, by row and by name; U stays as it is.
        silent = self.sim("--silent")
        self.sql("UPDATE S SET U='F'")
        self.sql("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('F', 'F', 'Тихие', '127.0.0.1', ?)", (silent.port,))
        started = time.monotonic()
        rc, out, terminal = self.run_on_terminal("write-goods", "--range", "4", "--scales", "1,тихие", "--timeout", "1")
        self.assertEqual(rc, 3, out)
        self.assertIn("Весы «Тихие» (127.0.0.1:%d) не отвечают: сделано 0 из 1." % silent.port, out)
        self.assertLess(time.monotonic() - started, 10)
        # On a terminal the progress is a bar redrawn in place, cleared before the report.
        self.assertIn(b"\r\x1b[K[", terminal)
        self.assertTrue(terminal.endswith(b"\r\x1b[K"), terminal[-80:])
        self.assertIn(4, a.records())
        self.assertNotIn(4, b.records())
        self.assertEqual(self.sql("SELECT U FROM S"), [("F",)] * 4)

        # Nothing selected, and no --scales: the window's refusal.
        self.expect(["write-goods"], 2, err="Не выбраны ни одни весы!")

    def test_changed_only_verify_and_who_is_behind(self):
        a, b = self.sim(), self.sim()
        self.scales(a, b)
        self.sql("UPDATE T SET TNAME1='Товар ' || NPLU, PRICE=NPLU * 100 WHERE NPLU <= 5")
        self.expect(["write-goods", "--range", "1-5"], 0)
        self.sql("UPDATE T SET PRICE=777 WHERE NPLU=2")
        out, _ = self.expect(["write-goods", "--range", "1-5", "--changed"], 0,
                             out="Весы «Касса 1» (127.0.0.1:%d): отправлено 1, уже были в весах 4" % a.port)
        self.assertIn("Весы «Касса 2» (127.0.0.1:%d): отправлено 1, уже были в весах 4" % b.port, out)
        self.assertEqual(a.records()[2], goods_record(2, "Товар 2", price=777))

        self.sql("UPDATE T SET PRICE=333 WHERE NPLU=3")
        rc, stdout, _ = self.run_cli("scales", "--json")
        self.assertEqual(rc, 0)
        rows = json.loads(stdout)["scales"]
        self.assertEqual([(r["goodsBehind"], r["messagesBehind"]) for r in rows], [(1, 0), (1, 0)])
        self.assertTrue(rows[0]["answered"] and rows[0]["goodsWritten"])
        self.expect(["scales"], 0, out="отстаёт: 1 товар")

        # The check names goods 3, the field and both values, exits 3 and leaves T as it is.
        rc, stdout, _ = self.run_cli("verify", "goods", "--range", "1-5", "--json")
        self.assertEqual(rc, 3, stdout)
        found = json.loads(stdout)["verify"]
        self.assertFalse(found["matches"])
        for scale in found["scales"]:
            self.assertEqual(scale["differences"], [{"number": 3, "kind": "differs", "field": "PRICE",
                                                     "database": "333", "scale": "300"}])
        self.assertIn("Весы «Касса 1» (127.0.0.1:%d): 1 расхождение из 5" % a.port, found["message"])
        self.assertEqual(self.sql("SELECT PRICE FROM T WHERE NPLU=3"), [(333,)])
        self.expect(["write-goods", "--range", "1-5", "--changed"], 0, out="отправлено 1, уже были в весах 4")
        self.expect(["verify", "goods", "--range", "1-5"], 0, out="Весы «Касса 2» (127.0.0.1:%d): 0 расхождений из 5" % b.port)

        # A scale that does not answer: status 3, named in the list.
        b.stop()
        self.sims.remove(b)
        out, _ = self.expect(["verify", "goods", "--range", "1-5", "--timeout", "1"], 3,
                             out="Весы «Касса 2» (127.0.0.1:%d) не ответили: сверка не сделана." % b.port)
        self.expect(["verify", "messages", "--range", "1-3", "--scales", "1"], 0,
                    out="Весы «Касса 1» (127.0.0.1:%d): 0 расхождений из 3" % a.port)

    def test_slow_and_stuck_scales(self):
        # Answers 300 ms late, polls too, beside a quick scale: each record goes out once, the
        # refusal is named, the success text is not shown.
        slow, quick = self.sim("--delay", "300", "--refuse", "goods:5"), self.sim()
        self.scales(slow, quick)
        self.expect(["write-goods", "--range", "1-10", "--fast"], 3, out="Весы «Касса 1» (127.0.0.1:%d) отказались принять PLU: 5" % slow.port)
        self.assertEqual(sorted(slow.records()), [1, 2, 3, 4, 6, 7, 8, 9, 10])
        self.assertEqual(sorted(quick.records()), list(range(1, 11)))
        self.assertEqual(slow.held()["requests"], 10)

        # Answers its polls, never the logo: --timeout is the time without a step done.
        mute = self.sim("--never-answer", "logo")
        self.sql("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('F', 'T', 'Немые', '127.0.0.1', ?)", (mute.port,))
        pbm = os.path.join(self.folder, "logo.pbm")
        with open(pbm, "w") as f:
            f.write("P1\n64 64\n" + "\n".join(" ".join("1" if x == y else "0" for x in range(64)) for y in range(64)))
        started = time.monotonic()
        self.expect(["write-logo", "--image", pbm, "--scale", "3", "--timeout", "3"], 3,
                    out="Весы «Немые» (127.0.0.1:%d) не отвечают: сделано 0 из 1." % mute.port)
        self.assertLess(time.monotonic() - started, 30)
        self.assertLessEqual(mute.held()["requests"], 2)

    def test_channel_faults_are_named_at_the_start(self):
        good = self.sim()
        self.scales(good)
        missing = os.path.join(self.folder, "no-such-tty")
        with open(os.path.join(self.folder, "SerialPorts.ini"), "w") as f:
            f.write("[Ports]\r\nCOM5=%s\r\n" % missing)
        self.sql("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('T', 'T', 'Касса 2', '', 0)")
        rule = "номер порта TCP должен быть целым числом от 1 до 65535"
        cases = [  # the row's IP and PORT, its address as the texts name it, the reason
            ("127.0.0.1", good.port + 65536, "127.0.0.1:%d" % (good.port + 65536),
             "порт «%d» — %s" % (good.port + 65536, rule)),
            ("127.0.0.1", -1, "127.0.0.1:-1", "порт «-1» — " + rule),
            ("127.0.0.1", good.port, "127.0.0.1:%d" % good.port,
             "127.0.0.1:%d — этот адрес и порт уже у строки 1 «Касса 1»" % good.port),
            ("COM5", 9600, "COM5@9600", "порт COM5: нет устройства " + missing),
            ("scale-1", 5001, "scale-1:5001", "«scale-1» — это не IP-адрес"),
        ]
        for ip, port, address, reason in cases:
            with self.subTest(ip=ip, port=port):
                self.sql("UPDATE S SET IP=?, PORT=? WHERE NAME='Касса 2'", (ip, port))
                rc, stdout, stderr = self.run_cli("write-goods", "--range", "1-2", "--json")
                self.assertEqual(rc, 3, stderr)
                report = json.loads(stdout)["report"]
                self.assertFalse(report["complete"])
                self.assertIn("Весы «Касса 2» (%s) в строке 2 недоступны: %s" % (address, reason), report["message"])
                self.assertIn(reason, report["scales"][1]["unreachable"])
                self.assertEqual(report["scales"][0]["taken"], 2)
                self.assertEqual(sorted(good.records()), [1, 2])

        # Said while the exchange still runs, not at its end.
        silent = self.sim("--silent")
        self.sql("UPDATE S SET PORT=? WHERE NAME='Касса 1'", (silent.port,))
        p = subprocess.Popen([self.cli, "write-goods", "--range", "1", "--timeout", "60"], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True)
        try:
            line = p.stderr.readline()
            while "в строке 2" not in line and line:
                line = p.stderr.readline()
            self.assertIn("Весы «Касса 2» (scale-1:5001) в строке 2 недоступны: «scale-1» — это не IP-адрес", line)
            self.assertIsNone(p.poll())
        finally:
            p.terminate()
            p.communicate(timeout=30)

    def test_reads_store_rows_and_print_readouts(self):
        load = os.path.join(self.folder, "scale.json")
        with open(load, "w", encoding="utf-8") as f:
            json.dump({"goods": [{"plu": 2, "name1": "Сир", "price": "9900", "code": "55", "sum": 700, "count": 3}],
                       "messages": [{"number": 1, "lines": ["Строка один", "", "", "", "", "", "", "два"]}],
                       "state": {"grams": 1500, "price": 10000, "cost": 15000, "plu": 7},
                       "totals": {"runCounter": 11, "salesCount": 16777215, "freePlu": 3990, "freeMessages": 999}},
                      f, ensure_ascii=False)
        s = self.sim("--load", load)
        self.scales(s, selected=False)
        out, _ = self.expect(["read-goods", "--range", "1-2", "--scale", "Касса 1"], 0, out="нет в весах: 1")
        self.assertIn("Запрошенные PLU успешно считаны", out)
        self.assertEqual(self.sql("SELECT TNAME1, PRICE, CODE, OSUM, OCOUNTPROD FROM T WHERE NPLU=2"),
                         [("Сир", 9900, 55, 700, 3)])
        self.assertEqual(self.sql("SELECT TNAME1 FROM T WHERE NPLU=1"), [(None,)])
        self.expect(["read-messages", "--range", "1", "--scale", "1"], 0, out="Запрошенные сообщения успешно считаны")
        self.assertEqual(self.sql("SELECT M1, M8 FROM M WHERE NPLU=1"), [("Строка один", "два")])

        rc, stdout, _ = self.run_cli("state", "--scale", "1", "--json")
        self.assertEqual(rc, 0)
        doc = json.loads(stdout)
        self.assertEqual(doc["state"], {"grams": 1500, "price": 10000, "cost": 15000, "plu": 7})
        self.assertEqual(doc["status"], 0)
        self.assertEqual(doc["report"]["scales"][0]["name"], "Касса 1")
        out, _ = self.expect(["totals", "--scale", "1"], 0, out="Кол-во продаж: 16777215")
        self.assertIn("Кол-во свободных PLU: 3990", out)
        self.assertIn("Счетчик пробега: 11", out)

    def test_messages_clock_settings_logo_byte_exact(self):
        first, second = self.sim(), self.sim()
        self.scales(first, second)
        self.sql("UPDATE M SET M1='Годен 5 суток', M2=? WHERE NPLU=2", ("x" * 60,))
        self.expect(["write-messages", "--range", "2", "--scales", "2"], 0, out="Все сообщения успешно записаны")
        raw = bytes.fromhex(second.held()["messages"][0]["raw"])
        self.assertEqual(raw, scale_text("Годен 5 суток", 50) + b"x" * 50 + b"\0" * 300)
        self.assertEqual(first.held()["messages"], [])

        self.expect(["set-clock"], 0, out="Дата и время синхронизированы с компьютером.")
        today = {time.strftime("%d.%m.%y", time.localtime(t)) for t in (time.time() - 60, time.time())}
        self.assertIn(first.held()["date"], today)
        self.assertIn(second.held()["date"], today)

        # A picture to the first scale, read back with the settings, the file into the second.
        pbm = os.path.join(self.folder, "logo.pbm")
        with open(pbm, "w") as f:
            f.write("P1\n64 64\n" + "\n".join(" ".join("1" if x == y or x == 0 else "0" for x in range(64))
                                              for y in range(64)) + "\n")
        self.expect(["write-logo", "--image", pbm, "--scale", "1"], 0, out="Логотип успешно записан.")
        rows = ["".join("#" if x == y or x == 0 else "." for x in range(64)) for y in range(64)]
        self.assertEqual(first.held()["logo"], rows)

        settings = os.path.join(self.folder, "settings.ini")
        with open(settings, "w", encoding="utf-8") as f:
            f.write("[Settings]\nDepartment=123\nLabelFormat=29\nBarcode=3\nPrintShift=7\nAutoPrintWeight=300\n"
                    "PrintPackingTime=1\nPriceChange=1\n[Header]\nLine1=\"  Магазин Юг \"\nLine2=ул. Мира, 1\n")
        self.expect(["write-settings", "--from", settings, "--scales", "Касса 1"], 0,
                    out="Настройки пользователя успешно переданы.")
        held = first.held()
        self.assertEqual(held["settings"]["raw"], "030201290307812c01")
        self.assertEqual(bytes.fromhex(held["header"]["raw"]),
                         scale_text("  Магазин Юг ", 28) + scale_text("ул. Мира, 1", 28))

        copy = os.path.join(self.folder, "copy.ini")
        self.expect(["read-settings", "--scale", "1", "--to", copy], 0, out="Настройки пользователя успешно считаны.")
        self.expect(["write-settings", "--from", copy, "--scales", "2"], 0)
        self.expect(["write-logo", "--image", copy, "--scale", "2"], 0)
        again = second.held()
        for key in ("settings", "header"):
            self.assertEqual(again[key]["raw"], held[key]["raw"], key)
        self.assertEqual(again["logo"], rows)
        # Without --to the file goes to standard output, readable as the INI it is.
        rc, stdout, _ = self.run_cli("read-settings", "--scale", "2")
        self.assertEqual(rc, 0)
        self.assertIn("Department=123", stdout)
        self.assertIn("LabelFormat=29", stdout)

    def test_check_and_load(self):
        on, off = self.sim(), self.sim("--silent")
        self.scales(on, off)
        out, _ = self.expect(["check"], 3, out="Проверка связи окончена. Обнаружено включеных 1 весов.")
        self.assertIn("Касса 2: не отвечает", out)
        self.assertEqual(self.sql("SELECT U, W FROM S"), [("F", "T"), ("F", "F")])

        goods = os.path.join(self.folder, "goods.txt")
        with open(goods, "wb") as f:
            f.write("[1]\r\nNPLU=3\r\nTNAME1=Кефир\r\nPRICE=8800\r\n[Main]\r\nRecordCount=1\r\n".encode("cp1251"))
        out, _ = self.expect(["load", goods, "--fast"], 0, out="Все PLU успешно записаны в весы 2")
        # U := W; the loaded number and RecordCount + 1, as the automatic load makes them.
        self.assertEqual(self.sql("SELECT U FROM S"), [("T",), ("F",)])
        self.assertEqual(on.records(), {3: goods_record(3, "Кефир", price=8800), 2: goods_record(2)})
        self.assertEqual(self.sql("SELECT TNAME1 FROM T WHERE NPLU=3"), [("Кефир",)])
        # A clearing load when no scale answered the last check: the table is rebuilt and
        # loaded, nothing goes out.
        self.sql("UPDATE S SET W='F'")
        rc, stdout, stderr = self.run_cli("load", goods, "--need-clear", "--json")
        self.assertEqual(rc, 3, stderr)
        self.assertIn("Не выбраны ни одни весы!", stderr)
        self.assertEqual(json.loads(stdout)["range"], "1-4000")
        self.assertEqual(self.sql("SELECT count(*), count(TNAME1) FROM T"), [(4000, 1)])
        self.assertEqual(self.sql("SELECT U FROM S"), [("F",), ("F",)])

    def test_history_journals_each_source_and_answers(self):
        """Each change path leaves its entries with its source; the deliveries and the answers."""
        def journal(*extra):
            rc, stdout, stderr = self.run_cli("history", "journal", "--json", *extra)
            self.assertEqual(rc, 0, stderr)
            return [(r["number"], r["field"], r["old"], r["new"], r["source"], r["detail"], r["program"])
                    for r in json.loads(stdout)["rows"]]

        def write(name, text):
            path = os.path.join(self.folder, name)
            with open(path, "wb") as f:
                f.write(text.encode("cp1251"))
            return path

        a = write("a.txt", "[1]\r\nNPLU=1\r\nTNAME1=Молоко\r\nPRICE=2500\r\n[Main]\r\nRecordCount=1\r\n")
        self.expect(["import", "txt", a], 0)
        self.expect(["import", "txt", a], 0)  # the same values again: no entry
        load = os.path.join(self.folder, "scale.json")
        with open(load, "w", encoding="utf-8") as f:
            json.dump({"goods": [{"plu": 1, "name1": "Молоко", "price": "2300"}]}, f, ensure_ascii=False)
        s = self.sim("--load", load)
        self.scales(s)
        self.expect(["read-goods", "--range", "1", "--scale", "1"], 0)
        b = write("b.txt", "[1]\r\nNPLU=1\r\nTNAME1=Молоко\r\nPRICE=2700\r\n[Main]\r\nRecordCount=1\r\n")
        self.expect(["load", b], 0)
        self.maxDiff = None
        self.assertEqual([e for e in journal() if e[1] in ("TNAME1", "PRICE")], [
            (1, "TNAME1", None, "Молоко", "импорт", a, "tevo-cli"),
            (1, "PRICE", None, "2500", "импорт", a, "tevo-cli"),
            (1, "PRICE", "2500", "2300", "чтение из весов", "Касса 1 (127.0.0.1:%d)" % s.port, "tevo-cli"),
            (1, "PRICE", "2300", "2700", "автозагрузка", b, "tevo-cli")])
        self.assertEqual(len(journal("--source", "импорт")), 2)

        # The load wrote goods 1 to the scale: one delivery, with the price in it; a second
        # write of the same record is none.
        self.expect(["write-goods", "--range", "1"], 0)
        rc, stdout, _ = self.run_cli("history", "goods", "--number", "1", "--json")
        line = json.loads(stdout)["rows"]
        self.assertEqual([(r["what"], r["new"]) for r in line if r["what"] == "в весы"], [("в весы", "2700")])
        self.assertIn("Касса 1", line[-1]["source"])
        rc, stdout, _ = self.run_cli("history", "printed", "--scale", "1", "--from", "2000-01-01", "--json")
        self.assertEqual([(r["number"], r["price"], r["until"]) for r in json.loads(stdout)["rows"]],
                         [(1, 2700, None), (2, None, None)])  # the load writes RecordCount + 1 as well

        # The answers: the price now, the lowest of the last 30 days, the revaluation list.
        self.expect(["history", "price", "--number", "1"], 0, out="2700 коп.")
        rc, stdout, _ = self.run_cli("history", "lowest", "--number", "1", "--json")
        self.assertEqual(json.loads(stdout)["rows"], [{"number": 1, "name": "Молоко", "price": 2700, "lowest": 2300}])
        book = os.path.join(self.folder, "reval.xlsx")
        rc, stdout, _ = self.run_cli("history", "revaluations", "--from", "2000-01-01", "--xlsx", book, "--json")
        self.assertEqual([(r["oldPrice"], r["newPrice"]) for r in json.loads(stdout)["rows"]],
                         [(None, 2500), (2500, 2300), (2300, 2700)])
        with zipfile.ZipFile(book) as z:
            self.assertIn("Переоценка", z.read("xl/workbook.xml").decode())
        # Before the journal began it knows nothing; a date that is none is bad input.
        self.expect(["history", "price", "--number", "1", "--date", "2000-01-01"], 2, err="не знает")
        self.expect(["history", "price", "--number", "1", "--date", "31.02.2026"], 2, err="не дата")

        # A rebuild, and the retention setting.
        self.expect(["rebuild", "goods"], 0)
        self.assertEqual([e for e in journal("--source", "пустая таблица") if e[1] in ("TNAME1", "PRICE")],
                         [(1, "TNAME1", "Молоко", None, "пустая таблица", None, "tevo-cli"),
                          (1, "PRICE", "2700", None, "пустая таблица", None, "tevo-cli")])
        self.expect(["history", "keep", "--days", "30"], 0, out="хранится 30 дн.")

    def test_load_and_import_refuse_a_file_that_fails_the_check(self):
        """The whole goods file is checked first: a refused file clears, stores and writes nothing."""
        on = self.sim()
        self.scales(on)
        self.expect(["check"], 0)
        self.sql("UPDATE T SET TNAME1='было' WHERE NPLU IN (1, 2, 3000)")
        before = self.sql("SELECT NPLU, TNAME1, PRICE FROM T ORDER BY NPLU")
        good = "[1]\r\nNPLU=1\r\nTNAME1=Кефир\r\n[2]\r\nNPLU=2\r\nTNAME1=Сыр\r\n[Main]\r\nRecordCount=2\r\n"
        cases = [
            ("empty", b"", "пуст"),
            ("binary", bytes(range(256)) * 64, "не текстовый"),
            ("utf-16", b"\xff\xfe" + good.encode("utf-16-le"), "UTF-16"),
            ("cut short", good[:good.index("[Main]")].encode("cp1251"), "нет раздела [Main]"),
            ("bad price in section 2",
             "[1]\r\nNPLU=1\r\nTNAME1=Кефир\r\n[2]\r\nNPLU=2\r\nPRICE=12x\r\n[Main]\r\nRecordCount=2\r\n".encode("cp1251"),
             "строка 6, раздел [2]: '12x' is not a valid integer value for field 'PRICE'"),
        ]
        path = os.path.join(self.folder, "bad.txt")
        for name, data, says in cases:
            with open(path, "wb") as f:
                f.write(data)
            for args in (["load", path, "--need-clear", "--fast"], ["load", path, "--fast"], ["import", "txt", path]):
                with self.subTest(file=name, args=args[0] + " " + " ".join(args[2:])):
                    rc, stdout, stderr = self.run_cli(*args)
                    self.assertEqual(rc, 2, stderr)
                    self.assertIn(says, stderr)
                    self.assertIn("«%s»" % path, stderr)
                    if args[0] == "load":
                        self.assertIn("Файл не загружен: таблица товаров и весы не изменены.", stderr)
                    self.assertNotIn("успешно", stdout)
                    self.assertNotIn("загружено товаров", stdout)
                    if args[0] == "import" and name == "bad price in section 2":
                        # The text import keeps its rule: the sections before the bad one stay stored.
                        self.assertEqual(self.sql("SELECT TNAME1 FROM T WHERE NPLU=1"), [("Кефир",)])
                        self.sql("UPDATE T SET TNAME1=?, PRICE=? WHERE NPLU=1", before[0][1:])
                    self.assertEqual(self.sql("SELECT NPLU, TNAME1, PRICE FROM T ORDER BY NPLU"), before)
                    self.assertEqual(on.records(), {})

    # --- file commands and the tables --------------------------------------------------------

    def test_file_commands(self):
        f = lambda name: os.path.join(self.folder, name)
        with open(f("goods.csv"), "w", encoding="utf-8") as out:
            out.write("12;Молоко;;1550;5;0;321;7;\n")
        self.expect(["import", "goods-csv", f("goods.csv")], 0)
        self.assertEqual(self.sql("SELECT TNAME1, PRICE, CODE, GROUPCODE FROM T WHERE NPLU=12"),
                         [("Молоко", 1550, 321, 7)])
        with open(f("messages.csv"), "w", encoding="utf-8") as out:
            out.write("4;" + "а" * 30 + ";\n")
        self.expect(["import", "messages-csv", f("messages.csv")], 0)
        self.assertEqual(self.sql("SELECT M1, M2 FROM M WHERE NPLU=4"), [("а" * 24, "а" * 6)])

        self.expect(["data-check"], 0, out="Проверка данных завершена успешно. Ошибок не обнаружено")
        self.sql("UPDATE T SET TARA=5999 WHERE NPLU=12")
        self.expect(["data-check"], 2, out="Ошибки найдены в: Тара Тара; ; строка №12")
        self.sql("UPDATE T SET TARA=0 WHERE NPLU=12")

        self.expect(["export", "txt", f("goods")], 0, out=f("goods.txt"))
        with open(f("goods.txt"), encoding="cp1251") as txt:
            text = txt.read()
        self.assertIn("[12]\r\nNPLU=12\r\nTNAME1=Молоко", text.replace("\n", "\r\n").replace("\r\r", "\r"))
        self.expect(["export", "xls", f("goods.xls")], 0)
        with open(f("goods.xls"), "rb") as xls:
            self.assertEqual(xls.read(2), b"\x09\x08")
        self.expect(["export", "dbf", f("goods.dbf")], 0)
        self.expect(["rebuild", "goods"], 0, out="Пустая таблица успешно создана!")
        self.assertEqual(self.sql("SELECT count(*), count(TNAME1) FROM T"), [(4000, 0)])
        # Nobody is asked on the command line; the report says what was replaced.
        self.expect(["import", "dbf", f("goods.dbf")], 0,
                    out="все товары (4000) заменены товарами из %s (4000)" % f("goods.dbf"))
        self.assertEqual(self.sql("SELECT TNAME1 FROM T WHERE NPLU=12"), [("Молоко",)])
        self.expect(["import", "txt", f("goods.txt")], 0, out="загружено товаров: 1")
        self.expect(["rebuild", "messages"], 0)
        self.assertEqual(self.sql("SELECT count(*), count(M1) FROM M"), [(1000, 0)])


        self.scales(self.sim(), selected=False)
        rc, stdout, _ = self.run_cli("scales", "--json")
        self.assertEqual(rc, 0)
        self.assertEqual(json.loads(stdout)["scales"][0]["NAME"], "Касса 1")

    def test_tabular_import_and_xlsx_export(self):
        f = lambda name: os.path.join(self.folder, name)
        price = lambda name: self.sql("SELECT TNAME1, PRICE FROM T WHERE NPLU=?", (name,))[0]
        header = "Код;Наименование;Цена, грн\r\n"
        with open(f("bad.csv"), "w", encoding="utf-8", newline="") as out:
            out.write(header + "1;Молоко;12,50\r\n2;Кефир;7,2x\r\n3;Сыр;100\r\n")
        with open(f("good.csv"), "w", encoding="cp1251", newline="") as out:
            out.write(header + "1;Молоко;12,50\r\n2;Кефир;7.20\r\n")
        with open(f("odd.csv"), "w", encoding="utf-8", newline="") as out:
            out.write("Art,Bez,Kost\r\n4,Масло,1999\r\n")
        with open(f("ImportMappings.ini"), "w", encoding="cp1251", newline="") as out:
            out.write('[Goods]\r\nodd*.csv="PLU=Art,TNAME1=Bez,PRICE=Kost:коп"\r\n')
        # (arguments, status, text on stdout or stderr, (NPLU, TNAME1, PRICE) stored afterwards)
        cases = [
            (["import", "goods", f("bad.csv"), "--dry-run"], 2,
             "Файл «bad.csv», строка 3, столбец 3 «Цена, грн»: «7,2x» — не число.", (1, None, None)),
            (["import", "goods", f("bad.csv")], 2, "Импорт не выполнен, таблица не изменена", (1, None, None)),
            (["import", "goods", f("good.csv"), "--dry-run"], 0, "строка 2: PLU 1; Название товара 1: Молоко; "
             "Цена (коп.): 1250", (1, None, None)),
            (["import", "goods", f("good.csv"), "--encoding", "cp866"], 2, "«good.csv», строка 1, столбец 1",
             (1, None, None)),
            (["import", "goods", f("good.csv")], 0, "изменено товаров: 2", (2, "Кефир", 720)),
            (["import", "goods", f("odd.csv")], 0, "изменено товаров: 1", (4, "Масло", 1999)),
            (["import", "goods", f("odd.csv"), "--map", "PLU=#1,TNAME1=#2,PRICE=#3"], 0,
             "изменено товаров: 1", (4, "Масло", 199900)),
            (["import", "goods", f("odd.csv"), "--map", "PLU=Art,FOO=Bez"], 2, "FOO", (4, "Масло", 199900)),
            (["import", "goods", f("good.csv"), "--encoding", "koi8"], 2, "неизвестная кодировка", (1, "Молоко", 1250)),
            (["import", "txt", f("good.csv"), "--dry-run"], 2, "--dry-run", (1, "Молоко", 1250)),
            (["import", "goods", f("goods.xlsx"), "--sheet", "Цены"], 2, "нет листа «Цены»", (1, "Молоко", 1250)),
            (["import", "goods", f("nothing.csv")], 2, "Не удаётся открыть файл «%s»." % f("nothing.csv"),
             (1, "Молоко", 1250)),
        ]
        self.expect(["export", "xlsx", f("goods")], 0, out=f("goods.xlsx"))
        for args, status, text, (number, name, kopecks) in cases:
            with self.subTest(args=args[1:]):
                rc, stdout, stderr = self.run_cli(*args)
                self.assertEqual(rc, status, stdout + stderr)
                self.assertIn(text, stdout + stderr)
                self.assertNotIn("\\x", stdout + stderr)
                self.assertEqual(price(number), (name, kopecks))
        rc, stdout, _ = self.run_cli("import", "goods", f("bad.csv"), "--dry-run", "--json")
        report = json.loads(stdout)
        self.assertEqual((rc, report["status"], report["dryRun"], report["rows"]), (2, 2, True, 2))
        self.assertEqual([p["number"] for p in report["preview"]], [1, 3])
        self.assertEqual(report["preview"][0]["values"], {"TNAME1": "Молоко", "PRICE": 1250})
        self.assertEqual(len(report["problems"]), 1)
        rc, stdout, _ = self.run_cli("import", "goods", f("odd.csv"), "--json")
        report = json.loads(stdout)
        self.assertEqual((rc, report["mappingFrom"], report["changed"]), (0, "remembered", 1))
        self.assertEqual(report["columns"], ["Цена (коп.)"])

        # The command line's automatic load takes such a table by its remembered mapping too.
        with open(f("odd2.csv"), "w", encoding="utf-8", newline="") as out:
            out.write("Art,Bez,Kost\r\n5,Хлеб,899\r\n")
        self.expect(["load", f("odd2.csv")], 3, out="диапазон для записи: 5")
        self.assertEqual(price(5), ("Хлеб", 899))

        # The workbook Excel and LibreOffice open: a header row, Cyrillic names, numbers as numbers;
        # and the import reads it back unchanged.
        self.expect(["export", "xlsx", f("goods")], 0, out=f("goods.xlsx"))
        import openpyxl
        sheet = openpyxl.load_workbook(f("goods.xlsx")).active
        rows = list(sheet.iter_rows(values_only=True))
        self.assertEqual(len(rows), 4001)
        titles = list(rows[0])
        self.assertIn("Цена (коп.)", titles)
        row4 = dict(zip(titles, rows[4]))
        self.assertEqual((row4[titles[0]], row4["Название товара 1"], row4["Цена (коп.)"]), (4, "Масло", 1999))
        self.expect(["import", "goods", f("goods.xlsx"), "--sheet", sheet.title], 0,
                    out="ни одного товара не изменилось")

    def test_bad_input_and_failures(self):
        self.scales(self.sim())
        cases = [
            (["write-goods", "--range", "1 -5"], 2, "'' is not a valid integer value"),
            (["write-goods", "--range", "4001"], 2, "Номер 4001 вне диапазона 1 … 4000"),
            (["read-goods", "--range", "1", "--scale", "Касса 9"], 2, "весов «Касса 9» нет в списке весов"),
            (["state", "--scale", "7"], 2, "весов № 7 нет"),
            (["import", "txt", "/nonexistent/goods.txt"], 2, "Cannot open file /nonexistent/goods.txt"),
            (["write-settings", "--from", "/nonexistent.ini"], 2, "Cannot open file /nonexistent.ini"),
            (["load", "/nonexistent.txt"], 2, "Cannot open file"),
            (["scales", "--db", "/nonexistent/TevoDataBase.gdb"], 2, "нет файла базы данных"),
            (["frobnicate"], 2, "неизвестная команда «frobnicate»"),
            (["read-goods", "--scale", "1"], 2, "нужен параметр --range"),
            (["write-goods", "--timeout", "-1"], 2, "--timeout"),
            (["export", "xls", "/nonexistent/goods"], 1, "Cannot create file /nonexistent/goods.xls"),
        ]
        for args, status, text in cases:
            with self.subTest(args=args):
                rc, stdout, stderr = self.run_cli(*args)
                self.assertEqual(rc, status, stderr)
                self.assertIn(text, stderr)
        bad = os.path.join(self.folder, "bad.ini")
        with open(bad, "w") as f:
            f.write("[Settings]\nLabelFormat=21\nDepartmnet=5\n")
        self.expect(["write-settings", "--from", bad], 2, err="неизвестный ключ Departmnet")

    def test_busy_database_and_json(self):
        self.scales(self.sim())
        # Another program holds the write lock, as the window does between an edit and its commit.
        holder = subprocess.Popen([sys.executable, "-c", """
import sqlite3, sys
c = sqlite3.connect(sys.argv[1], isolation_level=None)
c.execute('BEGIN IMMEDIATE')
c.execute("UPDATE T SET TNAME2='из окна' WHERE NPLU=1")
print('holding', flush=True)
sys.stdin.readline()
c.execute('COMMIT')
""", self.db], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        try:
            self.assertEqual(holder.stdout.readline().strip(), "holding")
            self.expect(["scales"], 0, out="Касса 1")  # reading goes on
            csv = os.path.join(self.folder, "goods.csv")
            with open(csv, "w") as f:
                f.write("1;Hleb;\n")
            started = time.monotonic()
            rc, stdout, stderr = self.run_cli("import", "goods-csv", csv, "--json")
            self.assertEqual(rc, 1, stderr)
            self.assertGreater(time.monotonic() - started, 4)
            self.assertIn("база данных занята", stderr)
            doc = json.loads(stdout)
            self.assertEqual(doc["status"], 1)
            self.assertIn("база данных занята", doc["error"])
        finally:
            holder.stdin.write("\n")
            holder.stdin.close()
            holder.wait(10)
        self.assertEqual(self.sql("SELECT TNAME1, TNAME2 FROM T WHERE NPLU=1"), [(None, "из окна")])
        self.expect(["import", "goods-csv", csv], 0)
        self.assertEqual(self.sql("SELECT TNAME1, TNAME2 FROM T WHERE NPLU=1"), [("Hleb", "из окна")])

        rc, stdout, _ = self.run_cli("write-goods", "--range", "1-2", "--json")
        doc = json.loads(stdout)
        self.assertEqual((rc, doc["status"], doc["report"]["end"], doc["report"]["complete"]), (0, 0, "finished", True))
        self.assertEqual(doc["report"]["message"], "Все PLU успешно записаны в весы 2")
        self.assertEqual([s["taken"] for s in doc["report"]["scales"]], [2])

    def test_busy_read_names_the_holder_and_blames_no_scale(self):
        load = os.path.join(self.folder, "scale.json")
        with open(load, "w", encoding="utf-8") as f:
            json.dump({"goods": [{"plu": 1, "name1": "Хлеб"}]}, f, ensure_ascii=False)
        first = self.sim("--load", load)
        self.scales(first)
        silent = self.sim("--silent")
        self.sql("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('F', 'T', 'Касса 2', '127.0.0.1', ?)", (silent.port,))
        for holder in ["другая программа", "окно Tevo", "другая команда tevo-cli"]:
            with self.subTest(holder=holder):
                others = []
                if holder == "окно Tevo":
                    # As the window's lock file: its process number, held with an exclusive flock.
                    others.append(subprocess.Popen([sys.executable, "-c", """
import fcntl, os, sys
f = open(sys.argv[1] + '.lock', 'w')
f.write('%d\\nTevo\\n' % os.getpid())
f.flush()
fcntl.flock(f, fcntl.LOCK_EX)
print('holding', flush=True)
sys.stdin.readline()
""", self.db], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True))
                    self.assertEqual(others[-1].stdout.readline().strip(), "holding")
                elif holder == "другая команда tevo-cli":
                    # A command that runs on: a write to the silent scale.
                    others.append(subprocess.Popen([self.cli, "write-goods", "--range", "1", "--scales", "2",
                                                    "--timeout", "120"], stdin=subprocess.PIPE,
                                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True))
                    self.assertIn("Касса 2", others[-1].stderr.readline())
                # The write lock itself is another program's, as in the window between an edit and its commit.
                others.append(subprocess.Popen([sys.executable, "-c", """
import sqlite3, sys
c = sqlite3.connect(sys.argv[1], isolation_level=None)
c.execute('BEGIN IMMEDIATE')
print('holding', flush=True)
sys.stdin.readline()
""", self.db], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True))
                try:
                    self.assertEqual(others[-1].stdout.readline().strip(), "holding")
                    rc, stdout, stderr = self.run_cli("read-goods", "--range", "1", "--scale", "1")
                    self.assertEqual(rc, 1, stderr)
                    self.assertIn("Tevo ждал 5 с, пока %s сохранит свои изменения" % holder, stderr)
                    self.assertIn("Весы «Касса 1» (127.0.0.1:%d): 0 из 1 — обмен прекращён" % first.port, stdout)
                finally:
                    for p in others:
                        p.terminate()
                        p.communicate(timeout=30)

    def test_language_follows_the_choice_else_the_locale(self):
        """Ukrainian or English by the locale or by the choice the window keeps in its work
        properties file; Russian under any other locale, C.UTF-8 among them."""
        workprop = os.path.join(self.folder, "ScaleTevo_workProp.ini")
        base = {"PATH": os.environ.get("PATH", "/usr/bin:/bin")}
        cases = [  # the choice kept (None: no file), the locale, what help and a refusal say
            (None, {"LANG": "uk_UA.UTF-8"}, "Використання: tevo-cli КОМАНДА", "невідома команда «frob»"),
            (None, {"LANG": "en_US.UTF-8"}, "Usage: tevo-cli COMMAND", "unknown command \"frob\""),
            (None, {"LC_ALL": "C.UTF-8", "LANG": "uk_UA.UTF-8"}, "Использование: tevo-cli КОМАНДА",
             "неизвестная команда «frob»"),
            (None, {"LANG": "de_DE.UTF-8"}, "Использование: tevo-cli КОМАНДА", "неизвестная команда «frob»"),
            ("en", {"LANG": "uk_UA.UTF-8"}, "Usage: tevo-cli COMMAND", "unknown command \"frob\""),
            ("ru", {"LANG": "en_US.UTF-8"}, "Использование: tevo-cli КОМАНДА", "неизвестная команда «frob»"),
            ("uk", {"LC_ALL": "C.UTF-8"}, "Використання: tevo-cli КОМАНДА", "невідома команда «frob»"),
        ]
        for choice, locale, usage, refusal in cases:
            with self.subTest(choice=choice, locale=locale):
                if choice:
                    with open(workprop, "wb") as f:
                        f.write(b"[Parameters]\r\nLanguage=" + choice.encode() + b"\r\n")
                elif os.path.exists(workprop):
                    os.remove(workprop)
                env = dict(base, **locale)
                helped = subprocess.run([self.cli, "--help"], env=env, capture_output=True, text=True, timeout=30)
                self.assertEqual(helped.returncode, 0, helped.stderr)
                self.assertTrue(helped.stdout.startswith(usage), helped.stdout[:200])
                refused = subprocess.run([self.cli, "frob"], env=env, capture_output=True, text=True, timeout=30)
                self.assertEqual(refused.returncode, 2)
                self.assertIn(refusal, refused.stderr)
        # The window's own --help, answered before any window, follows the same choice.
        shutil.copy(os.path.join(BIN, "tevo"), os.path.join(self.folder, "tevo"))
        helped = subprocess.run([os.path.join(self.folder, "tevo"), "--help"], env=dict(base, LC_ALL="C.UTF-8"),
                                capture_output=True, text=True, timeout=30)
        self.assertEqual(helped.returncode, 0, helped.stderr)
        self.assertTrue(helped.stdout.startswith("Використання: tevo [ПАРАМЕТР]"), helped.stdout[:200])

    def test_help_and_version(self):
        rc, stdout, _ = self.run_cli("--help")
        self.assertEqual(rc, 0)
        names = ["scales", "check", "write-goods", "read-goods", "write-messages", "read-messages", "set-clock",
                 "write-settings", "read-settings", "write-logo", "state", "totals", "import", "export", "rebuild",
                 "data-check", "load", "verify"]
        for name in names:
            self.assertIn("  %s " % name, stdout)
            rc, text, _ = self.run_cli(name, "--help")
            self.assertEqual(rc, 0, name)
            self.assertTrue(text.startswith("Использование: tevo-cli " + name), text)
        rc, stdout, _ = self.run_cli("--version")
        self.assertEqual((rc, stdout.split()[0]), (0, "tevo-cli"))
        # Every program answers --version and --help and ends; the window's needs no display
        # (help2man makes the manual pages of these answers at build time).
        bare = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LANG": "C.UTF-8"}
        for program, help_text in (("tevo", "tevo-cli --help"), ("tevo-initdb", "--server"),
                                   ("tevo-scalesim", "--port")):
            version = subprocess.run([os.path.join(BIN, program), "--version"], env=bare, capture_output=True,
                                     text=True, timeout=30)
            self.assertEqual((version.returncode, version.stdout.split()[0]), (0, program), version.stderr)
            helped = subprocess.run([os.path.join(BIN, program), "--help"], env=bare, capture_output=True, text=True,
                                    timeout=30)
            self.assertEqual(helped.returncode, 0, helped.stderr)
            self.assertIn(help_text, helped.stdout)


if __name__ == "__main__":
    unittest.main(verbosity=2)
