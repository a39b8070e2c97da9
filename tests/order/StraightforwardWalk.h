#pragma once

#include "listings/ImeDatoteke.h"
#include "order/OrderAdding.h"
#include "order/OznakaCD.h"
#include "order/PreviousOrdersIndex.h"
#include "orderfile/OrderFileReader.h"
#include "platform/LetterCase.h"
#include "platform/ZbirnikError.h"

#include <QSet>

// Adding read the straightforward way: every entry reads every previous order file from its
// start up to the first match, and is compared with every order item. Quadratic, and the
// reference the indexed adding must agree with.
namespace Straightforward {

// leftOut: positions of faulty files, left out for the rest of the batch.
inline bool ProvjeriProsleCD(const QString& item, const QStringList& paths, QSet<int>& leftOut,
                             const AddingPrompts& prompts)
{
    const QString wanted = wantedName(item);
    for (int k = 0; k < paths.size(); ++k) {
        if (leftOut.contains(k))
            continue;
        try {
            OrderFileRecords records(OrderFileRecords::readFile(paths[k]), paths[k]);
            Record fields;
            while (records.next(fields)) {
                if (LetterCase::upper(ImeDatoteke(fields[1])) == wanted)
                    return prompts.askOrderAgain(wanted);
            }
        } catch (const ZbirnikError& error) {
            leftOut.insert(k);
            prompts.reportFault(previousOrderLeftOut(error.message()));
        }
    }
    return true;
}

inline void addToOrder(QList<FileRow>& order, const QList<FileRow>& entries,
                       int comboSelectionIndex, const QStringList& paths,
                       const AddingPrompts& prompts)
{
    QSet<int> leftOut;
    for (const FileRow& entry : entries) {
        const QString item = OznakaCD(entry.text, comboSelectionIndex);
        if (!ProvjeriProsleCD(item, paths, leftOut, prompts))
            continue;
        bool duplicate = false;
        for (const FileRow& row : order) {
            if (LetterCase::upper(row.text) == LetterCase::upper(item)) {
                duplicate = true;
                break;
            }
        }
        if (duplicate)
            prompts.reportDuplicate(item);
        else
            order.append({item, entry.fullPath, entry.size});
    }
}

} // namespace Straightforward
