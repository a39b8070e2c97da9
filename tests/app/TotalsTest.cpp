#include "MainWindowFixture.h"
#include "common/TestRegistry.h"
#include "dialogs/FormColours.h"

#include <QLabel>
#include <QTest>

namespace {

const QString kCapacityText =
    QStringLiteral("Morate izbaciti neke datoteke. Velicina CD-a je 650 MB");
const QString kCapacityTitle = QStringLiteral("Previse datoteka izabrano");

FileRow item(const QString& name, const QString& size)
{
    return {QStringLiteral("CD 001: ") + name, QStringLiteral("D:\\") + name, size};
}

QColor textColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TotalsTest : public QObject
{
    Q_OBJECT
private slots:
    void capacityWarningOncePerCrossing()
    {
        MainWindowFixture shop;
        frmzBIRNIK& w = shop.create();
        const QColor normal = textColour(w.lblUkupnoVrijeme);

        w.order().append(item(QStringLiteral("a.mp3"), QStringLiteral("300.0000")));
        w.order().append(item(QStringLiteral("b.mp3"), QStringLiteral("350.0000")));
        w.SaberiVelicine(1);
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("650.0000"));
        QVERIFY(shop.prompts.shown.isEmpty());
        QCOMPARE(textColour(w.lblUkupnoVrijeme), normal);

        w.order().append(item(QStringLiteral("c.mp3"), QStringLiteral("000.0001")));
        w.SaberiVelicine(1);
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("650.0001"));
        QCOMPARE(shop.prompts.titles(), QStringList{kCapacityTitle});
        QCOMPARE(shop.prompts.shown[0].text, kCapacityText);
        QCOMPARE(shop.prompts.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(textColour(w.lblUkupnoVrijeme), overCapacityRed());
        QCOMPARE(textColour(w.lblCDNarucen_Vrijeme), overCapacityRed());

        w.order().append(item(QStringLiteral("d.mp3"), QStringLiteral("001.0000")));
        w.SaberiVelicine(1);
        QCOMPARE(shop.prompts.shown.size(), 1);

        w.order().removeAt({2, 3});
        w.SaberiVelicine(1);
        QCOMPARE(textColour(w.lblUkupnoVrijeme), normal);
        QCOMPARE(textColour(w.lblCDNarucen_Vrijeme), normal);

        w.order().append(item(QStringLiteral("e.mp3"), QStringLiteral("000.0001")));
        w.SaberiVelicine(1);
        QCOMPARE(shop.prompts.shown.size(), 2);
    }

    void fileListTotalHasNoCapacityCheck()
    {
        MainWindowFixture shop;
        frmzBIRNIK& w = shop.create();
        w.files().setRows(
            {{QStringLiteral("x.DAT"), QStringLiteral("D:\\x.DAT"), QStringLiteral("999.1023")}});
        w.SaberiVelicine(0);
        QCOMPARE(w.lblCD_Vrijeme->text(), QStringLiteral("999.1023"));
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("000.0000"));
        QVERIFY(shop.prompts.shown.isEmpty());
        QVERIFY(!w.overCapacity());
    }

    void emptyOrderRestoresTheNormalColour()
    {
        MainWindowFixture shop;
        frmzBIRNIK& w = shop.create();
        const QColor normal = textColour(w.lblUkupnoVrijeme);
        w.order().append(item(QStringLiteral("a.DAT"), QStringLiteral("700.0000")));
        w.SaberiVelicine(1);
        w.order().clear();
        w.SaberiVelicine(1);
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("000.0000"));
        QCOMPARE(textColour(w.lblUkupnoVrijeme), normal);
    }
};

ZBIRNIK_TEST(TotalsTest)
#include "TotalsTest.moc"
