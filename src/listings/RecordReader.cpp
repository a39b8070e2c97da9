#include "RecordReader.h"

Record RecordReader::read(int fieldCount)
{
    Record record;
    for (int i = 0; i < fieldCount; ++i) {
        if (atEnd())
            throw InputPastEndError();
        record[i] = readField();
    }
    return record;
}

bool RecordReader::atLineEnd() const
{
    const QChar c = m_text[m_pos];
    return c == u'\r' || c == u'\n';
}

// Consumes the comma or line end that closes a field, if one stands at the position.
void RecordReader::consumeSeparator()
{
    m_lastSeparator = Separator::None;
    if (atEnd())
        return;
    const QChar c = m_text[m_pos];
    if (c == u',') {
        ++m_pos;
        m_lastSeparator = Separator::Comma;
    } else if (c == u'\n') {
        ++m_pos;
        m_lastSeparator = Separator::LineEnd;
    } else if (c == u'\r') {
        ++m_pos;
        if (!atEnd() && m_text[m_pos] == u'\n')
            ++m_pos;
        m_lastSeparator = Separator::LineEnd;
    }
}

bool RecordReader::onlyBlankLinesLeft()
{
    if (m_nextNonBlank < m_pos) {
        m_nextNonBlank = m_pos;
        while (m_nextNonBlank < m_text.size() &&
               (m_text[m_nextNonBlank] == u' ' || m_text[m_nextNonBlank] == u'\r' ||
                m_text[m_nextNonBlank] == u'\n'))
            ++m_nextNonBlank;
    }
    return m_nextNonBlank >= m_text.size();
}

int RecordReader::readLine(Record& fields)
{
    m_lineStart = m_pos;
    int count = 0;
    do {
        QString field = readField();
        if (count < int(fields.size()))
            fields[count] = std::move(field);
        ++count;
    } while (m_lastSeparator == Separator::Comma);
    for (int i = count; i < int(fields.size()); ++i)
        fields[i].clear();
    return count;
}

int RecordReader::lineNumber() const
{
    int line = 1;
    for (qsizetype i = 0; i < m_lineStart; ++i) {
        if (m_text[i] == u'\n' ||
            (m_text[i] == u'\r' && (i + 1 >= m_text.size() || m_text[i + 1] != u'\n')))
            ++line;
    }
    return line;
}

QString RecordReader::readField()
{
    const qsizetype size = m_text.size();
    while (m_pos < size && m_text[m_pos] == u' ')
        ++m_pos;
    if (m_pos >= size) {
        m_lastSeparator = Separator::None;
        return {};
    }

    if (m_text[m_pos] == u'"') {
        const qsizetype start = m_pos + 1;
        qsizetype close = m_text.indexOf(u'"', start);
        if (close < 0)
            close = size;
        QString field = m_text.sliced(start, close - start);
        m_pos = close + 1;
        // Whatever stands between the closing quote and the next separator is dropped.
        while (m_pos < size && m_text[m_pos] != u',' && !atLineEnd())
            ++m_pos;
        consumeSeparator();
        return field;
    }

    const qsizetype start = m_pos;
    while (m_pos < size && m_text[m_pos] != u',' && !atLineEnd())
        ++m_pos;
    qsizetype end = m_pos;
    while (end > start && m_text[end - 1] == u' ')
        --end;
    consumeSeparator();
    return m_text.sliced(start, end - start);
}
