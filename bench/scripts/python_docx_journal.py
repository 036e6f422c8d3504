#!/usr/bin/python3
"""The journal filled with python-docx (Debian's python3-docx) through its public API, for
comparison with bench_journal: the same template and the same Журнал_All rows.

    /usr/bin/python3 python_docx_journal.py --db BGD.mdb --template "Шаблон журнала.docx" \
        --out journal-python-docx.docx [--rows 1000]

python-docx has no public bookmark API, so the tables are taken by position: the first table of
the template holds the rules list, the second the journal (rows: header, column numbers, the
first data row). Table.add_row() slows down as the table grows, hence 1,000 rows by default.
"""
import argparse
import time

from docx import Document
from docx.shared import Pt

from journal_rows import RULES, read_rows


def type_text(cell, text):
    run = cell.paragraphs[0].add_run(text)
    font = run.font
    font.name = "Times New Roman"
    font.size = Pt(10)
    font.bold = False
    font.italic = False
    font.underline = False
    font.strike = False


def fill(template, rows, out):
    doc = Document(template)
    rules, journal = doc.tables[0], doc.tables[1]
    row = journal.rows[2]
    for fio, prev, day, nxt in rows:
        cells = row.cells
        type_text(cells[0], fio)
        type_text(cells[1], prev)
        type_text(cells[2], day)
        type_text(cells[5], nxt)
        row = journal.add_row()  # as the cursor enters the next row past the last one
    row = rules.rows[0]
    for i, line in enumerate(RULES):
        type_text(row.cells[0], line)
        if i + 1 < len(RULES):
            row = rules.add_row()
    doc.save(out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--db", required=True)
    parser.add_argument("--template", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--rows", type=int, default=1000)
    parser.add_argument("--repeat", type=int, default=3)
    args = parser.parse_args()
    times = []
    for _ in range(args.repeat):
        start = time.perf_counter()
        rows = read_rows(args.db, args.rows)
        fill(args.template, rows, args.out)
        times.append(time.perf_counter() - start)
    times.sort()
    median = times[len(times) // 2]
    print("python-docx: %d rows, median %.0f ms (%.0f ms per 1,000 rows) over %d runs"
          % (len(rows), median * 1000, median * 1000 * 1000 / max(len(rows), 1), len(times)))


if __name__ == "__main__":
    main()
