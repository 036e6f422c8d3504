#pragma once
// The position of a one-question-per-page window in its section, with the beginning and end
// marks that decide which navigation commands are available: "Первая" and "Предыдущая" are off
// at the beginning mark, "Следующая" and "Последняя" at the end mark.
namespace Question {

class RecordCursor
{
public:
    // A freshly opened section: first row, neither mark set.
    void open(int rowCount);

    // Each returns true when the current row changed.
    bool first(); // sets the beginning mark
    bool last();  // sets the end mark
    bool next();  // sets the end mark when there is no later row
    bool prior(); // sets the beginning mark when there is no earlier row
    // A jump to a row (clamped to the section); clears both marks when it moves.
    bool goTo(int row);

    int row() const { return m_row; } // 0-based; 0 in an empty section
    int rowCount() const { return m_count; }
    bool atBeginMark() const { return m_bof; }
    bool atEndMark() const { return m_eof; }
    bool canGoBack() const { return !m_bof; }    // "Первая", "Предыдущая"
    bool canGoForward() const { return !m_eof; } // "Следующая", "Последняя"

private:
    bool moveTo(int row);

    int m_row = 0;
    int m_count = 0;
    bool m_bof = false;
    bool m_eof = false;
};

} // namespace Question
