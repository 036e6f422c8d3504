#include "print/docx/DeflateStream.h"

#include "core/Error.h"

#include <QString>
#include <zlib.h>

namespace Docx {

namespace {

[[noreturn]] void failed()
{
    throw zorvek::Error(QStringLiteral("Сжатие документа не удалось (недостаточно памяти?)."));
}

// Runs deflate over `input` with `flush`, appending the output to `out`.
void pump(z_stream& z, std::string_view input, int flush, std::string& out)
{
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    z.avail_in = uInt(input.size());
    char buffer[64 * 1024];
    for (;;) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        const int rc = deflate(&z, flush);
        if (rc == Z_STREAM_ERROR)
            failed();
        out.append(buffer, sizeof buffer - z.avail_out);
        // Done when the input is used up and deflate had room to spare for its output.
        if (z.avail_in == 0 && z.avail_out != 0)
            break;
    }
}

void init(z_stream& z)
{
    z = z_stream{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        failed();
}

quint32 crcOf(quint32 crc, std::string_view text)
{
    // zlib takes at most 4 GiB at a time.
    while (!text.empty()) {
        const size_t n = std::min<size_t>(text.size(), 1u << 30);
        crc = quint32(crc32(crc, reinterpret_cast<const Bytef*>(text.data()), uInt(n)));
        text.remove_prefix(n);
    }
    return crc;
}

} // namespace

struct DeflateStream::State
{
    z_stream z{};
};

void DeflatedPiece::append(const DeflatedPiece& next)
{
    bytes += next.bytes;
    crc = quint32(crc32_combine(crc, next.crc, z_off_t(next.size)));
    size += next.size;
}

DeflateStream::DeflateStream() : m(std::make_unique<State>())
{
    init(m->z);
}

DeflateStream::~DeflateStream()
{
    deflateEnd(&m->z);
}

void DeflateStream::write(std::string_view text)
{
    if (text.empty())
        return;
    m_crc = crcOf(m_crc, text);
    m_size += text.size();
    pump(m->z, text, Z_NO_FLUSH, m_out);
}

DeflatedPiece DeflateStream::piece() const
{
    // A copy of the compressor flushes what it still holds; the stream itself goes on.
    z_stream copy{};
    if (deflateCopy(&copy, &m->z) != Z_OK)
        failed();
    DeflatedPiece p;
    p.bytes = m_out;
    try {
        pump(copy, std::string_view(), Z_SYNC_FLUSH, p.bytes);
    } catch (...) {
        deflateEnd(&copy);
        throw;
    }
    deflateEnd(&copy);
    p.crc = m_crc;
    p.size = m_size;
    return p;
}

std::string DeflateStream::inflated() const
{
    DeflatedPiece p = piece();
    finishParts(p);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        failed();
    std::string text;
    text.reserve(size_t(m_size));
    z.next_in = reinterpret_cast<Bytef*>(p.bytes.data());
    z.avail_in = uInt(p.bytes.size());
    char buffer[64 * 1024];
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        rc = inflate(&z, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END) {
            inflateEnd(&z);
            failed();
        }
        text.append(buffer, sizeof buffer - z.avail_out);
    }
    inflateEnd(&z);
    return text;
}

DeflatedPiece deflatePiece(std::string_view text)
{
    z_stream z;
    init(z);
    DeflatedPiece p;
    try {
        pump(z, text, Z_SYNC_FLUSH, p.bytes);
    } catch (...) {
        deflateEnd(&z);
        throw;
    }
    deflateEnd(&z);
    p.crc = crcOf(0, text);
    p.size = text.size();
    return p;
}

void finishParts(DeflatedPiece& whole)
{
    // A final fixed-code block with no data: BFINAL=1, BTYPE=01, end-of-block code.
    whole.bytes += '\x03';
    whole.bytes += '\x00';
}

} // namespace Docx
