#include "print/CategoryDocuments.h"

#include "core/Categories.h"
#include "core/Dates.h"
#include "core/Error.h"
#include "data/Db.h"
#include "print/docx/DocxPackage.h"
#include "print/docx/RunFont.h"
#include "print/docx/WordXml.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlQuery>

namespace CategoryDocuments {

namespace {

// Pictures at most 8 cm wide, in EMU (914400 per inch; 96 pixels per inch).
constexpr qint64 EmuPerPixel = 9525;
constexpr qint64 MaxPictureEmu = 2880000;

QByteArray commonPart(const QString& name)
{
    QFile f(QStringLiteral(":/docx-common/") + name);
    if (!f.open(QIODevice::ReadOnly))
        throw zorvek::Error(QStringLiteral("Нет встроенной части документа ") + name + QLatin1Char('.'));
    return f.readAll();
}

// Trailing line ends and blanks of a stored text (the import ends texts with a carriage return).
QString tidy(QString text)
{
    while (!text.isEmpty() && text.back().unicode() <= 32)
        text.chop(1);
    return text;
}

bool isRight(const QString& flag)
{
    const QString f = flag.trimmed();
    return f.startsWith(QStringLiteral("ве")) || f.startsWith(QStringLiteral("Ве"));
}

class Body
{
public:
    Body() : n(Docx::WordNames::standard())
    {
        Docx::RunFont bold;
        bold.bold = true;
        bold.sizePt = 12;
        m_bold = runProperties(bold);
        Docx::RunFont italic;
        italic.italic = true;
        italic.sizePt = 12;
        m_italic = runProperties(italic);
    }

    void paragraph(const char* style, const QString& text, const std::string& rPr = std::string())
    {
        open(style);
        Docx::appendRunXml(xml, n, rPr, text);
        close();
    }

    void answer(int number, const Answer& a)
    {
        open("Answer");
        Docx::appendRunXml(xml, n, std::string(),
                           QString::number(number) + QStringLiteral(") ") + tidy(a.text));
        if (!a.flag.trimmed().isEmpty())
            Docx::appendRunXml(xml, n, isRight(a.flag) ? m_bold : m_italic,
                               QStringLiteral(" — ") + a.flag.trimmed());
        close();
    }

    void picture(const QString& relationId, int number, const QSize& pixels)
    {
        qint64 cx = pixels.width() * EmuPerPixel;
        qint64 cy = pixels.height() * EmuPerPixel;
        if (cx > MaxPictureEmu) {
            cy = cy * MaxPictureEmu / cx;
            cx = MaxPictureEmu;
        }
        const std::string id = std::to_string(number);
        const std::string ext = "cx=\"" + std::to_string(cx) + "\" cy=\"" + std::to_string(cy) + "\"";
        open("Caption");
        xml += "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent " +
               ext + "/><wp:docPr id=\"" + id + "\" name=\"Рисунок " + id +
               "\"/><a:graphic xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
               "<a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
               "<pic:pic xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:nvPicPr>"
               "<pic:cNvPr id=\"" +
               id + "\" name=\"image" + id +
               ".png\"/><pic:cNvPicPr/></pic:nvPicPr>"
               "<pic:blipFill><a:blip r:embed=\"" +
               relationId.toStdString() +
               "\"/><a:stretch><a:fillRect/>"
               "</a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext " +
               ext +
               "/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic>"
               "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
        close();
    }

    std::string runProperties(const Docx::RunFont& font) const { return Docx::runPropertiesXml(n, font); }

    QByteArray document() const
    {
        return QByteArray(
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                   "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
                   "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\">"
                   "<w:body>") +
               QByteArray::fromStdString(xml) +
               "<w:sectPr><w:footerReference w:type=\"default\" r:id=\"rId4\"/><w:pgSz w:w=\"11906\" "
               "w:h=\"16838\"/><w:pgMar w:top=\"1134\" w:right=\"850\" "
               "w:bottom=\"1134\" w:left=\"1418\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/>"
               "</w:sectPr></w:body></w:document>";
    }

private:
    void open(const char* style)
    {
        xml += "<w:p><w:pPr><w:pStyle w:val=\"";
        xml += style;
        xml += "\"/></w:pPr>";
    }
    void close() { xml += "</w:p>"; }

    Docx::WordNames n;
    std::string xml;
    std::string m_bold;
    std::string m_italic;
};

} // namespace

QList<Section> readBank(const QSqlDatabase& bank)
{
    QList<Section> sections;
    for (int s = 1; s <= Categories::SectionCount; ++s) {
        const QString table = Categories::sectionTableName(s);
        if (!Db::hasTable(bank, table))
            continue;
        Section section;
        section.number = s;
        QSqlQuery q =
            Db::exec(bank, QStringLiteral("SELECT Индекс, Вопрос, Фото, Ответ_1, Верно_Неверно_1, Ответ_2, "
                                          "Верно_Неверно_2, Ответ_3, Верно_Неверно_3 FROM ") +
                               table + QStringLiteral(" ORDER BY Индекс"));
        while (q.next()) {
            Question question;
            question.index = q.value(0).toInt();
            question.text = q.value(1).toString();
            question.picture = q.value(2).toByteArray();
            for (int a = 0; a < 3; ++a) {
                const QString text = q.value(3 + 2 * a).toString();
                const QString flag = q.value(4 + 2 * a).toString();
                if (!text.trimmed().isEmpty() || !flag.trimmed().isEmpty())
                    question.answers << Answer{text, flag};
            }
            section.questions << question;
        }
        sections << section;
    }
    return sections;
}

void write(const QString& path, const QString& category, const QList<Section>& sections,
           const QDateTime& made)
{
    Body body;
    QList<QPair<QString, QByteArray>> pictures; // (part name, PNG)
    QString relations;
    body.paragraph("Title", QStringLiteral("Вопросы для проверки знаний"));
    body.paragraph("Subtitle", category);
    body.paragraph("Caption", QStringLiteral("Составлено по банку вопросов категории ") +
                                  Dates::toText(made.date()) + QStringLiteral(" в ") +
                                  made.time().toString(QStringLiteral("hh:mm")) + QLatin1Char('.'));
    body.paragraph("Caption",
                   QStringLiteral("Перечень вопросов с вариантами ответов. Правильные ответы отмечены словом "
                                  "«Верно», неправильные — словом «Неверно»."));
    int total = 0;
    for (const Section& section : sections) {
        if (section.questions.isEmpty())
            continue;
        body.paragraph("Heading1", QStringLiteral("Раздел %1").arg(section.number));
        for (const Question& q : section.questions) {
            ++total;
            body.paragraph("Question", tidy(q.text));
            if (!q.picture.isEmpty()) {
                QImage image;
                if (image.loadFromData(q.picture)) {
                    const int number = int(pictures.size()) + 1;
                    QByteArray png;
                    QBuffer buffer(&png);
                    buffer.open(QIODevice::WriteOnly);
                    image.save(&buffer, "PNG");
                    const QString id = QStringLiteral("rIdPicture%1").arg(number);
                    pictures << qMakePair(QStringLiteral("word/media/image%1.png").arg(number), png);
                    relations +=
                        QStringLiteral(
                            "<Relationship Id=\"%1\" Type=\"http://schemas.openxmlformats.org/"
                            "officeDocument/2006/relationships/image\" Target=\"media/image%2.png\"/>")
                            .arg(id)
                            .arg(number);
                    body.picture(id, number, image.size());
                }
            }
            for (int a = 0; a < q.answers.size(); ++a)
                body.answer(a + 1, q.answers.at(a));
        }
    }
    if (total == 0)
        body.paragraph("BodyText", QStringLiteral("В банке вопросов этой категории нет вопросов."));
    body.paragraph("Caption",
                   QStringLiteral("Всего вопросов: %1. Составлено программой «Классификатор ЗОРВЕК» по банку "
                                  "вопросов категории %2 в %3.")
                       .arg(total)
                       .arg(Dates::toText(made.date()), made.time().toString(QStringLiteral("hh:mm"))));

    QByteArray types = commonPart(QStringLiteral("[Content_Types].xml"));
    types.replace("</Types>", "  <Default Extension=\"png\" ContentType=\"image/png\"/>\n</Types>");
    QByteArray rels = commonPart(QStringLiteral("word/_rels/document.xml.rels"));
    QByteArray core = commonPart(QStringLiteral("docProps/core.xml"));
    core.replace("2024-01-01T00:00:00Z", made.toUTC().toString(Qt::ISODate).toUtf8());
    rels.replace("</Relationships>", QByteArray(relations.toUtf8() + "</Relationships>"));
    QList<QPair<QString, QByteArray>> parts = {
        {QStringLiteral("[Content_Types].xml"), types},
        {QStringLiteral("_rels/.rels"), commonPart(QStringLiteral("_rels/.rels"))},
        {QStringLiteral("docProps/app.xml"), commonPart(QStringLiteral("docProps/app.xml"))},
        {QStringLiteral("docProps/core.xml"), core},
        {QStringLiteral("word/_rels/document.xml.rels"), rels},
        {QStringLiteral("word/document.xml"), body.document()},
        {QStringLiteral("word/fontTable.xml"), commonPart(QStringLiteral("word/fontTable.xml"))},
        {QStringLiteral("word/footer1.xml"), commonPart(QStringLiteral("word/footer1.xml"))},
        {QStringLiteral("word/settings.xml"), commonPart(QStringLiteral("word/settings.xml"))},
        {QStringLiteral("word/styles.xml"), commonPart(QStringLiteral("word/styles.xml"))},
    };
    parts << pictures;
    Docx::saveNewPackage(path, parts);
}

} // namespace CategoryDocuments
