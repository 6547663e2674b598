#!/usr/bin/env python3
"""Writes the CSV fixtures of the column-list import tests.

The files are what spreadsheets and other programs write: UTF-8 with and
without a byte-order mark, code page 932 from a Japanese spreadsheet, tab
separated text, quoted names, and damaged files that the import refuses.
Run from this folder: python3 make_fixtures.py
"""
import os

BOM = b'\xef\xbb\xbf'

def write(name, data):
    os.makedirs(os.path.dirname(name) or '.', exist_ok=True)
    with open(name, 'wb') as f:
        f.write(data)

def lines(rows, sep=',', end='\r\n'):
    return ''.join(sep.join(row) + end for row in rows)

SECTION = [
    ['Name', 'SelectProduct', 'B', 'D', 'Lkx', 'AxialForce0', 'AxialForce1', 'AxialForce2', 'AxialForce3', 'AxialForce4'],
    ['１階外壁間柱', '0', '105', '105', '2800', '12', '14', '16', '15', '14'],
    ['２階柱', '0', '120', '120', '2700', '8.5', '10', '12', '8', '10'],
]

# UTF-8 as a spreadsheet saves "CSV UTF-8": mark and CR LF; and as a script writes it.
write('utf8-bom-crlf.csv', BOM + lines(SECTION).encode('utf-8'))
write('utf8-lf.csv', lines(SECTION, end='\n').encode('utf-8'))

# A Japanese spreadsheet's plain "CSV": code page 932, CR LF, every cell
# written, names with characters only code page 932 has (～, ①, half-width kana).
CP932 = [
    ['Name', 'B', 'D', 'Lkx', 'AxialForce0', 'AxialForce1', 'AxialForce2', 'AxialForce3', 'AxialForce4'],
    ['通り①～② ﾎﾟｰﾁ柱', '105', '105', '2600', '10.5', '12', '14', '10', '12'],
    ['髙橋邸 管柱', '120', '120', '2800', '20', '24', '28', '20', '24'],
    ['', '', '', '', '', '', '', '', ''],
]
write('cp932-spreadsheet.csv', lines(CP932).encode('cp932'))

# Tab separated text: commas and quotes in names need no quoting there.
TAB = [
    ['Name', 'B', 'D', 'Lkx', 'AxialForce0'],
    ['柱 A,B 通り', '105', '105', '2800', '12'],
    ['5"角柱', '150', '150', '2800', '30'],
]
write('tab-separated.txt', lines(TAB, sep='\t').encode('utf-8'))

# Names with separators, quotes and line breaks, quoted as RFC 4180 says.
write('quoted-names.csv', (
    'Name,B,D,Lkx,AxialForce0\r\n'
    '"柱, 通り1",105,105,2800,12\r\n'
    '"5""角 ""特注""",150,150,2800,30\r\n'
    '"２行の\r\n名前",120,120,2700,20\r\n'
    '"LF だけの\n改行",105,105,2700,10\r\n'
    'after,105,105,2700,11\r\n').encode('utf-8'))

# Only the names and the five forces, as a frame analysis program exports them.
write('name-and-forces.csv', lines([
    ['Name', 'AxialForce0', 'AxialForce1', 'AxialForce2', 'AxialForce3', 'AxialForce4'],
    ['C1', '12.345', '14', '16', '15', '14'],
    ['C2', '0', '0', '0', '0', '7.5'],
]).encode('utf-8'))

# ---- refused files -----------------------------------------------------------
write('refused/unknown-column.csv', lines([
    ['Name', 'B', 'Width', 'D'],
    ['C1', '105', '3', '105'],
]).encode('utf-8'))
write('refused/not-a-number.csv', lines([
    ['Name', 'B', 'D', 'AxialForce0'],
    ['C1', '105', '105', '12'],
    ['C2', '105', 'abc', '12'],
    ['C3', '105', '105', '"1,5"'],
]).encode('utf-8'))
write('refused/outside-list.csv', lines([
    ['Name', 'SelectProduct', 'SelectGrade2', 'FloorIndex'],
    ['C1', '2', '11', '1'],
    ['C2', '5', '0', '1'],
    ['C3', '0', '0', '7'],
]).encode('utf-8'))
write('refused/negative-size.csv', lines([
    ['Name', 'B', 'D', 'AxialForce0'],
    ['C1', '105', '-105', '12'],
    ['C2', '105', '105', '-12'],
]).encode('utf-8'))
write('refused/unclosed-quote.csv', (
    'Name,B\r\n'
    'C1,105\r\n'
    '"C2,105\r\n'
    'C3,105\r\n').encode('utf-8'))
# Half UTF-8, half code page 932: neither reading takes the whole file.
write('refused/neither-encoding.csv',
      'Name\r\nＣ１\r\n'.encode('utf-8') + 'Ｃ２\r\n'.encode('cp932') + b'\x80\x80\r\n')
# "Unicode text" of a spreadsheet: UTF-16 with its mark.
write('refused/utf16.txt', 'Name\tB\r\nC1\t105\r\n'.encode('utf-16'))
# Twelve bad rows: ten are listed, and how many more there are.
write('refused/many-problems.csv', lines(
    [['Name', 'B']] + [['C%d' % i, 'x%d' % i] for i in range(1, 13)]).encode('utf-8'))
