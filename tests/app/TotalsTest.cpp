#include "MainWindowFixture.h"
#include "common/TestRegistry.h"
#include "dialogs/FormColours.h"

#include <QLabel>
#include <QListView>
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

        w.order().add({item(QStringLiteral("a.mp3"), QStringLiteral("300.0000"))});
        w.order().add({item(QStringLiteral("b.mp3"), QStringLiteral("350.0000"))});
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("650.0000"));
        QVERIFY(shop.prompts.shown.isEmpty());
        QCOMPARE(textColour(w.lblUkupnoVrijeme), normal);
        QCOMPARE(w.lblCDNarucen_Vrijeme->toolTip(), QString());

        w.order().add({item(QStringLiteral("c.mp3"), QStringLiteral("000.0001"))});
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("650.0001"));
        QCOMPARE(shop.prompts.titles(), QStringList{kCapacityTitle});
        QCOMPARE(shop.prompts.shown[0].text, kCapacityText);
        QCOMPARE(shop.prompts.shown[0].icon, MessageIcon::Critical);
        QCOMPARE(textColour(w.lblUkupnoVrijeme), overCapacityRed());
        QCOMPARE(textColour(w.lblCDNarucen_Vrijeme), overCapacityRed());
        // Over the capacity in words, for those who do not see the red.
        QCOMPARE(w.lblCDNarucen_Vrijeme->toolTip(),
                 QStringLiteral("Narudzba je veca od 650 MB za 000.0001 MB"));
        QCOMPARE(w.lblCDNarucen_Vrijeme->accessibleDescription(),
                 w.lblCDNarucen_Vrijeme->toolTip());

        w.order().add({item(QStringLiteral("d.mp3"), QStringLiteral("001.0000"))});
        QCOMPARE(shop.prompts.shown.size(), 1);

        w.order().remove({2, 3});
        QCOMPARE(textColour(w.lblUkupnoVrijeme), normal);
        QCOMPARE(w.lblCDNarucen_Vrijeme->accessibleDescription(), QString());
        QCOMPARE(textColour(w.lblCDNarucen_Vrijeme), normal);

        w.order().add({item(QStringLiteral("e.mp3"), QStringLiteral("000.0001"))});
        QCOMPARE(shop.prompts.shown.size(), 2);
    }

    void fileListTotalHasNoCapacityCheck()
    {
        MainWindowFixture shop;
        shop.writeShop({{"D:\\x.DAT,999.1023"}});
        frmzBIRNIK& w = shop.start();
        QCOMPARE(w.lblCD_Vrijeme->text(), QStringLiteral("999.1023"));
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("000.0000"));
        QVERIFY(shop.prompts.shown.isEmpty());
        QVERIFY(!w.order().overCapacity());
    }

    // A size that is not a valid number is named once, by the load, addition or open that
    // brings it in, and only after the totals it is counted out of are shown.
    void invalidSizeIsNamedOnceAfterTheTotals()
    {
        MainWindowFixture shop;
        shop.writeShop({{"D:\\a.mp3,001.0000", "D:\\los.mp3,-99.0000", "D:\\c.mp3,002.0000"}});
        QStringList totalsWhenShown;
        shop.prompts.whileShown = [&](const FakePrompts::Shown&) {
            if (shop.window)
                totalsWhenShown << shop.window->lblInformation[1]->text()
                                << shop.window->lblCDNarucen_Vrijeme->text();
        };
        frmzBIRNIK& w = shop.start();
        QCOMPARE(shop.prompts.shown.size(), 1);
        QVERIFY(shop.prompts.shown[0].text.contains(QStringLiteral("los.mp3: \"-99.0000\"")));
        QCOMPARE(totalsWhenShown[0], QStringLiteral("Velicina svih datoteka na CD-u : 003.0000"));

        w.cmdDodajSve_Click();
        QCOMPARE(shop.prompts.shown.size(), 2);
        QVERIFY(shop.prompts.shown[1].text.contains(QStringLiteral("CD 001: los.mp3")));
        QCOMPARE(totalsWhenShown[3], QStringLiteral("003.0000"));

        // Removing and adding other files, the entry stays in the order: no message again.
        w.lstCDNarucen->selectionModel()->setCurrentIndex(w.order().model().index(0),
                                                          QItemSelectionModel::Select);
        w.cmdIzbrisi_Click();
        QCOMPARE(w.order().count(), 2);
        w.files().setRows({{"d.mp3", "D:\\d.mp3", "001.0000"}});
        w.cmdDodajSve_Click();
        QCOMPARE(shop.prompts.shown.size(), 2);

        // An order file brings in a bad size of its own: named alone.
        const QString path = writeTestFile(shop.path(), QStringLiteral("n.txt"),
                                           "\"CD 002\",\"D:\\e.mp3\",\"x\"\r\n");
        shop.dialogs.files = {path};
        w.cmdOpen_Click();
        QCOMPARE(shop.prompts.shown.size(), 3);
        QVERIFY(shop.prompts.shown[2].text.contains(QStringLiteral("CD 002: e.mp3")));
        QVERIFY(!shop.prompts.shown[2].text.contains(QStringLiteral("los.mp3")));
    }

    void atMostTenInvalidSizesAreNamed_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("10") << 10 << "f9.mp3: \"x\"";
        QTest::newRow("11") << 11 << "... i jos 1";
    }
    void atMostTenInvalidSizesAreNamed()
    {
        QFETCH(int, count);
        QFETCH(QString, lastLine);
        MainWindowFixture shop;
        QStringList listing;
        for (int i = 0; i < count; ++i)
            listing << QStringLiteral("D:\\f%1.mp3,x").arg(i);
        shop.writeShop({listing});
        shop.start();
        QCOMPARE(shop.prompts.shown.size(), 1);
        const QStringList lines = shop.prompts.shown[0].text.split(u'\n');
        QCOMPARE(lines.size(), 1 + count);
        QCOMPARE(lines.last(), lastLine);
    }

    void emptyOrderRestoresTheNormalColour()
    {
        MainWindowFixture shop;
        frmzBIRNIK& w = shop.create();
        const QColor normal = textColour(w.lblUkupnoVrijeme);
        w.order().add({item(QStringLiteral("a.DAT"), QStringLiteral("700.0000"))});
        w.order().empty();
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("000.0000"));
        QCOMPARE(textColour(w.lblUkupnoVrijeme), normal);
    }
};

ZBIRNIK_TEST(TotalsTest)
#include "TotalsTest.moc"
