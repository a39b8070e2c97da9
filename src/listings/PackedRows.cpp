#include "PackedRows.h"

#include "FileRowsModel.h"
#include "platform/TextCodec.h"

#include <new>

namespace {

// Lengths are kept seven bits to a byte, the high bit saying that another byte follows.
int numberSize(qsizetype number)
{
    int size = 1;
    for (; number >= 0x80; number >>= 7)
        ++size;
    return size;
}

void appendNumber(QByteArray& bytes, qsizetype number)
{
    for (; number >= 0x80; number >>= 7)
        bytes.append(char(0x80 | (number & 0x7F)));
    bytes.append(char(number));
}

qsizetype readNumber(const char*& at)
{
    qsizetype number = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        number |= qsizetype(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return number;
    }
}

} // namespace

quint32 PackedRows::offsetAt(qsizetype base, qsizetype more)
{
    if (base + more > qsizetype(kWide - 1))
        throw std::bad_alloc();
    return quint32(base);
}

qsizetype PackedRows::recordSize(qsizetype label, qsizetype path, qsizetype nameStart,
                                 qsizetype size)
{
    return numberSize(label) + numberSize(path) + numberSize(nameStart) + numberSize(size) + label +
           path + size;
}

PackedRows::Record PackedRows::record(quint32 offset) const
{
    const char* const start = m_bytes.constData() + offset;
    const char* at = start;
    const qsizetype label = readNumber(at);
    const qsizetype path = readNumber(at);
    const qsizetype nameStart = readNumber(at);
    const qsizetype size = readNumber(at);
    Record parts{QByteArrayView(at, label), QByteArrayView(at + label, path),
                 QByteArrayView(at + label + path, size), nameStart, 0};
    parts.length = (at + label + path + size) - start;
    return parts;
}

QString PackedRows::text(int position) const
{
    const quint32 offset = m_offsets[size_t(position)];
    if (offset & kWide)
        return m_wide[offset & ~kWide].text;
    const Record parts = record(offset);
    const QByteArrayView name = parts.path.sliced(parts.nameStart);
    QString text(parts.label.size() + name.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    TextCodec::decodeInto(parts.label, out);
    TextCodec::decodeInto(name, out + parts.label.size());
    return text;
}

QString PackedRows::size(int position) const
{
    const quint32 offset = m_offsets[size_t(position)];
    if (offset & kWide)
        return m_wide[offset & ~kWide].size;
    return TextCodec::decode(record(offset).size);
}

QByteArrayView PackedRows::sizeBytes(int position) const
{
    const quint32 offset = m_offsets[size_t(position)];
    return (offset & kWide) ? QByteArrayView() : record(offset).size;
}

FileRow PackedRows::at(int position) const
{
    const quint32 offset = m_offsets[size_t(position)];
    if (offset & kWide)
        return m_wide[offset & ~kWide];
    const Record parts = record(offset);
    return {text(position), TextCodec::decode(parts.path), TextCodec::decode(parts.size)};
}

// The bytes go in before the offset: a failure to allocate leaves at most unused bytes at the
// arena's end, never an offset without its row.
void PackedRows::append(QByteArrayView label, QByteArrayView path, qsizetype nameStart,
                        QByteArrayView size)
{
    if (!fits(label.size()) || !fits(path.size()) || !fits(size.size())) {
        appendWide({TextCodec::decode(label) + TextCodec::decode(path.sliced(nameStart)),
                    TextCodec::decode(path), TextCodec::decode(size)});
        return;
    }
    const quint32 offset =
        offsetAt(m_bytes.size(), recordSize(label.size(), path.size(), nameStart, size.size()));
    appendNumber(m_bytes, label.size());
    appendNumber(m_bytes, path.size());
    appendNumber(m_bytes, nameStart);
    appendNumber(m_bytes, size.size());
    m_bytes.append(label).append(path).append(size);
    m_offsets.push_back(offset);
}

void PackedRows::appendWide(const FileRow& row)
{
    const quint32 index = offsetAt(m_wide.size(), 1);
    m_wide.append(row);
    m_offsets.push_back(kWide | index);
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

void PackedRows::appendRecord(const PackedRows& from, quint32 offset)
{
    if (offset & kWide) {
        appendWide(from.m_wide[offset & ~kWide]);
        return;
    }
    const qsizetype length = from.record(offset).length;
    const quint32 placed = offsetAt(m_bytes.size(), length);
    m_bytes.append(from.m_bytes.constData() + offset, length);
    m_offsets.push_back(placed);
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
    growFor(other.m_offsets.size());
}

void PackedRows::append(const PackedRows& other, int count)
{
    if (count >= 0 && count < other.count()) {
        growFor(size_t(count));
        for (int i = 0; i < count; ++i)
            appendRecord(other, other.m_offsets[size_t(i)]);
        return;
    }
    // The other arena goes over whole; only the offsets of its rows move.
    const quint32 bytesBase = offsetAt(m_bytes.size(), other.m_bytes.size());
    const quint32 wideBase = offsetAt(m_wide.size(), other.m_wide.size());
    reserveFor(other);
    m_bytes.append(other.m_bytes);
    m_wide.append(other.m_wide);
    for (const quint32 offset : other.m_offsets)
        m_offsets.push_back((offset & kWide) ? kWide | ((offset & ~kWide) + wideBase)
                                             : offset + bytesBase);
}

// Room for more entries, growing by half at least: rows joined list after list are copied a
// few times in all, not once per list.
void PackedRows::growFor(size_t more)
{
    const size_t needed = m_offsets.size() + more;
    if (needed > m_offsets.capacity())
        m_offsets.reserve(qMax(needed, m_offsets.capacity() + m_offsets.capacity() / 2));
}

void PackedRows::reserve(qsizetype rows, qsizetype bytes)
{
    m_offsets.reserve(size_t(rows));
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
        kept.appendRecord(*this, m_offsets[size_t(position)]);
    }
    return kept;
}

PackedRows PackedRows::at(const QList<int>& ascendingPositions) const
{
    PackedRows taken;
    taken.m_offsets.reserve(size_t(ascendingPositions.size()));
    for (const int position : ascendingPositions)
        taken.appendRecord(*this, m_offsets[size_t(position)]);
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
            merged.appendRecord(inserted, inserted.m_offsets[size_t(next++)]);
        else
            merged.appendRecord(*this, m_offsets[size_t(kept++)]);
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
    for (size_t i = size_t(rows); i < m_offsets.size() && (bytes < 0 || wide < 0); ++i) {
        const quint32 offset = m_offsets[i];
        if ((offset & kWide) && wide < 0)
            wide = offset & ~kWide;
        else if (!(offset & kWide) && bytes < 0)
            bytes = offset;
    }
    m_offsets.resize(size_t(rows));
    if (bytes >= 0)
        m_bytes.truncate(bytes);
    if (wide >= 0)
        m_wide.resize(wide);
}

void PackedRows::clear()
{
    m_bytes.clear();
    m_offsets.clear();
    m_wide.clear();
}

qsizetype PackedRows::bytesHeld() const
{
    return m_bytes.capacity() + qsizetype(m_offsets.capacity() * sizeof(quint32)) +
           m_wide.capacity() * qsizetype(sizeof(FileRow));
}
