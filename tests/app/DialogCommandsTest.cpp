#include "MainWindowFixture.h"
#include "app/OrderFillBar.h"
#include "common/TestRegistry.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmOpcije.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class DialogCommandsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    frmzBIRNIK& startShop()
    {
        f = std::make_unique<MainWindowFixture>();
        f->writeShop({{"D:\\Jedan\\Prva pjesma.mp3,001.0100", "D:\\Jedan\\Spot.DAT,020.0000"},
                      {"D:\\Dva\\Druga pjesma.mp3,002.0200", "D:\\Dva\\Nesto.mp3,000.0512"},
                      {"D:\\Tri\\Treca PJESMA.MP3,003.0000"}});
        return f->start();
    }

    frmNadji& openFind(frmzBIRNIK& window)
    {
        window.cmdNadji_Click();
        return *window.findDialog();
    }

    QString information(frmzBIRNIK& window, int line)
    {
        return window.lblInformation[line]->text();
    }

private slots:
    void searchOverEveryCdReplacesTheFileList()
    {
        frmzBIRNIK& window = startShop();
        frmNadji& find = openFind(window);
        QVERIFY(find.isVisible());
        QVERIFY(!find.isModal());
        find.txtNadji->setText(QStringLiteral("pjesma"));
        find.optPretrazi[1]->setChecked(true);
        QTest::mouseClick(find.cmdNadji, Qt::LeftButton);

        QCOMPARE(f->texts(window.files()),
                 QStringList({"CD 001: Prva pjesma.mp3", "CD 002: Druga pjesma.mp3",
                              "CD 003: Treca PJESMA.MP3"}));
        QCOMPARE(window.files().at(1).fullPath, QStringLiteral("D:\\Dva\\Druga pjesma.mp3"));
        QCOMPARE(information(window, 0), QStringLiteral("Nadjeno : 3 datoteka"));
        QCOMPARE(information(window, 1), QStringLiteral("Velicina nadjenih datoteka : 006.0300"));
        QVERIFY(window.cmdNadjiSve->isEnabled());
        QVERIFY(!find.isVisible());
        QVERIFY(f->prompts.shown.isEmpty());

        // The reset brings back the selected source CD and disables itself.
        window.cmbCDovi->setCurrentIndex(1);
        QTest::mouseClick(window.cmdNadjiSve, Qt::LeftButton);
        QVERIFY(!window.cmdNadjiSve->isEnabled());
        QCOMPARE(f->texts(window.files()), QStringList({"Druga pjesma.mp3", "Nesto.mp3"}));
        QCOMPARE(information(window, 0), QStringLiteral("Ukupno datoteka na CD-u : 2"));
    }

    void findDialogIsKeptUntilItsCloseBox()
    {
        frmzBIRNIK& window = startShop();
        frmNadji* first = &openFind(window);
        first->txtNadji->setText(QStringLiteral("x"));
        first->cmdOtkazi_Click();
        QCOMPARE(&openFind(window), first);
        QCOMPARE(first->txtNadji->text(), QStringLiteral("x"));

        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.findDialog());
        frmNadji& fresh = openFind(window);
        QVERIFY(fresh.txtNadji->text().isEmpty());
    }

    void otkaziAndAnEmptyResultAndABadText()
    {
        frmzBIRNIK& window = startShop();
        const QStringList listed = f->texts(window.files());
        const QString line0 = information(window, 0);
        frmNadji& find = openFind(window);

        find.txtNadji->setText(QStringLiteral("pjesma"));
        QTest::mouseClick(find.cmdOtkazi, Qt::LeftButton);
        QCOMPARE(f->texts(window.files()), listed);
        QCOMPARE(information(window, 0), line0);
        QVERIFY(!window.cmdNadjiSve->isEnabled());

        // An invalid text is named; the file list and its lines stay as they were.
        find.show();
        find.txtNadji->setText(QStringLiteral("pjes[ma"));
        find.cmdNadji_Click();
        QCOMPARE(f->prompts.shown.size(), 1);
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("Greska"));
        QVERIFY(f->prompts.shown[0].text.contains(QStringLiteral("\"pjes[ma\"")));
        QCOMPARE(f->texts(window.files()), listed);
        QCOMPARE(information(window, 0), line0);
        QVERIFY(!window.cmdNadjiSve->isEnabled());

        find.txtNadji->setText(QStringLiteral("nema toga"));
        find.cmdNadji_Click();
        QCOMPARE(window.files().count(), 0);
        QCOMPARE(information(window, 0), QStringLiteral("Nadjeno : 0 datoteka"));
        QCOMPARE(information(window, 1), QStringLiteral("Velicina nadjenih datoteka : 000.0000"));
    }

    void unreadableListingsAreNamedInOneMessage()
    {
        frmzBIRNIK& window = startShop();
        QFile::remove(f->path(QStringLiteral("PlayLists/Muzika 001.kat")));
        QFile::remove(f->path(QStringLiteral("PlayLists/Muzika 003.kat")));
        frmNadji& find = openFind(window);
        find.optPretrazi[1]->setChecked(true);
        find.cmdNadji_Click();
        QCOMPARE(f->texts(window.files()),
                 QStringList({"CD 002: Druga pjesma.mp3", "CD 002: Nesto.mp3"}));
        QCOMPARE(information(window, 0), QStringLiteral("Nadjeno : 2 datoteka"));
        QCOMPARE(f->prompts.shown.size(), 1);
        QVERIFY(f->prompts.shown[0].text.contains(QStringLiteral("Muzika 001.kat")));
        QVERIFY(f->prompts.shown[0].text.contains(QStringLiteral("Muzika 003.kat")));
    }

    void optionsAreShownModallyAndOkStoresThem()
    {
        frmzBIRNIK& window = startShop();
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            frmOpcije* options = window.options();
            wasModal = options->isVisible() && QApplication::activeModalWidget() == options;
            options->chkVrstaDat[1]->setChecked(false);
            QTest::mouseClick(options->cmdOK, Qt::LeftButton);
        });
        window.cmdOpcije_Click();
        QVERIFY(wasModal);
        QCOMPARE(f->settings.writes, QStringList({"Boje/1=0", "Boje/2=64", "Izabrano/1=1",
                                                  "Izabrano/2=0", "Kapacitet/MB=650"}));
        // The file list is reloaded only when a source CD is next chosen.
        QCOMPARE(f->texts(window.files()), QStringList({"Prva pjesma.mp3", "Spot.DAT"}));
        window.cmbCDovi_Click();
        QCOMPARE(f->texts(window.files()), QStringList{"Prva pjesma.mp3"});
        QVERIFY(f->prompts.shown.isEmpty());

        // A store that cannot be written is named; the chosen options stay live.
        f->settings.storageFails = true;
        window.options()->chkVrstaDat[1]->setChecked(true);
        window.options()->cmdOK_Click();
        QCOMPARE(f->prompts.titles(), QStringList{"Greska"});
        QVERIFY(f->prompts.shown[0].text.contains(QStringLiteral("zbirnik.ini")));
        QCOMPARE(window.options()->kindState(1), 1);
    }

    // The stored capacity is in force from the start; a new one applies once the dialog has
    // closed with OK, and warns as an addition would. The close box keeps the old one.
    void capacityAppliesWhenTheDialogClosesWithOk()
    {
        f = std::make_unique<MainWindowFixture>();
        f->writeShop({{"D:\\a.mp3,400.0000", "D:\\b.mp3,280.0000"}});
        f->settings.values.insert(QStringLiteral("Kapacitet/MB"), QStringLiteral("700"));
        frmzBIRNIK& window = f->start();
        window.cmdDodajSve_Click();
        QVERIFY(f->prompts.shown.isEmpty());
        QCOMPARE(window.prgPopunjenost->text(), QStringLiteral("Slobodno: 020.0000 MB od 700 MB"));

        // The boxes shown while the dialog was open.
        qsizetype shownWhileOpen = -1;
        const auto choose = [&](int index, bool ok) {
            const qsizetype before = f->prompts.shown.size();
            QTimer::singleShot(0, [&, index, ok, before] {
                frmOpcije* options = window.options();
                options->findChild<QComboBox*>(QStringLiteral("cmbKapacitet"))
                    ->setCurrentIndex(index);
                shownWhileOpen = f->prompts.shown.size() - before;
                if (ok)
                    QTest::mouseClick(options->cmdOK, Qt::LeftButton);
                else
                    options->close();
            });
            window.cmdOpcije_Click();
        };
        choose(0, false);
        QCOMPARE(window.capacity().megabytes, 700);
        QVERIFY(f->prompts.shown.isEmpty() && f->settings.writes.isEmpty());

        choose(0, true);
        QCOMPARE(shownWhileOpen, 0);
        QCOMPARE(f->prompts.titles(), QStringList{QStringLiteral("Previse datoteka izabrano")});
        QCOMPARE(f->prompts.shown[0].text,
                 QStringLiteral("Morate izbaciti neke datoteke. Velicina CD-a je 650 MB"));
        QCOMPARE(f->settings.writes.last(), QStringLiteral("Kapacitet/MB=650"));
        QVERIFY(window.order().overCapacity());
        QCOMPARE(window.prgPopunjenost->text(), QStringLiteral("Previse: 030.0000 MB"));

        // Back to a size the order fits: the colours return, with no box.
        choose(2, true);
        QCOMPARE(f->prompts.shown.size(), 1);
        QVERIFY(!window.order().overCapacity());
    }

    void aboutBoxIsMadeForEachShowing()
    {
        frmzBIRNIK& window = startShop();
        QString title;
        QList<QSize> iconSizes;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            title = about->windowTitle();
            iconSizes = about->windowIcon().availableSizes();
            QVERIFY(about->windowIcon().cacheKey() != window.windowIcon().cacheKey());
            QTest::mouseClick(about->Label1, Qt::LeftButton);
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        });
        window.cmdAbout_Click();
        QCOMPARE(title, QStringLiteral("O Programu"));
        // The box carries a 16 x 16 and a 32 x 32 image of its own icon; the window the
        // theme's icon or the bundled one, up to 256 x 256.
        QCOMPARE(iconSizes, (QList<QSize>{{16, 16}, {32, 32}}));
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(256, 256)));
        QCOMPARE(f->urls.opened, QStringList{frmAbout::kShopAddress});
        QVERIFY(window.findChildren<frmAbout*>().isEmpty());
    }
};

ZBIRNIK_TEST(DialogCommandsTest)
#include "DialogCommandsTest.moc"
