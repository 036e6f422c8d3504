#pragma once
// Text compressed as it is produced, for a zip entry (raw deflate, as zip stores it).
//
// A document part can be assembled from pieces compressed separately: each piece ends on a
// byte boundary with a sync flush and no "last block" mark, so the pieces laid end to end are
// one valid deflate stream once a final empty block follows (see finishParts). The journal's
// thousands of added rows are compressed this way as they are typed, so the filled document
// never sits in memory uncompressed.
#include <QtGlobal>
#include <memory>
#include <string>
#include <string_view>

namespace Docx {

// A piece of deflate data with the CRC-32 and length of the text it holds.
struct DeflatedPiece
{
    std::string bytes;
    quint32 crc = 0;
    quint64 size = 0;

    // Appends another piece after this one.
    void append(const DeflatedPiece& next);
};

class DeflateStream
{
public:
    DeflateStream();
    ~DeflateStream();
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;

    void write(std::string_view text);
    quint64 size() const { return m_size; }

    // Everything written so far as a piece (the stream itself goes on unchanged).
    DeflatedPiece piece() const;
    // Everything written so far, uncompressed again.
    std::string inflated() const;

private:
    struct State;
    std::unique_ptr<State> m;
    std::string m_out;
    quint32 m_crc = 0;
    quint64 m_size = 0;
};

// One piece holding `text`.
DeflatedPiece deflatePiece(std::string_view text);

// Ends a stream of pieces: appends the final empty block.
void finishParts(DeflatedPiece& whole);

} // namespace Docx
