#pragma once

#include <QString>

// The program's own messages agree with the number they give, as Croatian decides it by the
// last digits: 1, 21, 101 take the singular ("datoteka je bila"); 2-4, 22-24 the paucal
// ("datoteke su bile"); the rest, 11-14 among them, the plural ("datoteka je bilo").
enum class CountForm
{
    One,
    Few,
    Many
};

CountForm countForm(qint64 count);

// The text of the form that count takes.
QString byCount(qint64 count, const QString& one, const QString& few, const QString& many);
