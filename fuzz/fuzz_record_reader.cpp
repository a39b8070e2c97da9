// Reads arbitrary bytes the way every shop, listing and order file is read: decoded as
// 8-bit text, then records of k fields until the end. The first byte chooses k (1 to 3).
// Checks that the reader always ends, that decoding loses no byte, and that records
// written back in the quoted form of order files read back unchanged.
#include "listings/RecordReader.h"
#include "platform/TextCodec.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray quotedLines(const QList<Record>& records, int fieldCount)
{
    QString text;
    for (const Record& record : records) {
        for (int i = 0; i < fieldCount; ++i)
            text += (i ? QStringLiteral(",\"") : QStringLiteral("\"")) + record[i] + u'"';
        text += QStringLiteral("\r\n");
    }
    return TextCodec::encode(text);
}

QList<Record> readAll(const QString& text, int fieldCount, bool& complete)
{
    RecordReader reader(text);
    QList<Record> records;
    complete = true;
    // Each read consumes at least one character, so a reader that stops making progress
    // shows up as more records than characters.
    while (!reader.atEnd()) {
        if (records.size() > text.size())
            std::abort();
        try {
            records.append(reader.read(fieldCount));
        } catch (const InputPastEndError&) {
            complete = false;
            break;
        }
    }
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int fieldCount = 1 + data[0] % 3;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString text = TextCodec::decode(bytes);
    if (TextCodec::encode(text) != bytes)
        std::abort();

    bool complete = false;
    const QList<Record> records = readAll(text, fieldCount, complete);
    for (const Record& record : records) {
        for (int i = 0; i < fieldCount; ++i) {
            // A field that holds a quote cannot be written back in the quoted form.
            if (record[i].contains(u'"'))
                return 0;
        }
    }
    bool rereadComplete = false;
    const QByteArray written = quotedLines(records, fieldCount);
    if (readAll(TextCodec::decode(written), fieldCount, rereadComplete) != records ||
        !rereadComplete)
        std::abort();
    return 0;
}
