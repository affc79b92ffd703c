#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz targets into fuzz/corpus/<target>/."""
import os
import struct
import sys

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'fuzz', 'corpus')


def put(target, name, data):
    d = os.path.join(root, target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), 'wb') as f:
        f.write(data)


def cp1251(s):
    return s.encode('cp1251')


# --- profile files ---
goods_text = cp1251('[1]\r\nNPLU=1\r\nTNAME1=Молоко\r\nTNAME2=2,5%\r\nPRICE=1550\r\nUBDATE=5\r\n'
                    'TARA=0\r\nCODE=321\r\nGROUPCODE=7\r\n[Main]\r\nRecordCount=1\r\n')
put('fuzz_profile_file', 'goods.txt', goods_text)
put('fuzz_profile_file', 'ports.ini', b'[Ports]\r\nCOM1=/dev/ttyS0\r\nCOM2 = "/dev/ttyUSB0"\r\n')
put('fuzz_profile_file', 'utf8.ini', '\ufeff[Окно]\nЛево=0x10\nВерх=$20\n; note\n'.encode('utf-8'))
put('fuzz_profile_file', 'odd.ini', b'pre=amble\r\n[a]\r\nk=\'v\'\r\n[A]\r\nK=2\r\n[b\r\nnokey\r\n=empty\r\n')

# --- semicolon files and goods text (byte 0 picks goods csv, messages csv, goods text) ---
put('fuzz_csv', 'goods.csv', b'\x00' + '12;Молоко;;1550;5;0;321;7;\r\n1;Хлеб;белый;3200;2;10;100;1;\r\n'.encode('utf-8'))
put('fuzz_csv', 'goods1251.csv', b'\x00' + cp1251('3;Сыр;;99999;;;;;extra\n'))
put('fuzz_csv', 'messages.csv', b'\x01' + '5;Свежий хлеб каждый день с 8 утра, приходите!;\r\n'.encode('utf-8'))
put('fuzz_csv', 'goods.txt', b'\x02' + goods_text)

# --- dBase ---
fields = [(b'PRODNAME', b'C', 28, 0), (b'PRODINFO', b'C', 28, 0), (b'UNITPRICE', b'N', 10, 0),
          (b'USEBYDATE', b'N', 5, 0), (b'TAREWEIGHT', b'N', 6, 0), (b'PRODCODE', b'N', 10, 0),
          (b'PRODGROUP', b'N', 5, 0)]


def dbf(records, driver=0x26):
    reclen = 1 + sum(f[2] for f in fields)
    hlen = 32 + 32 * len(fields) + 1
    out = bytearray(struct.pack('<BBBBIHH', 3, 126, 12, 8, len(records), hlen, reclen))
    out += b'\x00' * 17 + bytes([driver]) + b'\x00\x00'
    for name, typ, width, dec in fields:
        out += name.ljust(11, b'\x00') + typ + b'\x00' * 4 + bytes([width, dec]) + b'\x00' * 14
    out += b'\x0d'
    for deleted, values in records:
        out += b'*' if deleted else b' '
        for (name, typ, width, dec), v in zip(fields, values):
            v = v.encode('cp866')
            out += v.ljust(width) if typ == b'C' else v.rjust(width)
    out += b'\x1a'
    return bytes(out)


put('fuzz_dbf', 'empty.dbf', dbf([]))
put('fuzz_dbf', 'goods.dbf', dbf([(False, ['Молоко', '2,5%', '1550', '5', '0', '321', '7']),
                                  (True, ['Старое', '', '1', '', '', '', '']),
                                  (False, ['Хлеб', '', '3200.00', '', '10', '100', ''])], driver=0x65))

# --- bitmaps ---


def bmp(w, h, bits, pixel, top_down=False):
    stride = (w * bits + 31) // 32 * 4
    row = (pixel * w).ljust(stride, b'\x00')
    data = row * h
    head = b'BM' + struct.pack('<IHHI', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, -h if top_down else h, 1, bits, 0, len(data), 2835, 2835, 0, 0)
    return head + info + data


put('fuzz_bitmap', 'white24.bmp', bmp(4, 3, 24, b'\xff\xff\xff'))
put('fuzz_bitmap', 'black32.bmp', bmp(2, 2, 32, b'\x00\x00\x00\x00', top_down=True))
put('fuzz_bitmap', 'grey24.bmp', bmp(70, 65, 24, b'\x80\x80\x80'))
# 1-bit, handed to Qt's reader
pal = b'\x00\x00\x00\x00\xff\xff\xff\x00'
data1 = b'\x80\x00\x00\x00' * 2
put('fuzz_bitmap', 'mono1.bmp', b'BM' + struct.pack('<IHHI', 62 + len(data1), 0, 0, 62)
    + struct.pack('<IiiHHIIiiII', 40, 2, 2, 1, 1, 0, len(data1), 0, 0, 2, 2) + pal + data1)

# --- scale replies ---
goods_reply = bytes([0xAA]) + bytes(range(1, 102))
put('fuzz_goods_reply', 'goods.bin', goods_reply)
put('fuzz_goods_reply', 'message.bin', bytes([0xAA]) + b'A' * 400)
put('fuzz_goods_reply', 'settings.bin', bytes([0xAA, 1, 0, 0, 3, 2, 10, 0, 200, 0]))
put('fuzz_goods_reply', 'totals.bin', bytes([0xAA]) + bytes(range(40)))
put('fuzz_goods_reply', 'logo.bin', bytes([0xAA]) + b'\x55' * 512)

# --- tables of other programs (byte 0: 0/2 goods, 1 messages, 3 read as a dBase file) ---
put('fuzz_tabular', 'header.csv', b'\x00' + 'Код;Наименование;Цена, грн\r\n7;"Молоко ""Ферма""; 2,5%";12,50\r\n8;Хлеб;1 234,50\r\n'.encode('utf-8'))
put('fuzz_tabular', 'comma.csv', b'\x02' + b'\xef\xbb\xbfPLU,Name,Price\n7,"Milk, 2.5%",12.50\n8,Bread,"1,234.50"\n')
put('fuzz_tabular', 'messages.csv', b'\x01' + cp1251('Номер;Текст\r\n3;"Свежий\r\nхлеб"\r\n'))
put('fuzz_tabular', 'unicode.txt', b'\x00' + 'Номер\tНазва\tЦіна\r\n7\tМолоко\t12,5\r\n'.encode('utf-16'))


def tiny_xlsx():
    import io
    import zipfile
    parts = {
        '[Content_Types].xml': '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>',
        'xl/workbook.xml': '<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
                           'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>'
                           '<sheet name="Цены" sheetId="1" r:id="rId1"/></sheets></workbook>',
        'xl/_rels/workbook.xml.rels': '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                                      '<Relationship Id="rId1" Type="worksheet" Target="worksheets/sheet1.xml"/></Relationships>',
        'xl/sharedStrings.xml': '<?xml version="1.0"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
                                '<si><t>Код</t></si><si><r><t>Наимен</t></r><r><t>ование</t></r></si><si><t>Цена</t></si></sst>',
        'xl/worksheets/sheet1.xml': '<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
                                    '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="C1" t="s"><v>2</v></c></row>'
                                    '<row r="2"><c r="A2"><v>7</v></c><c r="B2" t="inlineStr"><is><t>Молоко</t></is></c><c r="C2"><v>12.5</v></c></row>'
                                    '</sheetData></worksheet>',
    }
    out = io.BytesIO()
    with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED) as z:
        for name, text in parts.items():
            info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
            z.writestr(info, text.encode('utf-8'), zipfile.ZIP_DEFLATED)
    return out.getvalue()


put('fuzz_tabular', 'book.xlsx', b'\x00' + tiny_xlsx())

# --- exchange: state index, range bytes, cursor byte, then (control, length, bytes)* ---


def packets(*ps):
    out = b''
    for control, p in ps:
        out += bytes([control | (len(p) >> 8), len(p) & 0xff]) + p
    return out


put('fuzz_handle_reply', 'goods_read.bin', bytes([9, 0, 2, 0]) + packets((0, b'\x80'), (0, goods_reply), (0, b'\xAA'), (0, goods_reply)))
put('fuzz_handle_reply', 'goods_write.bin', bytes([10, 0, 2, 0]) + packets((0, b'\x80'), (0, b'\xAA'), (0x40, b'\xEE'), (0, b'\x00\x80')))
put('fuzz_handle_reply', 'messages_read.bin', bytes([11, 0, 1, 0]) + packets((0, b'\x80'), (0, bytes([0xAA]) + b'B' * 200), (0, b'C' * 200)))
put('fuzz_handle_reply', 'settings_read.bin', bytes([0, 0, 0, 0]) + packets((0, b'\x80'), (0, bytes([0xAA, 1, 0, 0, 3, 2, 10, 0, 200, 0])), (0, b'\x80'), (0, bytes([0xAA]) + b'Shop\x00' + b'\x00' * 51)))
put('fuzz_handle_reply', 'logo_read.bin', bytes([2, 0, 0, 0]) + packets((0, b'\x80'), (0, bytes([0xAA]) + b'\x0f' * 300), (0, b'\xf0' * 212)))
put('fuzz_handle_reply', 'check.bin', bytes([3, 0, 0, 0]) + packets((0x20, b'\x80'), (0x40, b'x')))
put('fuzz_handle_reply', 'state.bin', bytes([14, 0, 0, 0]) + packets((0, b'\x80'), (0, bytes([0xAA]) + bytes(15))))
put('fuzz_handle_reply', 'totals.bin', bytes([13, 0, 0, 0]) + packets((0, b'\x80'), (0, bytes([0xAA]) + bytes(range(40)))))
put('fuzz_handle_reply', 'clock.bin', bytes([7, 0, 0, 0]) + packets((0, b'\x80'), (0, b'\xAA'), (0, b'\x80'), (0, b'\xAA')))

# --- serial blocks ---
put('fuzz_serial_blocks', 'poll.bin', b'\x80')
put('fuzz_serial_blocks', 'zeros.bin', b'\x00' * 64)
put('fuzz_serial_blocks', 'reply.bin', goods_reply + b'\x11\x13\x0d\x0a\x7f\x03\x1c')
sys.exit(0)
