#pragma once

#include "listings/FileRowsModel.h"

#include <QList>
#include <QString>

// One change of the order, as undo and redo replay it: the rows it took out, at their
// positions before it, and the rows it put in, at their positions after it. Adding, removing,
// emptying, opening and moving are all this one shape, and a step keeps only these rows.
struct OrderStep
{
    // The caption of the command that made it, as the undo and redo entries show it.
    QString name;
    QList<int> removedAt;
    PackedRows removed;
    QList<int> insertedAt;
    PackedRows inserted;

    bool changesNothing() const { return removedAt.isEmpty() && insertedAt.isEmpty(); }
};
