#include "print/MyWord.h"

#include "core/Error.h"
#include "print/PrintHooks.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString& versionOverride()
{
    static QString text;
    return text;
}

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

void MyWord::setVersionOverride(const QString& versionText)
{
    versionOverride() = versionText;
}

int MyWord::majorVersion(const QString& versionText)
{
    qsizetype from = 0;
    qsizetype to = versionText.size();
    while (from < to && isBlankOrControl(versionText.at(from)))
        ++from;
    while (to > from && isBlankOrControl(versionText.at(to - 1)))
        --to;
    qint64 major = -1;
    for (qsizetype i = from; i < to; ++i) {
        const char16_t c = versionText.at(i).unicode();
        if (c < '0' || c > '9')
            break;
        major = qMin<qint64>((major < 0 ? 0 : major) * 10 + (c - '0'), 1000000);
    }
    return int(major);
}

void MyWord::Run()
{
    MsWord.emplace();
    if (majorVersion(Version()) < MinimumVersion)
        Error(1, QStringLiteral("Требуется WORD 2000/XP или выше"));
}

QString MyWord::Version() const
{
    return versionOverride().isEmpty() ? Docx::Document::version() : versionOverride();
}

void MyWord::Open(const QString& fileName)
{
    if (!MsWord)
        Run();
    if (!QFileInfo(fileName).isFile())
        Error(2, QStringLiteral("файл не найден") + QLatin1Char('\n') + QDir::toNativeSeparators(fileName));
    try {
        MsWord->activeDocument.emplace(Docx::Document::fromTemplate(fileName));
    } catch (const zorvek::Error& e) {
        Error(2, e.message());
    }
}

void MyWord::Error(int i, const QString& str)
{
    PrintHooks::showMessage(str);
    if (i != 1 && i != 2)
        return;
    PrintHooks::showMessage(QStringLiteral("Продолжение работы невозможно"));
    PrintHooks::terminate();
    throw Fatal{};
}

Docx::Document& MyWord::document()
{
    if (!MsWord || !MsWord->activeDocument)
        throw zorvek::Error(QStringLiteral("Документ не открыт."));
    return *MsWord->activeDocument;
}

Docx::Document* MyWord::activeDocument()
{
    return MsWord && MsWord->activeDocument ? &*MsWord->activeDocument : nullptr;
}

void MyWord::search(const QString& data)
{
    document().goToBookmark(data);
}

void MyWord::Insert(const QString& info, bool _bold, bool _italic, bool _StrikeThrough, bool _Underline,
                    int _Size)
{
    Docx::Document& doc = document();
    Docx::RunFont font;
    font.name = QStringLiteral("Times New Roman");
    font.bold = _bold;
    font.italic = _italic;
    font.strike = _StrikeThrough;
    font.underline = _Underline;
    font.sizePt = _Size;
    doc.setFont(font);
    doc.typeText(info);
}

void MyWord::NextCell()
{
    document().nextCell();
}

void MyWord::SkipCell(int n)
{
    for (int k = 0; k < n; ++k)
        NextCell();
}

void MyWord::Save(const QString& Name)
{
    document().saveAs(Name);
}
