#include "MainWindowFixture.h"
#include "common/TestRegistry.h"
#include "dialogs/FormColours.h"
#include "dialogs/frmOpcije.h"
#include "orderfile/OrderFileReader.h"
#include "platform/qt/ColourValue.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QTest>

namespace {

// Selects exactly the given rows and makes current the given one (none for -1), the way
// extended selection with the control key leaves a list.
void select(QListView* list, const QList<int>& rows, int current)
{
    QItemSelectionModel* selection = list->selectionModel();
    selection->clearSelection();
    for (const int row : rows)
        selection->select(list->model()->index(row, 0), QItemSelectionModel::Select);
    selection->setCurrentIndex(current < 0 ? QModelIndex() : list->model()->index(current, 0),
                               QItemSelectionModel::NoUpdate);
}

QColor textColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

const QString kDuplicateTitle = QStringLiteral("Trenutna datoteka vec je dodana");
const QString kCapacityTitle = QStringLiteral("Previse datoteka izabrano");

} // namespace

class OrderHandlersTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    frmzBIRNIK& startShop(const QList<QStringList>& listings)
    {
        f = std::make_unique<MainWindowFixture>();
        f->writeShop(listings);
        return f->start();
    }

private slots:
    void cleanup() { f.reset(); }

    void addingSelectedRefusesTheOrderedOneInBatchOrder()
    {
        frmzBIRNIK& w = startShop(
            {{"D:\\m\\a.mp3,001.0000", "D:\\m\\b.mp3,002.0000", "D:\\m\\c.mp3,003.0512"}});
        select(w.lstCD, {1}, 1);
        w.cmdDodaj_Click();
        select(w.lstCD, {0, 1, 2}, 2);
        w.cmdDodaj_Click();
        QCOMPARE(f->texts(w.order().model()),
                 QStringList({"CD 001: b.mp3", "CD 001: a.mp3", "CD 001: c.mp3"}));
        QCOMPARE(w.order().model().at(2).fullPath, QStringLiteral("D:\\m\\c.mp3"));
        QCOMPARE(w.order().model().at(2).size, QStringLiteral("003.0512"));
        QCOMPARE(f->prompts.shown.size(), 1);
        QCOMPARE(f->prompts.shown[0].text, QStringLiteral("CD 001: b.mp3 vec ste dodali"));
        QCOMPARE(f->prompts.shown[0].title, kDuplicateTitle);
        QCOMPARE(f->prompts.shown[0].icon, MessageIcon::Information);
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("3"));
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("006.0512"));

        // The duplicate test ignores letter case; the same name from another CD is added.
        w.files().setRows({{"B.MP3", "D:\\m\\B.MP3", "002.0000"}});
        w.cmdDodajSve_Click();
        QCOMPARE(f->prompts.shown.size(), 2);
        QCOMPARE(f->prompts.shown[1].text, QStringLiteral("CD 001: B.MP3 vec ste dodali"));
        w.cmbCDovi->setCurrentIndex(-1);
        w.cmdDodajSve_Click();
        QCOMPARE(w.order().model().at(3).text, QStringLiteral("CD 000: B.MP3"));
    }

    void labelsOfSearchResultsAndOwnCdPrefixes()
    {
        frmzBIRNIK& w = startShop({{"D:\\m\\a.mp3,001.0000"}, {"D:\\m\\a.mp3,001.0000"}});
        w.cmbCDovi->setCurrentIndex(1);
        w.cmbCDovi_Click();
        w.files().setRows({{"CD 004: x.mp3", "D:\\x.mp3", "001.0000"},
                           {"CD Intro.mp3", "D:\\CD Intro.mp3", "001.0000"},
                           {"cd outro.mp3", "D:\\cd outro.mp3", "001.0000"},
                           {"a.mp3", "D:\\m\\a.mp3", "001.0000"}});
        w.cmdDodajSve_Click();
        w.cmbCDovi->setCurrentIndex(0);
        w.cmbCDovi_Click();
        w.cmdDodajSve_Click();
        // A file merely named "CD Intro.mp3" carries no label of its own.
        QCOMPARE(f->texts(w.order().model()),
                 QStringList({"CD 004: x.mp3", "CD 002: CD Intro.mp3", "CD 002: cd outro.mp3",
                              "CD 002: a.mp3", "CD 001: a.mp3"}));
        QVERIFY(f->prompts.shown.isEmpty());
    }

    void previousOrderQuestionThenDuplicateAndFaultyFiles()
    {
        frmzBIRNIK& w = startShop({{"D:\\m\\a.mp3,001.0000", "D:\\m\\b.mp3,001.0000"}});
        const QString old = writeTestFile(f->path(), QStringLiteral("stari.txt"),
                                          "\"CD 011: x\",\"E:\\Rock\\A.MP3\",\"001.0000\"\r\n");
        w.shared().ProsliCD = {QString(), f->path(QStringLiteral("nema.txt")), old};
        w.shared().BrojProslihCD = 2;
        select(w.lstCD, {0}, 0);
        w.cmdDodaj_Click();
        QCOMPARE(f->prompts.shown.size(), 2);
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("Greska"));
        QCOMPARE(f->prompts.shown[0].icon, MessageIcon::Critical);
        QVERIFY(f->prompts.shown[0].text.contains(QStringLiteral("nema.txt")));
        QCOMPARE(f->prompts.shown[1].text,
                 QStringLiteral("Na proslim CD-ovima ste narucili datoteku A.MP3. Da li zelite "
                                "je dodati ponovo"));
        QCOMPARE(f->prompts.shown[1].title, QStringLiteral("Datoteke se podudaraju"));
        QCOMPARE(f->prompts.shown[1].icon, MessageIcon::None);
        QCOMPARE(f->prompts.shown[1].buttons, MessageButtons::YesNo);
        QCOMPARE(w.order().count(), 1);

        // Yes to the question of an item already ordered: then the duplicate message.
        f->prompts.shown.clear();
        f->prompts.yesNoAnswers = {MessageAnswer::Yes, MessageAnswer::No};
        w.cmdDodajSve_Click();
        QCOMPARE(f->prompts.titles(),
                 QStringList({"Greska", "Datoteke se podudaraju", kDuplicateTitle}));
        QCOMPARE(f->texts(w.order().model()), QStringList({"CD 001: a.mp3", "CD 001: b.mp3"}));
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("2"));
    }

    void withoutCurrentEntryNothingHappens()
    {
        frmzBIRNIK& w = startShop({{"D:\\m\\a.mp3,001.0000"}});
        w.lblBrojNarucenih->setText(QStringLiteral("untouched"));
        select(w.lstCD, {0}, -1);
        w.cmdDodaj_Click();
        select(w.lstCDNarucen, {}, -1);
        w.cmdIzbrisi_Click();
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("untouched"));
        QCOMPARE(w.order().count(), 0);

        // A current entry without a selection adds nothing but refreshes the count.
        select(w.lstCD, {}, 0);
        w.cmdDodaj_Click();
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("0"));
        QCOMPARE(w.order().count(), 0);
        w.cmdDodajSve_Click();
        w.lblBrojNarucenih->setText(QStringLiteral("untouched"));
        select(w.lstCDNarucen, {}, 0);
        w.cmdIzbrisi_Click();
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("1"));
    }

    void removingSelectedItems()
    {
        frmzBIRNIK& w = startShop({{"D:\\X,001.0000", "D:\\Y,002.0000", "D:\\Z,004.0000"}});
        const QStringList all = {"CD 001: X", "CD 001: Y", "CD 001: Z"};
        for (int mask = 0; mask < 8; ++mask) {
            w.cmdIzbrisiSve_Click();
            w.cmdDodajSve_Click();
            QList<int> selected;
            QStringList kept;
            for (int i = 0; i < 3; ++i)
                (mask & (1 << i)) ? void(selected << i) : void(kept << all[i]);
            select(w.lstCDNarucen, selected, 1);
            w.cmdIzbrisi_Click();
            QCOMPARE(f->texts(w.order().model()), kept);
            QCOMPARE(w.lblBrojNarucenih->text(), QString::number(kept.size()));
            QVERIFY(w.order().contains(QStringLiteral("cd 001: y")) == kept.contains(all[1]));
        }
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("000.0000"));
    }

    // A file of the file list is marked while its order item is in the order, compared as the
    // duplicate test compares; its tool tip and accessible description say so.
    void marksFollowTheOrder()
    {
        frmzBIRNIK& w =
            startShop({{"D:\\m\\a.mp3,001.0000", "D:\\m\\b.DAT,002.0000", "D:\\m\\c.mp3,003.0512"},
                       {"D:\\n\\a.mp3,001.0000"}});
        const auto marked = [&] {
            QList<int> rows;
            for (int row = 0; row < w.files().count(); ++row) {
                if (w.lstCD->model()->index(row, 0).data(FileRowsModel::MarkedRole).toBool())
                    rows << row;
            }
            return rows;
        };
        QCOMPARE(marked(), QList<int>());
        select(w.lstCD, {0, 1}, 1);
        w.cmdDodaj_Click();
        QCOMPARE(marked(), QList<int>({0, 1}));
        const QModelIndex b = w.lstCD->model()->index(1, 0);
        QCOMPARE(b.data(Qt::ToolTipRole).toString(),
                 QStringLiteral("b.DAT\nVelicina: 002.0000 MB\nVrsta: Video spot\nVec u narudzbi"));
        QCOMPARE(b.data(Qt::AccessibleDescriptionRole), b.data(Qt::ToolTipRole));
        QCOMPARE(w.lstCDNarucen->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("CD 001: a.mp3\nVelicina: 001.0000 MB\nVrsta: MP3 pjesma"));

        // An item typed in another letter case is the same item.
        w.order().add({{QStringLiteral("cd 001: C.MP3"), {}, QStringLiteral("003.0512")}});
        QCOMPARE(marked(), QList<int>({0, 1, 2}));
        select(w.lstCDNarucen, {0, 2}, 0);
        w.cmdIzbrisi_Click();
        QCOMPARE(marked(), QList<int>({1}));
        w.cmdIzbrisiSve_Click();
        QCOMPARE(marked(), QList<int>());
        w.order().undo();
        QCOMPARE(marked(), QList<int>({1}));
        w.order().redo();
        QCOMPARE(marked(), QList<int>());

        // The same name on another source CD is another item.
        select(w.lstCD, {0}, 0);
        w.cmdDodaj_Click();
        w.cmbCDovi->setCurrentIndex(1);
        w.cmbCDovi_Click();
        QCOMPARE(marked(), QList<int>());
    }

    void capacityMessageOncePerCrossing()
    {
        frmzBIRNIK& w =
            startShop({{"D:\\big.DAT,400.0000", "D:\\mid.DAT,250.0000", "D:\\one.mp3,000.0001"}});
        const QColor red = overCapacityRed();
        const auto warnings = [&] { return f->prompts.titles().count(kCapacityTitle); };
        w.cmdDodajSve_Click();
        QCOMPARE(warnings(), 1);
        QCOMPARE(textColour(w.lblUkupnoVrijeme), red);
        QCOMPARE(textColour(w.lblCDNarucen_Vrijeme), red);
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("650.0001"));

        // Emptying brings back the normal colours, so refilling warns again.
        const QColor normal = w.palette().color(QPalette::ButtonText);
        w.cmdIzbrisiSve_Click();
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("000.0000"));
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("0"));
        QCOMPARE(textColour(w.lblUkupnoVrijeme), normal);
        QCOMPARE(textColour(w.lblCDNarucen_Vrijeme), normal);
        w.cmdDodajSve_Click();
        QCOMPARE(warnings(), 2);

        // Exactly 650.0000 is within the capacity; crossing again warns again.
        select(w.lstCDNarucen, {2}, 2);
        w.cmdIzbrisi_Click();
        QCOMPARE(w.lblCDNarucen_Vrijeme->text(), QStringLiteral("650.0000"));
        QVERIFY(textColour(w.lblUkupnoVrijeme) != red);
        select(w.lstCD, {2}, 2);
        w.cmdDodaj_Click();
        QCOMPARE(warnings(), 3);
    }

    // A full order takes what fits and says once how many entries were left out, after the
    // count and the total are shown.
    void addingStopsWhenTheOrderIsFull()
    {
        frmzBIRNIK& w =
            startShop({{"D:\\a.mp3,001.0000", "D:\\b.mp3,001.0000", "D:\\c.mp3,001.0000"}});
        QList<FileRow> almostFull;
        for (int i = 0; i < kMaxOrderItems - 1; ++i)
            almostFull.append(
                {QStringLiteral("CD 009: %1").arg(i), {}, QStringLiteral("000.0000")});
        w.order().add(almostFull);
        QString countShown;
        f->prompts.whileShown = [&](const FakePrompts::Shown&) {
            countShown = w.lblBrojNarucenih->text();
        };
        w.cmdDodajSve_Click();
        QCOMPARE(w.order().count(), kMaxOrderItems);
        QCOMPARE(w.order().model().at(kMaxOrderItems - 1).text, QStringLiteral("CD 001: a.mp3"));
        QCOMPARE(f->prompts.shown.size(), 1);
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("Narudzba je puna"));
        QVERIFY2(f->prompts.shown[0].text.contains(QStringLiteral("32767")) &&
                     f->prompts.shown[0].text.contains(QStringLiteral(" 2 ")),
                 qPrintable(f->prompts.shown[0].text));
        QCOMPARE(countShown, QStringLiteral("32767"));
    }

    void detailsInTheColourOfTheKind()
    {
        frmzBIRNIK& w = startShop({{"D:\\m\\song.mp3,004.0512", "D:\\v\\clip.dat,020.0000"}});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.options()->setColour(0, 0x00AA00);
        w.options()->setColour(1, 0x0000CC);
        const QColor mp3 = colourFromValue(0x00AA00);
        const QColor video = colourFromValue(0x0000CC);

        select(w.lstCD, {}, 1);
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("clip.dat"));
        QCOMPARE(w.lblVrijeme->text(), QStringLiteral("020.0000"));
        QCOMPARE(textColour(w.lblPjesma), video);
        QCOMPARE(textColour(w.lblVrijeme), video);

        // A control-click that clears an item's selection still makes it the current item.
        select(w.lstCD, {0}, 1);
        const QRect row0 = w.lstCD->visualRect(w.lstCD->model()->index(0, 0));
        QTest::mouseClick(w.lstCD->viewport(), Qt::LeftButton, Qt::ControlModifier, row0.center());
        QVERIFY(!w.lstCD->selectionModel()->isRowSelected(0, {}));
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("song.mp3"));
        QCOMPARE(w.lblVrijeme->text(), QStringLiteral("004.0512"));
        QCOMPARE(textColour(w.lblPjesma), mp3);

        // A double click adds like "&Dodaj >"; the order item shows with its label.
        const QRect row1 = w.lstCD->visualRect(w.lstCD->model()->index(1, 0));
        QTest::mouseClick(w.lstCD->viewport(), Qt::LeftButton, {}, row1.center());
        QTest::mouseDClick(w.lstCD->viewport(), Qt::LeftButton, {}, row1.center());
        QCOMPARE(f->texts(w.order().model()), QStringList({"CD 001: clip.dat"}));
        select(w.lstCDNarucen, {}, 0);
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("CD 001: clip.dat"));
        QCOMPARE(textColour(w.lblVrijeme), video);

        select(w.lstCDNarucen, {}, -1);
        QCOMPARE(w.lblPjesma->text(), QString());
        QCOMPARE(w.lblVrijeme->text(), QString());
        QCOMPARE(textColour(w.lblPjesma), mp3);
    }
};

ZBIRNIK_TEST(OrderHandlersTest)
#include "OrderHandlersTest.moc"
