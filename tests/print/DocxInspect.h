#pragma once
// Reading a written .docx back in tests: its parts, and the tables of its body with every
// cell's text and the properties of every run.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

namespace DocxInspect {

struct Run
{
    QString text;
    QString fontAscii, fontHAnsi, fontCs;
    bool bold = false, italic = false, strike = false, underline = false;
    int halfPoints = 0, halfPointsCs = 0;
    QStringList propertyOrder; // local names of the rPr children, in order
};

struct Cell
{
    QString text; // the texts of every run of every paragraph, paragraphs joined by "\n"
    QList<Run> runs;
    bool endsWithParagraph = false;
};

using Row = QList<Cell>;
using Table = QList<Row>;

struct Document
{
    QMap<QString, QByteArray> parts; // every part, uncompressed
    QList<Table> tables;             // top-level tables of the body, in order
    QStringList paraIds;             // every w14:paraId
    QStringList bookmarkNames;       // every bookmarkStart name, in order
    QStringList bookmarkIds;         // every bookmarkStart id, in order
    QString rootAttributes;          // the document element's attributes, "name=value;…"
};

// Reads `path`; fails the current test (QVERIFY) and returns false when it cannot.
bool read(const QString& path, Document& out);

// The texts of one column of a table (rows `from` on).
QStringList column(const Table& table, int column, int from = 0);

// Writes a zip file from named parts, in order (tests build templates and hostile archives);
// `stored` keeps the parts uncompressed, so that a test can find and damage their bytes.
bool writeZip(const QString& path, const QList<QPair<QString, QByteArray>>& parts, bool stored = false);

// A minimal package around a document.xml (content types, relations, styles).
QList<QPair<QString, QByteArray>> minimalPackage(const QByteArray& documentXml);

} // namespace DocxInspect
