#!/usr/bin/env python3
"""Writes src/base/fold_tables.cpp, the tables of the text folding and the Han readings, from
the Unicode Character Database that Debian's unicode-data package installs.

Usage: tools/make_fold_tables.py [UCD_DIR] [OUTPUT]
(UCD_DIR defaults to /usr/share/unicode, OUTPUT to src/base/fold_tables.cpp beside tools/)

The folding of a code point, repeated until nothing changes: width forms (<wide>, <narrow>) to
their plain letters, full case folding (statuses C and F), canonical decomposition with the
nonspacing marks dropped, katakana to hiragana. ASCII is left alone: the matcher folds it.
The readings: every Mandarin reading of a Han character (kMandarin first, then kHanyuPinyin),
without tones, u-umlaut written as v, for the characters of the Basic Multilingual Plane.
"""
import bz2
import os
import sys
import unicodedata  # only for stripping tones off the readings, never for the tables

FOLD_LIMIT = 0x20000
READING_LIMIT = 0x10000
BLOCK = 256


def read_lines(path):
    opener = bz2.open if path.endswith('.bz2') else open
    with opener(path, 'rt', encoding='utf-8') as f:
        for line in f:
            yield line.rstrip('\n')


def first_line_version(path):
    for line in read_lines(path):
        return line.lstrip('# ').strip()


def unihan_version(path):
    for line in read_lines(path):
        if line.startswith('# Unicode version:'):
            return line.split(':', 1)[1].strip()
        if not line.startswith('#'):
            return 'unknown'


def load_unicode_data(path):
    category, decomposition = {}, {}
    for line in read_lines(path):
        fields = line.split(';')
        cp = int(fields[0], 16)
        category[cp] = fields[2]
        if fields[5]:
            parts = fields[5].split()
            tag = parts[0] if parts[0].startswith('<') else None
            values = [int(p, 16) for p in (parts[1:] if tag else parts)]
            decomposition[cp] = (tag, values)
    return category, decomposition


def load_case_folding(path):
    folding = {}
    for line in read_lines(path):
        line = line.split('#', 1)[0].strip()
        if not line:
            continue
        code, status, mapping = [f.strip() for f in line.split(';')[:3]]
        if status in ('C', 'F'):
            folding[int(code, 16)] = [int(p, 16) for p in mapping.split()]
    return folding


def fold_step(cp, category, decomposition, folding):
    if cp < 0x80:
        return [cp]
    tag, values = decomposition.get(cp, (None, None))
    if tag in ('<wide>', '<narrow>'):
        return values
    if cp in folding:
        return folding[cp]
    if values is not None and tag is None:
        return values
    if category.get(cp) == 'Mn':
        return []
    if 0x30A1 <= cp <= 0x30F6 or cp in (0x30FD, 0x30FE):
        return [cp - 0x60]
    return [cp]


def fold(cp, category, decomposition, folding):
    text = [cp]
    while True:
        folded = [c for t in text for c in fold_step(t, category, decomposition, folding)]
        if folded == text:
            return text
        text = folded


def toneless(reading):
    reading = unicodedata.normalize('NFD', reading).replace('u\u0308', 'v').replace('U\u0308', 'v')
    plain = ''.join(c for c in reading if not unicodedata.combining(c))
    return plain.lower()


def load_readings(path):
    mandarin, hanyu = {}, {}
    for line in read_lines(path):
        if line.startswith('#') or not line:
            continue
        code, field, value = line.split('\t')
        cp = int(code[2:], 16)
        if cp >= READING_LIMIT:
            continue
        if field == 'kMandarin':
            mandarin[cp] = value.split()
        elif field == 'kHanyuPinyin':
            hanyu[cp] = [r for entry in value.split() for r in entry.split(':', 1)[1].split(',')]
    readings = {}
    for cp in set(mandarin) | set(hanyu):
        seen = []
        for r in mandarin.get(cp, []) + hanyu.get(cp, []):
            plain = toneless(r)
            if plain.isascii() and plain.isalpha() and plain not in seen:
                seen.append(plain)
        if seen:
            readings[cp] = ' '.join(seen)
    return readings


def two_level(values, limit):
    """values: cp -> mapping number (0 absent). Returns the first level and the unique blocks."""
    blocks, first, seen = [], [], {}
    for start in range(0, limit, BLOCK):
        block = tuple(values.get(cp, 0) for cp in range(start, start + BLOCK))
        if block not in seen:
            seen[block] = len(blocks)
            blocks.append(block)
        first.append(seen[block])
    return first, blocks


def pool(strings):
    """Returns the starts (one more than strings) and the bytes of every string, in order."""
    starts, data = [0], bytearray()
    for s in strings:
        data += s.encode('utf-8')
        starts.append(len(data))
    return starts, bytes(data)


def c_array(name, ctype, values, per_line=16):
    rows = [', '.join(str(v) for v in values[i:i + per_line]) for i in range(0, len(values), per_line)]
    return 'const %s %s[%d] = {\n    %s,\n};\n' % (ctype, name, len(values), ',\n    '.join(rows))


def c_bytes(name, data):
    return c_array(name, 'unsigned char', list(data) or [0], 24)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ucd = sys.argv[1] if len(sys.argv) > 1 else '/usr/share/unicode'
    output = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, '..', 'src', 'base', 'fold_tables.cpp')
    category, decomposition = load_unicode_data(os.path.join(ucd, 'UnicodeData.txt'))
    folding = load_case_folding(os.path.join(ucd, 'CaseFolding.txt'))
    readings = load_readings(os.path.join(ucd, 'Unihan_Readings.txt.bz2'))

    fold_strings, fold_numbers, fold_values = [], {}, {}
    for cp in range(0x80, FOLD_LIMIT):
        if 0xD800 <= cp <= 0xDFFF:
            continue
        folded = fold(cp, category, decomposition, folding)
        if folded == [cp]:
            continue
        text = ''.join(chr(c) for c in folded)
        if text not in fold_numbers:
            fold_strings.append(text)
            fold_numbers[text] = len(fold_strings)  # 0 is "unchanged"
        fold_values[cp] = fold_numbers[text]
    reading_strings, reading_numbers, reading_values = [], {}, {}
    for cp in sorted(readings):
        text = readings[cp]
        if text not in reading_numbers:
            reading_strings.append(text)
            reading_numbers[text] = len(reading_strings)
        reading_values[cp] = reading_numbers[text]

    fold_first, fold_blocks = two_level(fold_values, FOLD_LIMIT)
    reading_first, reading_blocks = two_level(reading_values, READING_LIMIT)
    fold_starts, fold_data = pool([''] + fold_strings)
    reading_starts, reading_data = pool([''] + reading_strings)

    out = ['// Generated by tools/make_fold_tables.py from the Unicode Character Database: do not edit.\n',
           '// %s; UnicodeData.txt and Unihan_Readings.txt of Unicode %s.\n' % (
               first_line_version(os.path.join(ucd, 'CaseFolding.txt')),
               unihan_version(os.path.join(ucd, 'Unihan_Readings.txt.bz2'))),
           '#include "base/fold_tables.h"\n\nnamespace fold_tables {\n\n',
           'const char DataVersion[] = "%s";\n\n' % unihan_version(os.path.join(ucd, 'Unihan_Readings.txt.bz2')),
           c_array('FoldBlockOf', 'std::uint8_t' if len(fold_blocks) < 256 else 'std::uint16_t', fold_first),
           'const std::uint16_t FoldBlocks[%d][%d] = {\n' % (len(fold_blocks), BLOCK)]
    for block in fold_blocks:
        out.append('    {%s},\n' % ', '.join(str(v) for v in block))
    out.append('};\n')
    out.append(c_array('FoldStarts', 'std::uint16_t', fold_starts))
    out.append(c_bytes('FoldBytes', fold_data))
    out.append(c_array('ReadingBlockOf', 'std::uint8_t' if len(reading_blocks) < 256 else 'std::uint16_t',
                       reading_first))
    out.append('const std::uint16_t ReadingBlocks[%d][%d] = {\n' % (len(reading_blocks), BLOCK))
    for block in reading_blocks:
        out.append('    {%s},\n' % ', '.join(str(v) for v in block))
    out.append('};\n')
    out.append(c_array('ReadingStarts', 'std::uint16_t', reading_starts))
    out.append(c_bytes('ReadingBytes', reading_data))
    out.append('\n} // namespace fold_tables\n')
    with open(output, 'w', encoding='utf-8', newline='\n') as f:
        f.write(''.join(out))
    print('%d folded code points in %d blocks, %d read Han characters in %d blocks' % (
        len(fold_values), len(fold_blocks), len(reading_values), len(reading_blocks)), file=sys.stderr)


if __name__ == '__main__':
    main()
