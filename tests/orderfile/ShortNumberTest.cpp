#include "orderfile/ShortNumber.h"
#include "common/TestRegistry.h"

#include <QTest>

class ShortNumberTest : public QObject
{
    Q_OBJECT
private slots:
    void converts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -99999: does not convert
        const int none = -99999;
        QTest::newRow("whole") << "3" << 3;
        QTest::newRow("spaces around") << " 3 " << 3;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-2" << -2;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("half down to even") << "2.5" << 2;
        QTest::newRow("half up to even") << "3.5" << 4;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("fraction") << "2.51" << 3;
        QTest::newRow("leading point") << ".6" << 1;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("rounds past largest") << "32767.5" << none;
        QTest::newRow("too large") << "40000" << none;
        QTest::newRow("too small") << "-32769" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("spaces") << "   " << none;
        QTest::newRow("letters") << "abc" << none;
        QTest::newRow("trailing letters") << "3x" << none;
        QTest::newRow("comma separator") << "2,5" << none;
        QTest::newRow("inside space") << "1 2" << none;
        QTest::newRow("infinity") << "inf" << none;
    }

    void converts()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<int> result = shortNumberFromText(text);
        QCOMPARE(result.value_or(-99999), expected);
    }
};

ZBIRNIK_TEST(ShortNumberTest)
#include "ShortNumberTest.moc"
