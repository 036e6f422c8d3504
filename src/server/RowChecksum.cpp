#include "server/RowChecksum.h"

#include <QCryptographicHash>
#include <QString>
#include <QtEndian>

namespace {

QByteArray canonical(const QVariant& v)
{
    if (v.isNull())
        return QByteArrayLiteral("N");
    switch (v.metaType().id()) {
    case QMetaType::QByteArray:
        return QByteArrayLiteral("B") + v.toByteArray();
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArrayLiteral("V") + QString::number(v.toDouble(), 'g', 17).toUtf8();
    default:
        return QByteArrayLiteral("V") + v.toString().toUtf8();
    }
}

} // namespace

void RowChecksum::add(const QVariantList& row)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QVariant& v : row) {
        const QByteArray c = canonical(v);
        const quint64 size = qToLittleEndian(quint64(c.size()));
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&size), sizeof size));
        hash.addData(c);
    }
    const QByteArray digest = hash.result();
    for (int i = 0; i < 4; ++i)
        m_sum[i] += qFromLittleEndian<quint64>(digest.constData() + 8 * i);
    ++m_rows;
}

QByteArray RowChecksum::hex() const
{
    QByteArray bytes;
    for (std::uint64_t lane : m_sum) {
        const quint64 le = qToLittleEndian(quint64(lane));
        bytes.append(reinterpret_cast<const char*>(&le), sizeof le);
    }
    return bytes.toHex();
}
