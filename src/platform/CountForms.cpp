#include "CountForms.h"

CountForm countForm(qint64 count)
{
    const qint64 lastDigit = count % 10, lastTwo = count % 100;
    if (lastDigit == 1 && lastTwo != 11)
        return CountForm::One;
    if (lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14))
        return CountForm::Few;
    return CountForm::Many;
}

QString byCount(qint64 count, const QString& one, const QString& few, const QString& many)
{
    switch (countForm(count)) {
    case CountForm::One:
        return one;
    case CountForm::Few:
        return few;
    case CountForm::Many:
        break;
    }
    return many;
}
