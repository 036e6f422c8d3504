#pragma once
// A checksum of a table's rows that does not depend on their order, so that a table read from a
// database file and the same table read from the server compare equal whatever order each engine
// returns them in. Values are taken as the program reads them: a number by its value, a text by
// its characters, a picture by its bytes, an empty value as empty.
#include <QByteArray>
#include <QVariantList>
#include <array>
#include <cstdint>

class RowChecksum
{
public:
    void add(const QVariantList& row);
    qint64 rows() const { return m_rows; }
    // Hex text of the sum; equal sums mean equal rows with overwhelming likelihood.
    QByteArray hex() const;
    bool operator==(const RowChecksum& other) const { return m_rows == other.m_rows && m_sum == other.m_sum; }

private:
    std::array<std::uint64_t, 4> m_sum{};
    qint64 m_rows = 0;
};
