#include "PreviousOrdersIndex.h"

#include "listings/ImeDatoteke.h"
#include "listings/OrderItemText.h"
#include "orderfile/OrderFileReader.h"
#include "platform/LetterCase.h"
#include "platform/ZbirnikError.h"

#include <QFileInfo>

void PreviousOrdersIndex::beginBatch()
{
    m_leftOut.clear();
    ++m_round;
}

void PreviousOrdersIndex::recheck()
{
    ++m_round;
}

bool PreviousOrdersIndex::contains(const QStringList& paths, const QString& upperName,
                                   const FaultReport& reportFault)
{
    for (int position = 0; position < paths.size(); ++position) {
        if (m_leftOut.contains(position))
            continue;
        const IndexedFile& file = current(paths[position]);
        if (file.names.contains(upperName))
            return true;
        if (!file.fault.isEmpty()) {
            m_leftOut.insert(position);
            reportFault(previousOrderLeftOut(file.fault));
        }
    }
    return false;
}

PreviousOrdersIndex::IndexedFile& PreviousOrdersIndex::current(const QString& path)
{
    IndexedFile& file = m_files[path];
    if (file.checkedInRound == m_round)
        return file;
    file.checkedInRound = m_round;
    const QFileInfo info(path);
    const qint64 size = info.exists() ? info.size() : -1;
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    if (file.read && size == file.size && modified == file.modified)
        return file;
    file.size = size;
    file.modified = modified;
    file.read = true;
    load(path, file);
    return file;
}

void PreviousOrdersIndex::load(const QString& path, IndexedFile& file)
{
    file.names.clear();
    file.fault.clear();
    try {
        OrderFileRecords records(OrderFileRecords::readFile(path), path);
        Record fields;
        while (records.next(fields))
            file.names.insert(LetterCase::upper(ImeDatoteke(fields[1])));
    } catch (const ZbirnikError& error) {
        file.fault = error.message();
    }
}

QString previousOrderLeftOut(const QString& fault)
{
    return fault + QStringLiteral("\nTa datoteka proslog CD-a se ne provjerava do kraja ovog "
                                  "dodavanja.");
}

QStringList consultedPaths(const QStringList& ProsliCD, int BrojProslihCD)
{
    const int count = qMin(BrojProslihCD, int(ProsliCD.size()) - 1);
    return count > 0 ? ProsliCD.mid(1, count) : QStringList();
}

QString wantedName(const QString& item)
{
    return LetterCase::upper(OrderItemText::nameOf(item));
}
