#include "MainWindowFixture.h"
#include "app/FirstDialogFolder.h"
#include "app/QtTranslation.h"
#include "common/TestRegistry.h"
#include "dialogs/frmOpcije.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <unistd.h>

namespace {

const QStringList kCd1{"\"D:\\Rock\\Prva.mp3\",\"004.0512\"", "D:\\Spotovi\\Druga.DAT,003.0768",
                       "D:\\Rock\\Treca.Mp3,000.0001"};

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void startsOnSourceCdOneWithItsTotals()
    {
        MainWindowFixture shop;
        shop.writeListing(1, kCd1);
        shop.writeListing(2, {"E:\\x.mp3,001.0000"});
        shop.writeShopList({"Rock, \"Pop, novi\"", "", "Zadnji"});
        frmzBIRNIK& window = shop.start();

        QCOMPARE(window.cmbCDovi->count(), 4);
        QCOMPARE(window.cmbCDovi->itemText(1), QStringLiteral("Pop, novi"));
        QCOMPARE(window.cmbCDovi->itemText(2), QString());
        QCOMPARE(window.cmbCDovi->currentIndex(), 0);
        QCOMPARE(shop.texts(window.files()), (QStringList{"Prva.mp3", "Druga.DAT", "Treca.Mp3"}));
        QCOMPARE(window.files().at(1).fullPath, QStringLiteral("D:\\Spotovi\\Druga.DAT"));
        QCOMPARE(window.files().at(1).size, QStringLiteral("003.0768"));
        QCOMPARE(window.lblInformation[0]->text(), QStringLiteral("Ukupno datoteka na CD-u : 3"));
        QCOMPARE(window.lblInformation[1]->text(),
                 QStringLiteral("Velicina svih datoteka na CD-u : 008.0257"));
        QVERIFY(shop.prompts.shown.isEmpty());
        QVERIFY(window.shared().Putanja.endsWith(u'/'));
        QCOMPARE(window.shared().BrojProslihCD, 0);

        window.cmbCDovi->setCurrentIndex(1);
        window.cmbCDovi_Click();
        QCOMPARE(shop.texts(window.files()), QStringList{"x.mp3"});
    }

    void storedOptionsApplyBeforeTheFirstLoad()
    {
        MainWindowFixture shop;
        shop.writeShop({kCd1});
        shop.settings.values = {
            {"Boje/1", "255"}, {"Boje/2", "16711680"}, {"Izabrano/1", "0"}, {"Izabrano/2", "1"}};
        frmzBIRNIK& window = shop.start();
        QCOMPARE(shop.texts(window.files()), QStringList{"Druga.DAT"});
        QCOMPARE(window.options()->colour(0), 255u);
        QCOMPARE(window.options()->colour(1), 16711680u);
        QVERIFY(!window.options()->isVisible());
    }

    void firstRunUsesTheDefaults()
    {
        MainWindowFixture shop;
        shop.writeShop({kCd1});
        frmzBIRNIK& window = shop.start();
        QCOMPARE(window.options()->colour(0), 0u);
        QCOMPARE(window.options()->colour(1), 64u);
        QCOMPARE(window.options()->kindState(0), 1);
        QCOMPARE(window.options()->kindState(1), 1);
        QVERIFY(shop.settings.writes.isEmpty());
    }

    // Stored values up to the highest accepted are applied; a value that is not a number, or
    // is out of range, keeps its default.
    void storedValuesWithinTheirRange_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QList<int>>("applied");
        QTest::newRow("highest accepted") << QStringList{"16777215", "16777215", "2", "2"}
                                          << QList<int>{16777215, 16777215, 2, 2};
        QTest::newRow("one past the highest")
            << QStringList{"16777216", "16777216", "3", "3"} << QList<int>{0, 64, 1, 1};
        QTest::newRow("not numbers or below")
            << QStringList{"crvena", "-5", "70000", "-1"} << QList<int>{0, 64, 1, 1};
    }
    void storedValuesWithinTheirRange()
    {
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, applied);
        MainWindowFixture shop;
        shop.writeShop({kCd1});
        shop.settings.values = {{"Boje/1", stored[0]},
                                {"Boje/2", stored[1]},
                                {"Izabrano/1", stored[2]},
                                {"Izabrano/2", stored[3]}};
        frmzBIRNIK& window = shop.start();
        QCOMPARE(int(window.options()->colour(0)), applied[0]);
        QCOMPARE(int(window.options()->colour(1)), applied[1]);
        QCOMPARE(window.options()->kindState(0), applied[2]);
        QCOMPARE(window.options()->kindState(1), applied[3]);
        QCOMPARE(window.files().count(), 3);
    }

    void missingOrEmptyShopListStopsStartUpWithOneMessage_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("missing") << false;
        QTest::newRow("empty") << true;
    }
    void missingOrEmptyShopListStopsStartUpWithOneMessage()
    {
        QFETCH(bool, fileExists);
        MainWindowFixture shop;
        if (fileExists)
            writeTestFile(shop.path(), QStringLiteral("PlayList.kat"), {});
        frmzBIRNIK& window = shop.create();
        QVERIFY(!window.Form_Load(shop.path()));
        QCOMPARE(shop.prompts.shown.size(), 1);
        QCOMPARE(shop.prompts.shown[0].icon, MessageIcon::Critical);
        QVERIFY(shop.prompts.shown[0].text.contains(QStringLiteral("PlayList.kat")));
        QVERIFY(shop.prompts.shown[0].text.contains(shop.path()));
        // And how to name another folder.
        QVERIFY(shop.prompts.shown[0].text.contains(QStringLiteral("zbirnik FOLDER")));
    }

    void missingListingLeavesAnEmptyListAndSaysWhich()
    {
        MainWindowFixture shop;
        shop.writeShop({kCd1});
        shop.writeShopList({"Jedan", "Dva"});
        frmzBIRNIK& window = shop.start();
        window.cmbCDovi->setCurrentIndex(1);
        window.cmbCDovi_Click();
        QCOMPARE(window.files().count(), 0);
        QCOMPARE(window.lblInformation[0]->text(), QStringLiteral("Ukupno datoteka na CD-u : 0"));
        QCOMPARE(window.lblInformation[1]->text(),
                 QStringLiteral("Velicina svih datoteka na CD-u : 000.0000"));
        QCOMPARE(shop.prompts.shown.size(), 1);
        QVERIFY(shop.prompts.shown[0].text.contains(QStringLiteral("Muzika 002.kat")));
    }

    void listingCutInsideARecordKeepsItsRecords()
    {
        MainWindowFixture shop;
        shop.writeShop({{"D:\\a.mp3,001.0000", "D:\\b.mp3"}});
        frmzBIRNIK& window = shop.start();
        QCOMPARE(shop.texts(window.files()), QStringList{"a.mp3"});
        QCOMPARE(window.lblInformation[1]->text(),
                 QStringLiteral("Velicina svih datoteka na CD-u : 001.0000"));
        QCOMPARE(shop.prompts.shown.size(), 1);
        QVERIFY(shop.prompts.shown[0].text.contains(QStringLiteral("Muzika 001.kat")));
    }

    void sizeThatIsNotANumberIsNamedAndCountsAsZero()
    {
        MainWindowFixture shop;
        shop.writeShop({{"D:\\a.mp3,001.0000", "D:\\losa.mp3,x1.0000", "D:\\c.mp3,002.0000"}});
        frmzBIRNIK& window = shop.start();
        QCOMPARE(window.files().count(), 3);
        QCOMPARE(window.lblInformation[1]->text(),
                 QStringLiteral("Velicina svih datoteka na CD-u : 003.0000"));
        QCOMPARE(shop.prompts.shown.size(), 1);
        QVERIFY(shop.prompts.shown[0].text.contains(QStringLiteral("losa.mp3")));
        QVERIFY(shop.prompts.shown[0].text.contains(QStringLiteral("x1.0000")));
    }

    void eachEntryReadsTheListingOfItsPosition()
    {
        MainWindowFixture shop;
        QList<QStringList> listings;
        for (int cd = 1; cd <= 5; ++cd)
            listings << QStringList{QStringLiteral("D:\\cd%1.mp3,001.0000").arg(cd)};
        shop.writeShop(listings);
        frmzBIRNIK& window = shop.start();
        window.cmbCDovi->setCurrentIndex(4);
        window.cmbCDovi_Click();
        QCOMPARE(shop.texts(window.files()), QStringList{"cd5.mp3"});
    }

    // Qt's own buttons and file dialog speak the program's language when Qt's Croatian
    // translation is installed (Debian's qt6-translations-l10n).
    void qtTextsAreCroatianWhenInstalled()
    {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_hr.qm")))
            QSKIP("Qt's Croatian translation (qt6-translations-l10n) is not installed");
        QTranslator* translation = installQtTranslation(*QCoreApplication::instance());
        QVERIFY(translation);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        const QString yes = box.button(QMessageBox::Yes)->text();
        QCoreApplication::removeTranslator(translation);
        delete translation;
        QCOMPARE(yes, QStringLiteral("&Da"));
    }

    // Before any file is chosen the file dialogs start in the shop folder, unless orders
    // cannot be saved there or it is a system folder (an installed demo shop, also for root):
    // then in the user's documents.
    void fileDialogsFirstStartWhereOrdersCanBeSaved()
    {
        MainWindowFixture shop;
        shop.writeShop({kCd1});
        frmzBIRNIK& window = shop.start();
        window.cmdSave_Click();
        QCOMPARE(shop.dialogs.fileRequests.at(0).folder, QDir(shop.path()).absolutePath());

        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString elsewhere = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        QCOMPARE(firstDialogFolder(shop.path(QStringLiteral("nema"))), elsewhere);
        QCOMPARE(firstDialogFolder(QStringLiteral("/usr/share")), elsewhere);
        QCOMPARE(firstDialogFolder(QStringLiteral("/var")), elsewhere);
        if (geteuid() != 0) { // permissions bind everyone but root
            QFile::setPermissions(shop.path(), QFile::ReadOwner | QFile::ExeOwner);
            QCOMPARE(firstDialogFolder(shop.path()), elsewhere);
            QFile::setPermissions(shop.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    void izlazClosesTheWindow()
    {
        MainWindowFixture shop;
        shop.writeShop({kCd1});
        frmzBIRNIK& window = shop.start();
        window.show();
        window.cmdIzlaz_Click();
        QVERIFY(!window.isVisible());
    }
};

ZBIRNIK_TEST(StartupTest)
#include "StartupTest.moc"
