#pragma once

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

// The order files of the customer's previous CDs, indexed by the upper-cased file names
// they hold. A look-up gives the same answer, and meets the same faulty files, as reading
// the files one after the other from their start up to the first match would; but a file
// is read only once, and again only when its size or modification time has changed.
//
// A batch of additions begins with beginBatch(). Within a batch a file is looked at for
// changes on its first visit and again after every question the customer answers
// (recheck()), and a faulty file is reported once and then left out.
class PreviousOrdersIndex
{
public:
    using FaultReport = std::function<void(const QString& message)>;

    void beginBatch();
    // The customer may have changed a file while a question was up.
    void recheck();

    // Visits the files in their order and returns true at the first that holds the
    // upper-cased name. A faulty file that is reached without a match is reported and left
    // out for the rest of the batch, and the look-up goes on with the next file.
    bool contains(const QStringList& paths, const QString& upperName,
                  const FaultReport& reportFault);

private:
    struct IndexedFile
    {
        qint64 size = -1;
        QDateTime modified;
        bool read = false;
        quint64 checkedInRound = 0;
        // The names of the records before the fault when there is one.
        QSet<QString> names;
        QString fault;
    };

    IndexedFile& current(const QString& path);
    static void load(const QString& path, IndexedFile& file);

    QHash<QString, IndexedFile> m_files;
    // Positions of the list of files left out for the rest of the batch.
    QSet<int> m_leftOut;
    quint64 m_round = 1;
};

// The message that reports a faulty file and leaves it out of the rest of the batch.
QString previousOrderLeftOut(const QString& fault);

// The paths the check consults: ProsliCD positions 1 to BrojProslihCD (position 0 is never
// used; a count of 0 or below consults none).
QStringList consultedPaths(const QStringList& ProsliCD, int BrojProslihCD);

// The text the previous-orders check compares: the file name of the order item, the text
// after its label and ": ", upper-cased.
QString wantedName(const QString& item);
