#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <vector>

struct FileRow;

// File rows kept as their windows-1250 bytes in one arena, instead of three strings: per row
// a 4-byte offset, then in the arena the lengths as variable-length numbers (a byte each for
// short texts) and the bytes of the label, the path and the size. A row's text is a label
// (often empty) followed by the name part of its path, so the name is stored once. Rows are
// decoded only when they are shown or used.
class PackedRows
{
public:
    int count() const { return int(m_offsets.size()); }
    bool isEmpty() const { return m_offsets.empty(); }

    FileRow at(int position) const;
    QString text(int position) const;
    QString size(int position) const;
    // The size text as it stands in the file, for summing without decoding; empty for a row
    // kept as text.
    QByteArrayView sizeBytes(int position) const;
    // The row holds a character that windows-1250 cannot: it is kept as text.
    bool keptAsText(int position) const { return m_offsets[size_t(position)] & kWide; }

    // The row "label + path[nameStart...]", path and size, all windows-1250 bytes.
    void append(QByteArrayView label, QByteArrayView path, qsizetype nameStart,
                QByteArrayView size);
    void append(const FileRow& row);
    // The first count rows of other (every row with -1). Every row is all or nothing: a
    // failure to allocate leaves these rows as they were.
    void append(const PackedRows& other, int count = -1);
    // Makes the room that appending every row of other takes; the append then allocates
    // nothing.
    void reserveFor(const PackedRows& other);
    void reserve(qsizetype rows, qsizetype bytes);
    // The arena bytes of a row of these lengths, for reserve().
    static qsizetype recordSize(qsizetype label, qsizetype path, qsizetype nameStart,
                                qsizetype size);
    // Gives the arena's unused capacity back once a list has been filled.
    void squeeze();
    // The rows at the ascending positions, or every row but those.
    PackedRows at(const QList<int>& ascendingPositions) const;
    PackedRows without(const QList<int>& ascendingPositions) const;
    // These rows with the inserted ones placed so that inserted row j ends at position
    // ascendingPositions[j] of the result.
    PackedRows with(const QList<int>& ascendingPositions, const PackedRows& inserted) const;
    // Keeps the first rows only; allocates nothing, so it can take back a failed append.
    void truncate(int rows);
    void clear();

    qsizetype byteCount() const { return m_bytes.size(); }
    // Memory held, for the benchmark of large listings.
    qsizetype bytesHeld() const;

private:
    // A field of the shop's files holds at most 32 767 characters; a longer text is kept as
    // text.
    static bool fits(qsizetype length) { return length < 0xFFFF; }
    // An offset with this bit is an index into the rows kept as text. The arena holds at
    // most 2 GiB, so that the densest listing costs little more than its file; rows past
    // that are refused as memory that cannot be had.
    static constexpr quint32 kWide = 0x80000000u;
    // One row's parts in the arena, and how many bytes it takes there.
    struct Record
    {
        QByteArrayView label;
        QByteArrayView path;
        QByteArrayView size;
        qsizetype nameStart;
        qsizetype length;
    };
    Record record(quint32 offset) const;
    void appendWide(const FileRow& row);
    // The offset of rows of more bytes placed at base; throws std::bad_alloc past the arena.
    static quint32 offsetAt(qsizetype base, qsizetype more);
    void growFor(size_t more);
    void appendRecord(const PackedRows& from, quint32 offset);

    QByteArray m_bytes;
    std::vector<quint32> m_offsets;
    // Rows with a character that windows-1250 cannot hold keep their text as it is; their
    // offset has kWide and indexes this list. Rows read from the shop's files never need it.
    QList<FileRow> m_wide;
};
