#include "PackedRows.h"

#include "FileRowsModel.h"
#include "platform/TextCodec.h"

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
    m_entries.push_back({m_bytes.size(), quint16(label.size()), quint16(path.size()),
                         quint16(nameStart), quint16(size.size())});
    m_bytes.append(label).append(path).append(size);
}

void PackedRows::appendWide(const FileRow& row)
{
    m_entries.push_back({qint64(m_wide.size()), kWide, 0, 0, 0});
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
    m_entries.push_back(
        {m_bytes.size(), entry.labelLength, entry.pathLength, entry.nameStart, entry.sizeLength});
    m_bytes.append(from.m_bytes.constData() + entry.offset,
                   qsizetype(entry.labelLength) + entry.pathLength + entry.sizeLength);
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
    const qint64 bytesBase = m_bytes.size();
    const qint64 wideBase = m_wide.size();
    m_bytes.append(other.m_bytes);
    m_wide.append(other.m_wide);
    growFor(other.m_entries.size());
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
