#include "TestDataFolder.h"

#include "data/demo/DemoData.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>

namespace {

// The demo data are built once per test program; each TestDataFolder copies them.
const QString& demoMaster()
{
    static QTemporaryDir master;
    static bool built = false;
    if (!built) {
        try {
            DemoData::create(master.path());
        } catch (const std::exception& e) {
            qWarning("demo data could not be built: %s", e.what());
        }
        built = true;
    }
    static const QString path = master.path();
    return path;
}

} // namespace

TestDataFolder::TestDataFolder()
{
    if (!m_dir.isValid())
        return;
    const QDir source(demoMaster());
    const QStringList files = source.entryList(QDir::Files);
    if (!files.contains(QStringLiteral("BGD.mdb")))
        return;
    for (const QString& f : files) {
        if (!QFile::copy(source.filePath(f), m_dir.filePath(f)))
            return;
        QFile::setPermissions(m_dir.filePath(f), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    m_previousDir = QDir::currentPath();
    m_valid = QDir::setCurrent(m_dir.path());
}

TestDataFolder::~TestDataFolder()
{
    if (!m_previousDir.isEmpty())
        QDir::setCurrent(m_previousDir);
}

QString TestDataFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TestDataFolder::filePath(const QString& name) const
{
    return m_dir.filePath(name);
}

QByteArray fileChecksum(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}
