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
    Record read(int fieldCount);

private:
    QString readField();

    QString m_text;
    qsizetype m_pos = 0;
};
