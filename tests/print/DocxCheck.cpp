#include "DocxCheck.h"

#include <QMap>
#include <QSet>
#include <QUrl>
#include <cstring>
#include <map>
#include <pugixml.hpp>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <string>
#include <vector>
#include <zlib.h>

namespace DocxCheck {

namespace {

constexpr const char* WordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* Word2010Ns = "http://schemas.microsoft.com/office/word/2010/wordml";
constexpr const char* RelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* DrawingNs = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
constexpr const char* CompatibilityNs = "http://schemas.openxmlformats.org/markup-compatibility/2006";

// The children of each property element in schema order. Names on one rank may repeat and
// come in any order among themselves (written "a|b").
// clang-format off
const std::map<std::string, std::vector<const char*>>& schemaOrder()
{
    static const std::map<std::string, std::vector<const char*>> order = {
        {"pPr",
         {"pStyle", "keepNext", "keepLines", "pageBreakBefore", "framePr", "widowControl", "numPr",
          "suppressLineNumbers", "pBdr", "shd", "tabs", "suppressAutoHyphens", "kinsoku", "wordWrap",
          "overflowPunct", "topLinePunct", "autoSpaceDE", "autoSpaceDN", "bidi", "adjustRightInd", "snapToGrid",
          "spacing", "ind", "contextualSpacing", "mirrorIndents", "suppressOverlap", "jc", "textDirection",
          "textAlignment", "textboxTightWrap", "outlineLvl", "divId", "cnfStyle", "rPr", "sectPr", "pPrChange"}},
        {"rPr",
         {"ins", "del", "moveFrom", "moveTo", "rStyle", "rFonts", "b", "bCs", "i", "iCs", "caps", "smallCaps",
          "strike", "dstrike", "outline", "shadow", "emboss", "imprint", "noProof", "snapToGrid", "vanish",
          "webHidden", "color", "spacing", "w", "kern", "position", "sz", "szCs", "highlight", "u", "effect", "bdr",
          "shd", "fitText", "vertAlign", "rtl", "cs", "em", "lang", "eastAsianLayout", "specVanish", "oMath",
          "rPrChange"}},
        {"tblPr",
         {"tblStyle", "tblpPr", "tblOverlap", "bidiVisual", "tblStyleRowBandSize", "tblStyleColBandSize", "tblW",
          "jc", "tblCellSpacing", "tblInd", "tblBorders", "shd", "tblLayout", "tblCellMar", "tblLook",
          "tblCaption", "tblDescription", "tblPrChange"}},
        {"tcPr",
         {"cnfStyle", "tcW", "gridSpan", "hMerge", "vMerge", "tcBorders", "shd", "noWrap", "tcMar",
          "textDirection", "tcFitText", "vAlign", "hideMark", "headers", "cellIns", "cellDel", "cellMerge",
          "tcPrChange"}},
        {"sectPr",
         {"headerReference|footerReference", "footnotePr", "endnotePr", "type", "pgSz", "pgMar", "paperSrc",
          "pgBorders", "lnNumType", "pgNumType", "cols", "formProt", "vAlign", "noEndnote", "titlePg",
          "textDirection", "bidi", "rtlGutter", "docGrid", "printerSettings", "sectPrChange"}},
        {"tblBorders", {"top", "left|start", "bottom", "right|end", "insideH", "insideV"}},
        {"tcBorders", {"top", "left|start", "bottom", "right|end", "insideH", "insideV", "tl2br", "tr2bl"}},
        {"tblCellMar", {"top", "left|start", "bottom", "right|end"}},
        {"tcMar", {"top", "left|start", "bottom", "right|end"}},
        {"docDefaults", {"rPrDefault", "pPrDefault"}},
        {"style",
         {"name", "aliases", "basedOn", "next", "link", "autoRedefine", "hidden", "uiPriority", "semiHidden",
          "unhideWhenUsed", "qFormat", "locked", "personal", "personalCompose", "personalReply", "rsid", "pPr",
          "rPr", "tblPr", "trPr", "tcPr", "tblStylePr"}},
        {"settings",
         {"writeProtection", "view", "zoom", "removePersonalInformation", "removeDateAndTime",
          "doNotDisplayPageBoundaries", "displayBackgroundShape", "printPostScriptOverText",
          "printFractionalCharacterWidth", "printFormsData", "embedTrueTypeFonts", "embedSystemFonts",
          "saveSubsetFonts", "saveFormsData", "mirrorMargins", "alignBordersAndEdges",
          "bordersDoNotSurroundHeader", "bordersDoNotSurroundFooter", "gutterAtTop", "hideSpellingErrors",
          "hideGrammaticalErrors", "activeWritingStyle", "proofState", "formsDesign", "attachedTemplate",
          "linkStyles", "stylePaneFormatFilter", "stylePaneSortMethod", "documentType", "mailMerge",
          "revisionView", "trackRevisions", "doNotTrackMoves", "doNotTrackFormatting", "documentProtection",
          "autoFormatOverride", "styleLockTheme", "styleLockQFSet", "defaultTabStop", "autoHyphenation",
          "consecutiveHyphenLimit", "hyphenationZone", "doNotHyphenateCaps", "showEnvelope", "summaryLength",
          "clickAndTypeStyle", "defaultTableStyle", "evenAndOddHeaders", "bookFoldRevPrinting",
          "bookFoldPrinting", "bookFoldPrintingSheets", "drawingGridHorizontalSpacing",
          "drawingGridVerticalSpacing", "displayHorizontalDrawingGridEvery", "displayVerticalDrawingGridEvery",
          "doNotUseMarginsForDrawingGridOrigin", "drawingGridHorizontalOrigin", "drawingGridVerticalOrigin",
          "doNotShadeFormData", "noPunctuationKerning", "characterSpacingControl", "printTwoOnOne",
          "strictFirstAndLastChars", "noLineBreaksAfter", "noLineBreaksBefore", "savePreviewPicture",
          "doNotValidateAgainstSchema", "saveInvalidXml", "ignoreMixedContent", "alwaysShowPlaceholderText",
          "doNotDemarcateInvalidXml", "saveXmlDataOnly", "useXSLTWhenSaving", "saveThroughXslt", "showXMLTags",
          "alwaysMergeEmptyNamespace", "updateFields", "hdrShapeDefaults", "footnotePr", "endnotePr", "compat",
          "docVars", "rsids", "mathPr", "attachedSchema", "themeFontLang", "clrSchemeMapping",
          "doNotIncludeSubdocsInStats", "doNotAutoCompressPictures", "forceUpgrade", "captions",
          "readModeInkLockDown", "smartTagType", "schemaLibrary", "shapeDefaults", "doNotEmbedSmartTags",
          "decimalSymbol", "listSeparator"}},
    };
    return order;
}
// clang-format on

// Rank of `local` among the children of `container`; -1 when the schema has no such child.
int rankOf(const std::vector<const char*>& order, const std::string& local, bool* repeatable)
{
    for (size_t i = 0; i < order.size(); ++i) {
        const std::string names = order[i];
        size_t from = 0;
        for (;;) {
            const size_t bar = names.find('|', from);
            if (names.compare(from, bar == std::string::npos ? std::string::npos : bar - from, local) == 0) {
                *repeatable = names.find('|') != std::string::npos;
                return int(i);
            }
            if (bar == std::string::npos)
                break;
            from = bar + 1;
        }
    }
    return -1;
}

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// The prefix `root` binds to `uri` ("" for the default namespace); false when unbound.
bool prefixFor(const pugi::xml_node& root, const char* uri, std::string& prefix)
{
    for (const pugi::xml_attribute& a : root.attributes()) {
        if (std::strcmp(a.value(), uri) != 0)
            continue;
        if (std::strcmp(a.name(), "xmlns") == 0) {
            prefix.clear();
            return true;
        }
        if (std::strncmp(a.name(), "xmlns:", 6) == 0) {
            prefix = a.name() + 6;
            return true;
        }
    }
    return false;
}

// The local name of `name` when it carries `prefix` ("" for the default namespace); empty otherwise.
std::string localIn(const char* name, const std::string& prefix, bool bound)
{
    if (!bound)
        return {};
    const char* colon = std::strchr(name, ':');
    if (prefix.empty())
        return colon ? std::string() : std::string(name);
    if (!colon || size_t(colon - name) != prefix.size() ||
        std::strncmp(name, prefix.c_str(), prefix.size()) != 0)
        return {};
    return colon + 1;
}

struct Package
{
    QMap<QString, QByteArray> parts;
    QStringList problems;

    void fault(const QString& part, const QString& what) { problems << part + QStringLiteral(": ") + what; }
};

bool parse(Package& pkg, const QString& name, pugi::xml_document& doc)
{
    const QByteArray& data = pkg.parts[name];
    const pugi::xml_parse_result r = doc.load_buffer(data.constData(), size_t(data.size()));
    if (!r)
        pkg.fault(name, QStringLiteral("XML не разбирается: ") + QString::fromUtf8(r.description()) +
                            QStringLiteral(" (позиция ") + QString::number(r.offset) + QLatin1Char(')'));
    return bool(r);
}

void readZip(const QString& path, Package& pkg)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) {
        pkg.fault(path, QStringLiteral("не zip-архив"));
        return;
    }
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        zip.getCurrentFileInfo(&info);
        if (pkg.parts.contains(info.name))
            pkg.fault(info.name, QStringLiteral("часть встречается в архиве дважды"));
        QuaZipFile f(&zip);
        if (!f.open(QIODevice::ReadOnly)) {
            pkg.fault(info.name, QStringLiteral("не открывается"));
            continue;
        }
        const QByteArray data = f.readAll();
        f.close();
        const quint32 crc =
            quint32(crc32(0L, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
        if (crc != info.crc)
            pkg.fault(info.name, QStringLiteral("контрольная сумма не сходится с оглавлением архива"));
        if (quint64(data.size()) != info.uncompressedSize)
            pkg.fault(info.name, QStringLiteral("размер не сходится с оглавлением архива"));
        if (!info.name.endsWith(QLatin1Char('/')))
            pkg.parts.insert(info.name, data);
    }
    if (zip.getZipError() != UNZ_OK)
        pkg.fault(path, QStringLiteral("оглавление архива повреждено"));
}

// The content types: every part covered, every Override pointing at a part. Returns the
// content type of each part.
QMap<QString, QString> checkContentTypes(Package& pkg)
{
    QMap<QString, QString> types;
    const QString name = QStringLiteral("[Content_Types].xml");
    pugi::xml_document doc;
    if (!pkg.parts.contains(name)) {
        pkg.fault(name, QStringLiteral("части нет"));
        return types;
    }
    if (!parse(pkg, name, doc))
        return types;
    QMap<QString, QString> defaults, overrides; // lower-case extension / part name -> type
    for (const pugi::xml_node& e : doc.document_element().children()) {
        if (std::strcmp(e.name(), "Default") == 0)
            defaults.insert(QString::fromUtf8(e.attribute("Extension").value()).toLower(),
                            QString::fromUtf8(e.attribute("ContentType").value()));
        else if (std::strcmp(e.name(), "Override") == 0)
            overrides.insert(QString::fromUtf8(e.attribute("PartName").value()).toLower(),
                             QString::fromUtf8(e.attribute("ContentType").value()));
    }
    QSet<QString> lowerParts;
    for (auto it = pkg.parts.cbegin(); it != pkg.parts.cend(); ++it) {
        lowerParts.insert(QLatin1Char('/') + it.key().toLower());
        if (it.key() == name)
            continue;
        const QString key = QLatin1Char('/') + it.key().toLower();
        const QString ext = it.key().section(QLatin1Char('.'), -1).toLower();
        if (overrides.contains(key))
            types.insert(it.key(), overrides.value(key));
        else if (it.key().contains(QLatin1Char('.')) && defaults.contains(ext))
            types.insert(it.key(), defaults.value(ext));
        else
            pkg.fault(it.key(), QStringLiteral("нет типа содержимого в [Content_Types].xml"));
    }
    for (auto it = overrides.cbegin(); it != overrides.cend(); ++it) {
        if (!lowerParts.contains(it.key()))
            pkg.fault(name, QStringLiteral("Override для отсутствующей части ") + it.key());
    }
    return types;
}

// The part a relationship target names, relative to the folder of `source`.
QString resolveTarget(const QString& source, const QString& target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    QStringList segments;
    if (!decoded.startsWith(QLatin1Char('/')))
        segments = source.section(QLatin1Char('/'), 0, -2, QString::SectionSkipEmpty)
                       .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& s : decoded.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (s == QLatin1String(".."))
            segments.isEmpty() ? void() : segments.removeLast();
        else if (s != QLatin1String("."))
            segments << s;
    }
    return segments.join(QLatin1Char('/'));
}

// The content type a part must have when a relationship of this type points at it (the last
// segment of the relationship type); empty for types not checked. "image/" stands for any picture.
QString typeForRelationship(const QString& relationshipType)
{
    static const QMap<QString, QString> types = {
        {QStringLiteral("officeDocument"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml")},
        {QStringLiteral("styles"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml")},
        {QStringLiteral("settings"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml")},
        {QStringLiteral("fontTable"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml")},
        {QStringLiteral("footer"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml")},
        {QStringLiteral("header"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml")},
        {QStringLiteral("numbering"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml")},
        {QStringLiteral("theme"), QStringLiteral("application/vnd.openxmlformats-officedocument.theme+xml")},
        {QStringLiteral("core-properties"),
         QStringLiteral("application/vnd.openxmlformats-package.core-properties+xml")},
        {QStringLiteral("extended-properties"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.extended-properties+xml")},
        {QStringLiteral("image"), QStringLiteral("image/")},
    };
    return types.value(relationshipType.section(QLatin1Char('/'), -1));
}

// Every internal relationship target present, with the content type its relationship calls
// for; returns the relationship ids of each source part.
QMap<QString, QSet<QString>> checkRelationships(Package& pkg, const QMap<QString, QString>& types)
{
    QMap<QString, QSet<QString>> ids;
    bool hasOfficeDocument = false;
    for (auto it = pkg.parts.cbegin(); it != pkg.parts.cend(); ++it) {
        const QString& rels = it.key();
        if (!rels.endsWith(QLatin1String(".rels")))
            continue;
        const QString folder = rels.section(QLatin1Char('/'), 0, -3);
        const QString file = rels.section(QLatin1Char('/'), -1).chopped(5);
        if (rels.section(QLatin1Char('/'), -2, -2) != QLatin1String("_rels")) {
            pkg.fault(rels, QStringLiteral("файл связей не в папке _rels"));
            continue;
        }
        const QString source = folder.isEmpty() ? file : folder + QLatin1Char('/') + file;
        if (!file.isEmpty() && !pkg.parts.contains(source))
            pkg.fault(rels, QStringLiteral("связи части ") + source + QStringLiteral(", которой нет"));
        pugi::xml_document doc;
        if (!parse(pkg, rels, doc))
            continue;
        QSet<QString>& own = ids[file.isEmpty() ? QString() : source];
        for (const pugi::xml_node& r : doc.document_element().children("Relationship")) {
            const QString id = QString::fromUtf8(r.attribute("Id").value());
            if (own.contains(id))
                pkg.fault(rels, QStringLiteral("связь ") + id + QStringLiteral(" встречается дважды"));
            own.insert(id);
            if (QString::fromUtf8(r.attribute("TargetMode").value()) == QLatin1String("External"))
                continue;
            const QString target = resolveTarget(file.isEmpty() ? QString() : source,
                                                 QString::fromUtf8(r.attribute("Target").value()));
            const QString relationshipType = QString::fromUtf8(r.attribute("Type").value());
            if (!pkg.parts.contains(target)) {
                pkg.fault(rels, QStringLiteral("связь ") + id +
                                    QStringLiteral(" ведёт к отсутствующей части ") + target);
                continue;
            }
            const QString wanted = typeForRelationship(relationshipType);
            const QString actual = types.value(target);
            if (!wanted.isEmpty() && !actual.isEmpty() &&
                (wanted.endsWith(QLatin1Char('/')) ? !actual.startsWith(wanted) : actual != wanted))
                pkg.fault(target, QStringLiteral("тип содержимого «") + actual +
                                      QStringLiteral("», а связь ") +
                                      relationshipType.section(QLatin1Char('/'), -1) +
                                      QStringLiteral(" требует «") + wanted + QStringLiteral("»"));
            if (file.isEmpty() && relationshipType.endsWith(QLatin1String("/officeDocument")))
                hasOfficeDocument = true;
        }
    }
    if (!hasOfficeDocument)
        pkg.fault(QStringLiteral("_rels/.rels"), QStringLiteral("нет связи с основной частью документа"));
    return ids;
}

// The checks inside one WordprocessingML part.
struct WordPart
{
    Package& pkg;
    QString name;
    std::string w, w14, r, wp, mc;
    bool hasW = false, hasW14 = false, hasR = false, hasWp = false;
    QSet<QString> relationIds;
    QSet<QString>* drawingIds;
    QSet<QString> paraIds;
    QMap<QString, int> bookmarkStarts, bookmarkEnds;
    QSet<QString> bookmarkNames;

    void fault(const QString& what) { pkg.fault(name, what); }
    std::string wLocal(const pugi::xml_node& e) const { return localIn(e.name(), w, hasW); }

    void checkOrder(const pugi::xml_node& container, const std::string& local)
    {
        const auto found = schemaOrder().find(local);
        if (found == schemaOrder().end())
            return;
        int last = -1;
        std::string lastName;
        for (const pugi::xml_node& c : container.children()) {
            if (c.type() != pugi::node_element)
                continue;
            const std::string child = wLocal(c);
            if (child.empty())
                continue; // another namespace (w14 extensions and the like)
            bool repeatable = false;
            const int rank = rankOf(found->second, child, &repeatable);
            if (rank < 0) {
                fault(QStringLiteral("в w:") + qs(local) + QStringLiteral(" нет по схеме элемента w:") +
                      qs(child));
                continue;
            }
            if (rank < last || (rank == last && !repeatable))
                fault(QStringLiteral("в w:") + qs(local) + QStringLiteral(" элемент w:") + qs(child) +
                      QStringLiteral(" стоит после w:") + qs(lastName));
            last = rank;
            lastName = child;
        }
    }

    // The element children of `e` in the w namespace, in order.
    std::vector<std::string> wChildren(const pugi::xml_node& e) const
    {
        std::vector<std::string> out;
        for (const pugi::xml_node& c : e.children()) {
            if (c.type() == pugi::node_element)
                out.push_back(wLocal(c));
        }
        return out;
    }

    void checkFirst(const pugi::xml_node& e, const std::string& local)
    {
        const std::vector<std::string> kids = wChildren(e);
        const auto misplaced = [&](const char* property, size_t allowedAt) {
            for (size_t i = 0; i < kids.size(); ++i) {
                if (kids[i] == property && i > allowedAt)
                    fault(QStringLiteral("в w:") + qs(local) + QStringLiteral(" w:") +
                          QString::fromLatin1(property) + QStringLiteral(" не первым"));
            }
        };
        if (local == "p")
            misplaced("pPr", 0);
        else if (local == "r")
            misplaced("rPr", 0);
        else if (local == "tc") {
            misplaced("tcPr", 0);
            if (kids.empty() || kids.back() != "p")
                fault(QStringLiteral("ячейка таблицы не кончается абзацем"));
        } else if (local == "tr") {
            misplaced("tblPrEx", 0);
            misplaced("trPr", kids.size() > 0 && kids[0] == "tblPrEx" ? 1 : 0);
        } else if (local == "tbl") {
            misplaced("tblPr", 0);
            misplaced("tblGrid", 1);
            if (kids.size() < 2 || kids[0] != "tblPr" || kids[1] != "tblGrid")
                fault(QStringLiteral("таблица не начинается с w:tblPr и w:tblGrid"));
        } else if (local == "body") {
            for (size_t i = 0; i + 1 < kids.size(); ++i) {
                if (kids[i] == "sectPr")
                    fault(QStringLiteral("w:sectPr тела документа не последним"));
            }
        }
    }

    void checkIds(const pugi::xml_node& e, const std::string& local)
    {
        if (hasW14) {
            const pugi::xml_attribute id = e.attribute((w14 + ":paraId").c_str());
            if (id) {
                const QString v = QString::fromUtf8(id.value());
                bool ok = false;
                const quint64 n = v.toULongLong(&ok, 16);
                if (v.size() != 8 || !ok || n >= 0x80000000u)
                    fault(QStringLiteral("w14:paraId ") + v + QStringLiteral(" не число от 0 до 7FFFFFFF"));
                if (paraIds.contains(v))
                    fault(QStringLiteral("w14:paraId ") + v + QStringLiteral(" повторяется"));
                paraIds.insert(v);
            }
        }
        if (hasWp && localIn(e.name(), wp, true) == "docPr") {
            const QString id = QString::fromUtf8(e.attribute("id").value());
            if (drawingIds->contains(id))
                fault(QStringLiteral("id рисунка (wp:docPr) ") + id + QStringLiteral(" повторяется"));
            drawingIds->insert(id);
        }
        if (hasR) {
            for (const pugi::xml_attribute& a : e.attributes()) {
                if (!localIn(a.name(), r, true).empty() &&
                    !relationIds.contains(QString::fromUtf8(a.value())))
                    fault(QString::fromUtf8(a.name()) + QStringLiteral("=\"") + QString::fromUtf8(a.value()) +
                          QStringLiteral("\": нет такой связи у части"));
            }
        }
        const std::string idAttr = w.empty() ? "id" : w + ":id";
        if (local == "bookmarkStart") {
            const QString id = QString::fromUtf8(e.attribute(idAttr.c_str()).value());
            const QString bookmark =
                QString::fromUtf8(e.attribute((w.empty() ? "name" : w + ":name").c_str()).value());
            ++bookmarkStarts[id];
            if (bookmarkNames.contains(bookmark))
                fault(QStringLiteral("закладка «") + bookmark + QStringLiteral("» повторяется"));
            bookmarkNames.insert(bookmark);
        } else if (local == "bookmarkEnd") {
            ++bookmarkEnds[QString::fromUtf8(e.attribute(idAttr.c_str()).value())];
        }
    }

    void walk(const pugi::xml_node& e)
    {
        const std::string local = wLocal(e);
        if (!local.empty()) {
            checkOrder(e, local);
            checkFirst(e, local);
        }
        checkIds(e, local);
        for (const pugi::xml_node& c : e.children()) {
            if (c.type() == pugi::node_element)
                walk(c);
        }
    }

    void run(const pugi::xml_node& root)
    {
        hasW = prefixFor(root, WordNs, w);
        hasW14 = prefixFor(root, Word2010Ns, w14);
        hasR = prefixFor(root, RelNs, r);
        hasWp = prefixFor(root, DrawingNs, wp);
        if (prefixFor(root, CompatibilityNs, mc)) {
            const QString ignorable = QString::fromUtf8(root.attribute((mc + ":Ignorable").c_str()).value());
            for (const QString& prefix : ignorable.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                if (!root.attribute((QStringLiteral("xmlns:") + prefix).toUtf8().constData()))
                    fault(QStringLiteral("mc:Ignorable называет необъявленный префикс ") + prefix);
            }
        }
        walk(root);
        for (auto it = bookmarkStarts.cbegin(); it != bookmarkStarts.cend(); ++it) {
            if (it.value() != 1)
                fault(QStringLiteral("начало закладки с id ") + it.key() + QStringLiteral(" встречается ") +
                      QString::number(it.value()) + QStringLiteral(" раз"));
            if (bookmarkEnds.value(it.key()) != 1)
                fault(QStringLiteral("у закладки с id ") + it.key() + QStringLiteral(" концов: ") +
                      QString::number(bookmarkEnds.value(it.key())));
        }
        for (auto it = bookmarkEnds.cbegin(); it != bookmarkEnds.cend(); ++it) {
            if (!bookmarkStarts.contains(it.key()))
                fault(QStringLiteral("конец закладки с id ") + it.key() + QStringLiteral(" без начала"));
        }
    }
};

} // namespace

QStringList problems(const QString& path)
{
    Package pkg;
    readZip(path, pkg);
    if (pkg.parts.isEmpty()) {
        pkg.fault(path, QStringLiteral("в архиве нет частей"));
        return pkg.problems;
    }
    const QMap<QString, QString> types = checkContentTypes(pkg);
    const QMap<QString, QSet<QString>> relations = checkRelationships(pkg, types);
    QSet<QString> drawingIds;
    for (auto it = pkg.parts.cbegin(); it != pkg.parts.cend(); ++it) {
        const QString type = types.value(it.key());
        const bool xml = type.endsWith(QLatin1String("xml")) || it.key().endsWith(QLatin1String(".xml")) ||
                         it.key().endsWith(QLatin1String(".rels"));
        if (!xml || it.key().endsWith(QLatin1String(".rels")) ||
            it.key() == QLatin1String("[Content_Types].xml"))
            continue;
        pugi::xml_document doc;
        if (!parse(pkg, it.key(), doc))
            continue;
        WordPart part{pkg, it.key()};
        part.relationIds = relations.value(it.key());
        part.drawingIds = &drawingIds;
        part.run(doc.document_element());
    }
    return pkg.problems;
}

} // namespace DocxCheck
