#include "print/docx/DocxPackage.h"

#include "core/Error.h"
#include "print/docx/WriteCause.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>
#include <zlib.h>

namespace Docx {

namespace {

QString shown(const QString& path)
{
    return QStringLiteral("«") + QDir::toNativeSeparators(path) + QStringLiteral("»");
}

[[noreturn]] void refuse(const QString& path, const QString& reason)
{
    throw zorvek::Error(QStringLiteral("Документ ") + shown(path) +
                        QStringLiteral(" не может быть открыт: ") + reason);
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024)) + QStringLiteral(" МБ");
}

} // namespace

bool isSafePartName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    const QStringList segments = name.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString& s = segments[i];
        // A trailing "/" marks a folder entry; empty segments elsewhere are not part names.
        if (s.isEmpty() && i + 1 < segments.size())
            return false;
        if (s == QLatin1String(".") || s == QLatin1String(".."))
            return false;
    }
    return true;
}

Package Package::read(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        refuse(path, QStringLiteral("файл не найден."));
    if (!info.isFile())
        refuse(path, QStringLiteral("это не файл."));
    if (info.size() > MaxPackageBytes)
        refuse(path, QStringLiteral("файл больше ") + megabytes(MaxPackageBytes) + QLatin1Char('.'));

    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        refuse(path, QStringLiteral("это не документ .docx (файл не является zip-архивом или повреждён)."));

    Package package;
    package.m_fileName = path;
    QSet<QString> names;
    quint64 total = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 fi;
        if (!zip.getCurrentFileInfo(&fi))
            refuse(path, QStringLiteral("оглавление архива повреждено."));
        if (!isSafePartName(fi.name))
            refuse(path, QStringLiteral("недопустимое имя части «") + fi.name + QStringLiteral("»."));
        if (names.contains(fi.name))
            refuse(path, QStringLiteral("часть «") + fi.name + QStringLiteral("» встречается дважды."));
        names.insert(fi.name);
        if (names.size() > MaxPartCount)
            refuse(path, QStringLiteral("слишком много частей в архиве."));
        total += fi.uncompressedSize;
        if (fi.uncompressedSize > quint64(MaxPackageBytes) || total > quint64(MaxPackageBytes))
            refuse(path, QStringLiteral("распакованное содержимое больше ") + megabytes(MaxPackageBytes) +
                             QStringLiteral(" (подозрение на zip-бомбу)."));
        if (fi.name == MainPartName && fi.uncompressedSize > quint64(MaxMainPartBytes))
            refuse(path, QStringLiteral("основная часть документа больше ") + megabytes(MaxMainPartBytes) +
                             QLatin1Char('.'));

        Entry e;
        e.name = fi.name;
        e.crc = fi.crc;
        e.uncompressedSize = fi.uncompressedSize;
        e.dateTime = fi.dateTime;
        e.externalAttr = fi.externalAttr;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::ReadOnly, &e.method, &e.level, true))
            refuse(path, QStringLiteral("часть «") + fi.name +
                             QStringLiteral("» не читается (зашифрована или повреждена)."));
        if (fi.compressedSize > quint64(MaxPackageBytes))
            refuse(path, QStringLiteral("часть «") + fi.name + QStringLiteral("» слишком велика."));
        e.raw = file.readAll();
        file.close();
        if (quint64(e.raw.size()) != fi.compressedSize)
            refuse(path, QStringLiteral("часть «") + fi.name + QStringLiteral("» обрезана."));
        package.m_entries.push_back(std::move(e));
    }
    if (zip.getZipError() != UNZ_OK)
        refuse(path, QStringLiteral("оглавление архива повреждено."));
    if (!package.hasPart(MainPartName))
        refuse(path, QStringLiteral("в архиве нет основной части ") + MainPartName +
                         QStringLiteral(" (это не документ Word)."));
    return package;
}

const Package::Entry* Package::find(const QString& name) const
{
    for (const Entry& e : m_entries) {
        if (e.name == name)
            return &e;
    }
    return nullptr;
}

bool Package::hasPart(const QString& name) const
{
    return find(name) != nullptr;
}

QByteArray Package::partData(const QString& name, qint64 maxBytes) const
{
    // Inflated from the bytes read, never trusting the declared size: inflating stops as soon
    // as the bound is passed.
    const Entry* e = find(name);
    if (!e)
        refuse(m_fileName, QStringLiteral("в архиве нет части ") + name + QLatin1Char('.'));
    const auto damaged = [&](const QString& why) {
        refuse(m_fileName, QStringLiteral("часть ") + name + QLatin1Char(' ') + why);
    };
    const QString tooBig =
        QStringLiteral("больше ") + megabytes(maxBytes) + QStringLiteral(" (подозрение на zip-бомбу).");
    QByteArray data;
    if (e->method == 0) {
        if (e->raw.size() > maxBytes)
            damaged(tooBig);
        data = e->raw;
    } else if (e->method == Z_DEFLATED) {
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
            damaged(QStringLiteral("не распаковывается."));
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(e->raw.constData()));
        z.avail_in = uInt(e->raw.size());
        char chunk[256 * 1024];
        int rc = Z_OK;
        while (rc != Z_STREAM_END) {
            z.next_out = reinterpret_cast<Bytef*>(chunk);
            z.avail_out = sizeof chunk;
            rc = inflate(&z, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END) {
                inflateEnd(&z);
                damaged(QStringLiteral("повреждена."));
            }
            const qsizetype produced = qsizetype(sizeof chunk - z.avail_out);
            if (data.size() + produced > maxBytes) {
                inflateEnd(&z);
                damaged(tooBig);
            }
            data.append(chunk, produced);
            if (rc == Z_OK && produced == 0 && z.avail_in == 0) {
                inflateEnd(&z);
                damaged(QStringLiteral("обрезана."));
            }
        }
        inflateEnd(&z);
    } else {
        damaged(QStringLiteral("сжата неподдерживаемым способом."));
    }
    if (crc32(0L, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())) != e->crc)
        damaged(QStringLiteral("повреждена (не сходится контрольная сумма)."));
    return data;
}

void Package::write(QIODevice& out, const QString& replacedPart, const DeflatedPiece& content) const
{
    const auto fail = [](const QString& what) {
        throw zorvek::Error(QStringLiteral("Не удалось записать документ: ") + what);
    };
    QuaZip zip(&out);
    zip.setAutoClose(false);
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate))
        fail(QStringLiteral("архив не создаётся."));
    for (const Entry& e : m_entries) {
        QuaZipNewInfo info(e.name);
        info.dateTime = e.dateTime;
        info.externalAttr = e.externalAttr;
        QuaZipFile file(&zip);
        if (e.name == replacedPart) {
            // Sizes past 4 GiB need zip64, which word processors do not all read.
            if (content.size > 0xffffffffu || content.bytes.size() > 0xffffffffu)
                fail(QStringLiteral("документ больше 4 ГБ."));
            info.dateTime = QDateTime::currentDateTime();
            info.uncompressedSize = ulong(content.size);
            if (!file.open(QIODevice::WriteOnly, info, nullptr, content.crc, Z_DEFLATED,
                           Z_DEFAULT_COMPRESSION, true))
                fail(QStringLiteral("часть ") + e.name + QStringLiteral(" не создаётся."));
            if (file.write(content.bytes.data(), qint64(content.bytes.size())) !=
                qint64(content.bytes.size()))
                fail(QStringLiteral("часть ") + e.name + QStringLiteral(" не записывается."));
        } else {
            info.uncompressedSize = ulong(e.uncompressedSize);
            if (!file.open(QIODevice::WriteOnly, info, nullptr, e.crc, e.method, e.level, true))
                fail(QStringLiteral("часть ") + e.name + QStringLiteral(" не создаётся."));
            if (file.write(e.raw) != e.raw.size())
                fail(QStringLiteral("часть ") + e.name + QStringLiteral(" не записывается."));
        }
        file.close();
        if (file.getZipError() != ZIP_OK)
            fail(QStringLiteral("часть ") + e.name + QStringLiteral(" не записывается."));
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK)
        fail(QStringLiteral("оглавление архива не записывается."));
}

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& why)
{
    throw zorvek::Error(QStringLiteral("Не удалось записать документ ") + shown(path) + QStringLiteral(": ") +
                        why + (why.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")));
}

// Opens the file that replaces `path` once committed; refuses what stands in the way first.
void openForSaving(QSaveFile& file, const QString& path)
{
    const QString obstacle = writeObstacle(path);
    if (!obstacle.isEmpty())
        cannotWrite(path, obstacle);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path, writeFailureCause(path, file.error()));
}

void commit(QSaveFile& file, const QString& path)
{
    if (!file.commit())
        cannotWrite(path, writeFailureCause(path, file.error()));
}

} // namespace

void Package::save(const QString& path, const QString& replacedPart, const DeflatedPiece& content) const
{
    QSaveFile file(path);
    openForSaving(file, path);
    try {
        write(file, replacedPart, content);
    } catch (const zorvek::Error&) {
        if (file.error() != QFileDevice::NoError || !diskProblem(path).isEmpty())
            cannotWrite(path, writeFailureCause(path, file.error()));
        throw;
    }
    commit(file, path);
}

void saveNewPackage(const QString& path, const QList<QPair<QString, QByteArray>>& parts)
{
    QSaveFile file(path);
    const auto fail = [&](const QString& why) {
        cannotWrite(path, file.error() != QFileDevice::NoError || !diskProblem(path).isEmpty()
                              ? writeFailureCause(path, file.error())
                              : why);
    };
    openForSaving(file, path);
    QuaZip zip(&file);
    zip.setAutoClose(false);
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate))
        fail(QStringLiteral("архив не создаётся."));
    for (const auto& [name, data] : parts) {
        QuaZipFile part(&zip);
        if (!part.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) || part.write(data) != data.size())
            fail(QStringLiteral("часть ") + name + QStringLiteral(" не записывается."));
        part.close();
        if (part.getZipError() != ZIP_OK)
            fail(QStringLiteral("часть ") + name + QStringLiteral(" не записывается."));
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK)
        fail(writeFailureCause(path, file.error()));
    commit(file, path);
}

} // namespace Docx
