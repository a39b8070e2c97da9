#pragma once

#include <QString>
#include <QStringList>

// The values the whole program shares.
struct SharedValues
{
    // The start folder with a trailing separator; every shop file is found under it.
    QString Putanja;
    // The order files of the customer's previous CDs at positions 1 to BrojProslihCD
    // (position 0 is never used).
    QStringList ProsliCD;
    int BrojProslihCD = 0;
};
