// Reads arbitrary bytes as an order file, the way "&Otvori" and the previous-orders check
// read them. Checks that every record gives an item of label, ": " and the file name of its
// path, and that saving and reading again keeps every path and size, and every item's label,
// the text before its first ": ".
#include "listings/ImeDatoteke.h"
#include "listings/OrderItemText.h"
#include "orderfile/OrderFileReader.h"
#include "orderfile/OrderFileWriter.h"
#include "platform/ZbirnikError.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = QStringLiteral("fuzz.txt");
    QList<FileRow> rows;
    try {
        rows = OrderFileReader::parse(bytes, path);
    } catch (const ZbirnikError&) {
        return 0; // a line without three fields refuses the file
    }
    for (const FileRow& row : rows) {
        if (!row.text.endsWith(QStringLiteral(": ") + ImeDatoteke(row.fullPath)))
            std::abort();
    }

    QByteArray saved;
    try {
        saved = OrderFileWriter::format(rows, path);
    } catch (const ZbirnikError&) {
        return 0; // fields the format cannot hold are refused, never written
    }
    const QList<FileRow> again = OrderFileReader::parse(saved, path);
    if (again.size() != rows.size())
        std::abort();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (again[i].fullPath != rows[i].fullPath || again[i].size != rows[i].size ||
            OrderItemText::labelOf(again[i].text) != OrderItemText::labelOf(rows[i].text))
            std::abort();
    }
    return 0;
}
