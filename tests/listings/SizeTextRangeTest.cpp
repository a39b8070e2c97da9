#include "common/TestRegistry.h"
#include "listings/SizeText.h"

#include <QTest>

// Size texts are summed with their numeric value, which may be written with an exponent;
// the total must still format without overflowing an integer type.
class SizeTextRangeTest : public QObject
{
    Q_OBJECT

private slots:
    void hugeTotalsFormatInFull()
    {
        const std::optional<double> huge = SizeText::bytes(u"9e9.9e99");
        QVERIFY(huge);
        const QString text = SizeText::format(*huge);
        QVERIFY(text.size() > 90);
        QVERIFY(text.endsWith(u".0000"));
        QCOMPARE(SizeText::format(-*huge).front(), u'-');
    }

    void ordinaryTotalsKeepTheirForm()
    {
        QCOMPARE(SizeText::format(650 * SizeText::kMebibyte), QStringLiteral("650.0000"));
        QCOMPARE(SizeText::format(*SizeText::bytes(u"004.0512") * 300),
                 QStringLiteral("1350.0000"));
        QCOMPARE(SizeText::format(-1.5 * SizeText::kMebibyte), QStringLiteral("-002.0512"));
    }
};

ZBIRNIK_TEST(SizeTextRangeTest)
#include "SizeTextRangeTest.moc"
