#include "core/question/RecordCursor.h"

#include <algorithm>

namespace Question {

void RecordCursor::open(int rowCount)
{
    m_count = std::max(0, rowCount);
    m_row = 0;
    m_bof = false;
    m_eof = false;
}

bool RecordCursor::moveTo(int row)
{
    if (m_count == 0 || row == m_row)
        return false;
    m_row = row;
    m_bof = false;
    m_eof = false;
    return true;
}

bool RecordCursor::first()
{
    const bool moved = moveTo(0);
    m_bof = true;
    return moved;
}

bool RecordCursor::last()
{
    const bool moved = moveTo(std::max(0, m_count - 1));
    m_eof = true;
    return moved;
}

bool RecordCursor::next()
{
    if (m_row + 1 >= m_count) {
        m_eof = true;
        return false;
    }
    return moveTo(m_row + 1);
}

bool RecordCursor::prior()
{
    if (m_row <= 0) {
        m_bof = true;
        return false;
    }
    return moveTo(m_row - 1);
}

bool RecordCursor::goTo(int row)
{
    if (m_count == 0)
        return false;
    return moveTo(std::clamp(row, 0, m_count - 1));
}

} // namespace Question
