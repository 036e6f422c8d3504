#!/usr/bin/python3
"""The journal filled by cloning table rows with lxml, for comparison with bench_journal: the
same template, the same Журнал_All rows (50,000 by default), the same run properties, the zip
written with zlib's default level.

    /usr/bin/python3 lxml_journal.py --db BGD.mdb --template "Шаблон журнала.docx" \
        --out journal-lxml.docx [--rows 50000]
"""
import argparse
import copy
import time
import zipfile

from lxml import etree

from journal_rows import RULES, read_rows

W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
W14 = "http://schemas.microsoft.com/office/word/2010/wordml"
NS = {"w": W}


def q(name):
    return "{%s}%s" % (W, name)


def run_properties():
    rpr = etree.Element(q("rPr"))
    fonts = etree.SubElement(rpr, q("rFonts"))
    for attr in ("ascii", "hAnsi", "cs"):
        fonts.set(q(attr), "Times New Roman")
    for name in ("b", "i", "strike"):
        etree.SubElement(rpr, q(name)).set(q("val"), "0")
    for name in ("sz", "szCs"):
        etree.SubElement(rpr, q(name)).set(q("val"), "20")
    etree.SubElement(rpr, q("u")).set(q("val"), "none")
    return rpr


RPR = run_properties()


def type_text(tc, text):
    if not text:
        return
    p = tc.find(q("p"))
    r = etree.SubElement(p, q("r"))
    r.append(copy.deepcopy(RPR))
    t = etree.SubElement(r, q("t"))
    t.set("{http://www.w3.org/XML/1998/namespace}space", "preserve")
    t.text = text


def empty_copy(tr):
    """The last row copied, its runs emptied, without bookmarks or paragraph ids."""
    new = copy.deepcopy(tr)
    for el in new.iter():
        el.attrib.pop("{%s}paraId" % W14, None)
        el.attrib.pop("{%s}textId" % W14, None)
    for tc in new.findall(q("tc")):
        ps = tc.findall(q("p"))
        for extra in ps[1:]:
            tc.remove(extra)
        for child in list(ps[0]):
            if child.tag != q("pPr"):
                ps[0].remove(child)
    return new


def row_of(root, bookmark):
    start = root.xpath("//w:bookmarkStart[@w:name=$n]", namespaces=NS, n=bookmark)[0]
    return next(a for a in start.iterancestors() if a.tag == q("tr"))


def fill(template, rows, out):
    with zipfile.ZipFile(template) as src:
        root = etree.fromstring(src.read("word/document.xml"))
        tr = row_of(root, "б1")
        pattern = empty_copy(tr)
        table = tr.getparent()
        for fio, prev, day, nxt in rows:
            cells = tr.findall(q("tc"))
            type_text(cells[0], fio)
            type_text(cells[1], prev)
            type_text(cells[2], day)
            type_text(cells[5], nxt)
            tr = copy.deepcopy(pattern)  # the cursor enters a new row past the last one
            table.append(tr)
        tr = row_of(root, "а1")
        pattern = empty_copy(tr)
        for i, line in enumerate(RULES):
            type_text(tr.findall(q("tc"))[0], line)
            if i + 1 < len(RULES):
                new = copy.deepcopy(pattern)
                tr.addnext(new)
                tr = new
        body = etree.tostring(root, xml_declaration=True, encoding="UTF-8", standalone=True)
        with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as dst:
            for info in src.infolist():
                data = body if info.filename == "word/document.xml" else src.read(info.filename)
                dst.writestr(info.filename, data)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--db", required=True)
    parser.add_argument("--template", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--rows", type=int, default=50000)
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
    print("lxml: %d rows, median %.0f ms over %d runs" % (len(rows), median * 1000, len(times)))


if __name__ == "__main__":
    main()
