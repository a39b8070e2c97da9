#include "PackedRows.h"

#include "FileRowsModel.h"
#include "platform/TextCodec.h"

#include <limits>
#include <new>

quint32 PackedRows::offsetAt(qsizetype base, qsizetype more)
{
    if (base + more > qsizetype(std::numeric_limits<quint32>::max()))
        throw std::bad_alloc();
    return quint32(base);
}

QByteArrayView PackedRows::label(const Entry& entry) const
{
    return QByteArrayView(m_bytes.constData() + entry.offset, entry.labelLength);
}

QByteArrayView PackedRows::path(const Entry& entry) const
{
    return QByteArrayView(m_bytes.constData() + entry.offset + entry.labelLength, entry.pathLength);
}

QByteArrayView PackedRows::size(const Entry& entry) const
{
    return QByteArrayView(m_bytes.constData() + entry.offset + entry.labelLength + entry.pathLength,
                          entry.sizeLength);
}

QString PackedRows::text(int position) const
{
    const Entry& entry = m_entries[size_t(position)];
    if (entry.labelLength == kWide)
        return m_wide[entry.offset].text;
    const QByteArrayView name = path(entry).sliced(entry.nameStart);
    QString text(entry.labelLength + name.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    TextCodec::decodeInto(label(entry), out);
    TextCodec::decodeInto(name, out + entry.labelLength);
    return text;
}

QString PackedRows::size(int position) const
{
    const Entry& entry = m_entries[size_t(position)];
    if (entry.labelLength == kWide)
        return m_wide[entry.offset].size;
    return TextCodec::decode(size(entry));
}

QByteArrayView PackedRows::sizeBytes(int position) const
{
    const Entry& entry = m_entries[size_t(position)];
    return entry.labelLength == kWide ? QByteArrayView() : size(entry);
}

FileRow PackedRows::at(int position) const
{
    const Entry& entry = m_entries[size_t(position)];
    if (entry.labelLength == kWide)
        return m_wide[entry.offset];
    return {text(position), TextCodec::decode(path(entry)), TextCodec::decode(size(entry))};
}

void PackedRows::append(QByteArrayView label, QByteArrayView path, qsizetype nameStart,
                        QByteArrayView size)
{
    if (!fits(label.size()) || !fits(path.size()) || !fits(size.size())) {
        appendWide({TextCodec::decode(label) + TextCodec::decode(path.sliced(nameStart)),
                    TextCodec::decode(path), TextCodec::decode(size)});
        return;
    }
    m_entries.push_back({offsetAt(m_bytes.size(), label.size() + path.size() + size.size()),
                         quint16(label.size()), quint16(path.size()), quint16(nameStart),
                         quint16(size.size())});
    m_bytes.append(label).append(path).append(size);
}

void PackedRows::appendWide(const FileRow& row)
{
    m_entries.push_back({offsetAt(m_wide.size(), 1), kWide, 0, 0, 0});
    m_wide.append(row);
}

void PackedRows::append(const FileRow& row)
{
    const QString name = row.fullPath.sliced(row.fullPath.lastIndexOf(u'\\') + 1);
    // Most texts are a label in front of the name: then the name is kept once.
    const bool labelled = row.text.endsWith(name);
    const QString label = labelled ? row.text.chopped(name.size()) : row.text;
    if (!TextCodec::canEncode(label) || !TextCodec::canEncode(row.fullPath) ||
        !TextCodec::canEncode(row.size)) {
        appendWide(row);
        return;
    }
    const QByteArray path = TextCodec::encode(row.fullPath);
    append(TextCodec::encode(label), path, labelled ? path.size() - name.size() : path.size(),
           TextCodec::encode(row.size));
}

void PackedRows::appendEntry(const PackedRows& from, const Entry& entry)
{
    if (entry.labelLength == kWide) {
        appendWide(from.m_wide[entry.offset]);
        return;
    }
    const qsizetype length = qsizetype(entry.labelLength) + entry.pathLength + entry.sizeLength;
    m_entries.push_back({offsetAt(m_bytes.size(), length), entry.labelLength, entry.pathLength,
                         entry.nameStart, entry.sizeLength});
    m_bytes.append(from.m_bytes.constData() + entry.offset, length);
}

void PackedRows::reserveFor(const PackedRows& other)
{
    // The arenas grow by half at least too, so that many small appends stay linear.
    const auto grown = [](qsizetype capacity, qsizetype needed) {
        return needed > capacity ? qMax(needed, capacity + capacity / 2) : capacity;
    };
    if (!m_bytes.isNull()) // a null arena takes the other one over shared
        m_bytes.reserve(grown(m_bytes.capacity(), m_bytes.size() + other.m_bytes.size()));
    m_wide.reserve(grown(m_wide.capacity(), m_wide.size() + other.m_wide.size()));
    growFor(other.m_entries.size());
}

void PackedRows::append(const PackedRows& other, int count)
{
    if (count >= 0 && count < other.count()) {
        growFor(size_t(count));
        for (int i = 0; i < count; ++i)
            appendEntry(other, other.m_entries[size_t(i)]);
        return;
    }
    // The other arena goes over whole; only the offsets of its rows move.
    const quint32 bytesBase = offsetAt(m_bytes.size(), other.m_bytes.size());
    const quint32 wideBase = offsetAt(m_wide.size(), other.m_wide.size());
    reserveFor(other);
    m_bytes.append(other.m_bytes);
    m_wide.append(other.m_wide);
    for (Entry entry : other.m_entries) {
        entry.offset += entry.labelLength == kWide ? wideBase : bytesBase;
        m_entries.push_back(entry);
    }
}

// Room for more entries, growing by half at least: rows joined list after list are copied a
// few times in all, not once per list.
void PackedRows::growFor(size_t more)
{
    const size_t needed = m_entries.size() + more;
    if (needed > m_entries.capacity())
        m_entries.reserve(qMax(needed, m_entries.capacity() + m_entries.capacity() / 2));
}

void PackedRows::reserve(qsizetype rows, qsizetype bytes)
{
    m_entries.reserve(size_t(rows));
    m_bytes.reserve(bytes);
}

void PackedRows::squeeze()
{
    m_bytes.squeeze();
}

PackedRows PackedRows::without(const QList<int>& ascendingPositions) const
{
    PackedRows kept;
    kept.reserve(count() - ascendingPositions.size(), m_bytes.size());
    qsizetype next = 0;
    for (int position = 0; position < count(); ++position) {
        if (next < ascendingPositions.size() && ascendingPositions[next] == position) {
            ++next;
            continue;
        }
        kept.appendEntry(*this, m_entries[size_t(position)]);
    }
    return kept;
}

PackedRows PackedRows::at(const QList<int>& ascendingPositions) const
{
    PackedRows taken;
    taken.m_entries.reserve(size_t(ascendingPositions.size()));
    for (const int position : ascendingPositions)
        taken.appendEntry(*this, m_entries[size_t(position)]);
    return taken;
}

PackedRows PackedRows::with(const QList<int>& ascendingPositions, const PackedRows& inserted) const
{
    Q_ASSERT(ascendingPositions.size() == inserted.count());
    if (isEmpty())
        return inserted;
    PackedRows merged;
    merged.reserve(count() + inserted.count(), m_bytes.size() + inserted.m_bytes.size());
    int kept = 0;
    int next = 0;
    for (int position = 0; position < count() + inserted.count(); ++position) {
        if (next < inserted.count() && ascendingPositions[next] == position)
            merged.appendEntry(inserted, inserted.m_entries[size_t(next++)]);
        else
            merged.appendEntry(*this, m_entries[size_t(kept++)]);
    }
    return merged;
}

void PackedRows::truncate(int rows)
{
    if (rows >= count())
        return;
    // Rows are appended in order, so the first dropped row of each kind marks where its
    // storage was cut.
    qsizetype bytes = -1;
    qsizetype wide = -1;
    for (size_t i = size_t(rows); i < m_entries.size() && (bytes < 0 || wide < 0); ++i) {
        const Entry& entry = m_entries[i];
        if (entry.labelLength == kWide && wide < 0)
            wide = entry.offset;
        else if (entry.labelLength != kWide && bytes < 0)
            bytes = entry.offset;
    }
    m_entries.resize(size_t(rows));
    if (bytes >= 0)
        m_bytes.truncate(bytes);
    if (wide >= 0)
        m_wide.resize(wide);
}

void PackedRows::clear()
{
    m_bytes.clear();
    m_entries.clear();
    m_wide.clear();
}

qsizetype PackedRows::bytesHeld() const
{
    return m_bytes.capacity() + qsizetype(m_entries.capacity() * sizeof(Entry)) +
           m_wide.capacity() * qsizetype(sizeof(FileRow));
}
