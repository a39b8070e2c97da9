#include "MainWindowFixture.h"
#include "common/TestRegistry.h"

#include <QTest>

namespace {

const QString kDuplicateTitle = QStringLiteral("Trenutna datoteka vec je dodana");
const QString kQuestionTitle = QStringLiteral("Datoteke se podudaraju");
const QStringList kFour = {"D:\\m\\a.mp3,001.0000", "D:\\m\\b.mp3,001.0000",
                           "D:\\m\\c.mp3,001.0000", "D:\\m\\d.mp3,001.0000"};

} // namespace

// A batch of additions is no trap of boxes: from the second box of a batch on, the rest of
// the batch can be answered at once.
class BatchBoxesTest : public QObject
{
    Q_OBJECT
private slots:
    void secondDuplicateOffersToSkipTheRest()
    {
        MainWindowFixture f;
        f.writeShop({kFour});
        frmzBIRNIK& w = f.start();
        w.cmdDodajSve_Click();
        f.prompts.choices = {1}; // "Preskoci ostale" in the second box
        w.cmdDodajSve_Click();

        QCOMPARE(f.prompts.titles(), QStringList(3, kDuplicateTitle));
        QCOMPARE(f.prompts.shown[0].text, QStringLiteral("CD 001: a.mp3 vec ste dodali"));
        QVERIFY(f.prompts.shown[0].ownButtons.isEmpty());
        QCOMPARE(f.prompts.shown[1].text, QStringLiteral("CD 001: b.mp3 vec ste dodali"));
        QCOMPARE(f.prompts.shown[1].ownButtons, (QStringList{"OK", "&Preskoci ostale"}));
        QCOMPARE(f.prompts.shown[1].defaultButton, 0);
        QCOMPARE(f.prompts.shown[1].escapeButton, 0); // Esc is "OK", skipping nothing more
        QCOMPARE(f.prompts.shown[1].icon, MessageIcon::Information);
        QCOMPARE(f.prompts.shown[2].text,
                 QStringLiteral("Jos 2 datoteke vec su bile u narudzbi; nisu ponovo dodane."));
        QCOMPARE(w.order().count(), 4);

        // The next batch starts afresh; OK in every box skips nothing and adds no summary.
        f.prompts.shown.clear();
        w.cmdDodajSve_Click();
        QCOMPARE(f.prompts.shown.size(), 4);
        QCOMPARE(f.prompts.shown[3].text, QStringLiteral("CD 001: d.mp3 vec ste dodali"));
        QCOMPARE(f.prompts.shown[3].ownButtons.size(), 2);
    }

    // The line on the skipped duplicates closes the batch: the count and the total it
    // follows already include the files the batch added.
    void skippedLineFollowsTheUpdatedTotal()
    {
        MainWindowFixture f;
        f.writeShop({kFour});
        frmzBIRNIK& w = f.start();
        w.cmdDodajSve_Click();
        w.order().remove({3});
        QString totalAtSummary;
        f.prompts.whileShown = [&](const FakePrompts::Shown&) {
            totalAtSummary = w.lblCDNarucen_Vrijeme->text();
        };
        f.prompts.choices = {1}; // "Preskoci ostale" in the second box
        w.cmdDodajSve_Click();

        QCOMPARE(f.prompts.shown.last().text,
                 QStringLiteral("Jos 1 datoteka vec je bila u narudzbi; nije ponovo dodana."));
        QCOMPARE(totalAtSummary, QStringLiteral("004.0000"));
    }

    void secondQuestionOffersYesAndNoForAll()
    {
        MainWindowFixture f;
        f.writeShop({kFour});
        QString old;
        for (const char* name : {"A", "B", "C", "D"})
            old += QStringLiteral("\"CD 009\",\"E:\\%1.MP3\",\"001.0000\"\r\n")
                       .arg(QLatin1String(name));
        writeTestFile(f.path(), QStringLiteral("stari.txt"), TextCodec::encode(old));
        frmzBIRNIK& w = f.start();
        w.shared().ProsliCD = {QString(), f.path(QStringLiteral("stari.txt"))};
        w.shared().BrojProslihCD = 1;

        f.prompts.yesNoAnswers = {MessageAnswer::Yes};
        f.prompts.choices = {3}; // "Ne za sve"
        w.cmdDodajSve_Click();
        QCOMPARE(f.prompts.titles(), QStringList(2, kQuestionTitle));
        QCOMPARE(f.prompts.shown[0].buttons, MessageButtons::YesNo);
        QVERIFY(f.prompts.shown[0].ownButtons.isEmpty());
        QCOMPARE(f.prompts.shown[1].text,
                 QStringLiteral("Na proslim CD-ovima ste narucili datoteku B.MP3. Da li zelite "
                                "je dodati ponovo"));
        QCOMPARE(f.prompts.shown[1].ownButtons,
                 (QStringList{"Yes", "No", "Da za &sve", "Ne za sv&e"}));
        QCOMPARE(f.prompts.shown[1].defaultButton, 0);
        QCOMPARE(f.prompts.shown[1].escapeButton, 1); // Esc is "No"
        QCOMPARE(f.texts(w.order().model()), QStringList{"CD 001: a.mp3"});

        f.prompts.shown.clear();
        f.prompts.yesNoAnswers = {MessageAnswer::Yes};
        f.prompts.choices = {2}; // "Da za sve"
        w.cmdDodajSve_Click();
        QCOMPARE(f.prompts.titles(),
                 QStringList({kQuestionTitle, kDuplicateTitle, kQuestionTitle}));
        QCOMPARE(f.texts(w.order().model()),
                 QStringList({"CD 001: a.mp3", "CD 001: b.mp3", "CD 001: c.mp3", "CD 001: d.mp3"}));
    }
};

ZBIRNIK_TEST(BatchBoxesTest)
#include "BatchBoxesTest.moc"
