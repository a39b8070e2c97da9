#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <vector>

struct FileRow;

// File rows kept as their windows-1250 bytes in one arena, 12 bytes of bookkeeping and the
// bytes of the path and size per row, instead of three strings. A row's text is a
// label (often empty) followed by the name part of its path, so the name is stored once.
// Rows are decoded only when they are shown or used.
class PackedRows
{
public:
    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }

    FileRow at(int position) const;
    QString text(int position) const;
    QString size(int position) const;
    // The size text as it stands in the file, for summing without decoding; empty for a row
    // kept as text.
    QByteArrayView sizeBytes(int position) const;
    // The row holds a character that windows-1250 cannot: it is kept as text.
    bool keptAsText(int position) const { return m_entries[size_t(position)].labelLength == kWide; }

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
    // A field of the shop's files holds at most 32 767 characters, so 16 bits hold every
    // length; a longer text is kept as text.
    // The arena holds at most 4 GiB, so that the densest listing costs little more than its
    // file; rows past that are refused as memory that cannot be had.
    struct Entry
    {
        quint32 offset; // label bytes, then path bytes, then size bytes
        quint16 labelLength;
        quint16 pathLength;
        quint16 nameStart; // within the path
        quint16 sizeLength;
    };
    static constexpr quint16 kWide = 0xFFFF;
    static bool fits(qsizetype length) { return length < kWide; }
    void appendWide(const FileRow& row);
    // The offset of rows of more bytes placed at base; throws std::bad_alloc past the arena.
    static quint32 offsetAt(qsizetype base, qsizetype more);
    void growFor(size_t more);

    QByteArrayView label(const Entry& entry) const;
    QByteArrayView path(const Entry& entry) const;
    QByteArrayView size(const Entry& entry) const;
    void appendEntry(const PackedRows& from, const Entry& entry);

    QByteArray m_bytes;
    std::vector<Entry> m_entries;
    // Rows with a character that windows-1250 cannot hold keep their text as it is; their
    // entry has labelLength kWide and offset into this list. Rows read from the shop's files
    // never need it.
    QList<FileRow> m_wide;
};
