#pragma once

#include <QString>
#include <array>
#include <exception>

// The record of a read: k fields in elements 0 to k - 1 (k is 1, 2 or 3).
using Record = std::array<QString, 3>;

// Thrown when a read reaches the end of the file before it has all its fields.
class InputPastEndError : public std::exception
{
public:
    const char* what() const noexcept override { return "input past end of file"; }
};

// Reads comma-separated fields from decoded text, the way every file of the shop is read:
// spaces before a field are skipped, a field in double quotes may hold commas and spaces,
// a line end (CR LF, a lone CR or a lone LF) separates fields like a comma does, and a
// record takes the next k fields wherever they stand.
class RecordReader
{
public:
    explicit RecordReader(QString text) : m_text(std::move(text)) {}

    // True once every character has been consumed.
    bool atEnd() const { return m_pos >= m_text.size(); }
    // The characters not consumed yet.
    qsizetype remaining() const { return m_text.size() - m_pos; }
    // True when nothing but blank lines is left: an editor's trailing blank line is no
    // record.
    bool onlyBlankLinesLeft();
    Record read(int fieldCount);

    // Reads every field of the next line, for files with one record per line. Returns how
    // many fields the line holds; the first three are stored in fields. A blank line holds
    // one empty field.
    int readLine(Record& fields);
    // The number, counted from 1, of the line that the last readLine read.
    int lineNumber() const;

private:
    enum class Separator
    {
        None,
        Comma,
        LineEnd
    };

    QString readField();
    bool atLineEnd() const;
    void consumeSeparator();

    QString m_text;
    qsizetype m_pos = 0;
    Separator m_lastSeparator = Separator::None;
    qsizetype m_lineStart = 0;
    // Where the last look for a character that is not blank found one.
    qsizetype m_nextNonBlank = -1;
};
