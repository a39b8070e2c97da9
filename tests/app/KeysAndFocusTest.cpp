#include "MainWindowFixture.h"
#include "common/TestRegistry.h"
#include "dialogs/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class KeysAndFocusTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    // A shown, active window over a source CD of three files, all of them in the order.
    frmzBIRNIK& startActive()
    {
        f = std::make_unique<MainWindowFixture>();
        f->writeShop({{"D:\\m\\a.mp3,001.0000", "D:\\m\\b.mp3,002.0000", "D:\\v\\c.dat,003.0000"}});
        frmzBIRNIK& w = f->start();
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qFatal("the main window did not become active");
        return w;
    }

    static void clickRow(QListView* list, int row)
    {
        const QRect place = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

private slots:
    void cleanup() { f.reset(); }

    // Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo. What comes back is selected, the first of
    // it current; the changed mark follows the saved point, and emptying is never a change.
    void undoRedoAndTheSavedPoint()
    {
        frmzBIRNIK& w = startActive();
        auto* undo = w.findChild<QAction*>(QStringLiteral("actPonisti"));
        auto* redo = w.findChild<QAction*>(QStringLiteral("actPonovi"));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Ponisti"));
        w.cmdDodajSve_Click();
        const QStringList all = f->texts(w.order().model());
        f->dialogs.files = {f->path(QStringLiteral("n.txt"))};
        w.cmdSave_Click();
        QVERIFY(!w.isWindowModified());

        QItemSelectionModel* selection = w.lstCDNarucen->selectionModel();
        w.lstCDNarucen->setFocus();
        selection->setCurrentIndex(w.order().model().index(0), QItemSelectionModel::Select);
        selection->select(w.order().model().index(2), QItemSelectionModel::Select);
        QTest::keyClick(w.lstCDNarucen, Qt::Key_Delete);
        QCOMPARE(f->texts(w.order().model()), QStringList{"CD 001: b.mp3"});
        QVERIFY(w.isWindowModified());
        QCOMPARE(undo->text(), QStringLiteral("Ponisti: Izbrisi"));

        selection->clear();
        QTest::keyClick(w.lstCDNarucen, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->texts(w.order().model()), all);
        QVERIFY(!w.isWindowModified());
        QCOMPARE(selection->selectedRows().size(), 2);
        QVERIFY(selection->isRowSelected(0) && selection->isRowSelected(2));
        QCOMPARE(w.lstCDNarucen->currentIndex().row(), 0);
        QCOMPARE(undo->text(), QStringLiteral("Ponisti: Dodaj Sve"));
        QCOMPARE(redo->text(), QStringLiteral("Ponovi: Izbrisi"));

        QTest::keyClick(w.lstCDNarucen, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.order().count(), 1);
        QVERIFY(!redo->isEnabled());
        QTest::keyClick(w.lstCDNarucen, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(w.lstCDNarucen, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.order().count(), 1);

        // A saved order emptied is no change; undone, it is the saved order again.
        QTest::keyClick(w.lstCDNarucen, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.cmdIzbrisiSve->toolTip().contains(QStringLiteral("Ctrl+Z")));
        w.cmdIzbrisiSve_Click();
        QVERIFY(!w.isWindowModified());
        QTest::keyClick(w.lstCDNarucen, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->texts(w.order().model()), all);
        QVERIFY(!w.isWindowModified());
        QCOMPARE(selection->selectedRows().size(), 3);
        QVERIFY(f->prompts.shown.isEmpty());
    }

    // Enter on a focused button presses that button; anywhere else it is "&Dodaj >".
    void enterPressesTheFocusedButton()
    {
        frmzBIRNIK& w = startActive();
        w.cmdDodajSve_Click();
        w.cmdIzbrisiSve->setFocus();
        QTest::keyClick(w.cmdIzbrisiSve, Qt::Key_Return);
        QCOMPARE(w.order().count(), 0);

        w.lstCD->setFocus();
        w.lstCD->setCurrentIndex(w.files().index(1, 0));
        QTest::keyClick(w.lstCD, Qt::Key_Enter);
        QCOMPARE(f->texts(w.order().model()), QStringList{"CD 001: b.mp3"});

        w.cmdDodaj->setFocus();
        w.lstCD->selectionModel()->select(w.files().index(2, 0), QItemSelectionModel::Select);
        QTest::keyClick(w.cmdDodaj, Qt::Key_Return);
        QCOMPARE(w.order().count(), 2);
        QVERIFY(w.cmdDodaj->isDefault());
    }

    // A mnemonic clicks at once, as Enter does, so a key typed right after it comes after the
    // click: Alt+S and Down adds the files shown, not those of the next source CD.
    void mnemonicsClickAtOnce()
    {
        frmzBIRNIK& w = startActive();
        QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(w.order().count(), 3);
        QTest::keyClick(&w, Qt::Key_Z, Qt::AltModifier);
        QCOMPARE(w.order().count(), 0);
    }

    void deleteInTheOrderRemovesTheSelectedItems()
    {
        frmzBIRNIK& w = startActive();
        w.cmdDodajSve_Click();
        // Delete in the file list is no key of the order.
        w.lstCD->setFocus();
        w.lstCD->setCurrentIndex(w.files().index(0, 0));
        QTest::keyClick(w.lstCD, Qt::Key_Delete);
        QCOMPARE(w.order().count(), 3);

        w.lstCDNarucen->setFocus();
        QItemSelectionModel* selection = w.lstCDNarucen->selectionModel();
        selection->setCurrentIndex(w.order().model().index(0, 0),
                                   QItemSelectionModel::ClearAndSelect);
        selection->select(w.order().model().index(2, 0), QItemSelectionModel::Select);
        QTest::keyClick(w.lstCDNarucen, Qt::Key_Delete);
        QCOMPARE(f->texts(w.order().model()), QStringList{"CD 001: b.mp3"});
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("1"));
    }

    void ctrlKeysAndF1RunTheirCommands()
    {
        frmzBIRNIK& w = startActive();
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f->dialogs.fileRequests.size(), 2);
        QCOMPARE(f->dialogs.fileRequests[0].title, QStringLiteral("Sacuvajte PlayListu"));
        QCOMPARE(f->dialogs.fileRequests[1].title, QStringLiteral("Otvorite PlayListu"));
        QCOMPARE(w.cmdSave->toolTip(),
                 QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText));

        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(w.findDialog() && w.findDialog()->isVisible());
        w.findDialog()->hide();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        bool aboutShown = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            aboutShown = about != nullptr;
            if (about)
                about->accept();
        });
        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(aboutShown);

        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
    }

    // Clicking an entry shows its details, also when it was the current entry already.
    void detailsFollowEveryClick()
    {
        frmzBIRNIK& w = startActive();
        w.cmdDodajSve_Click();
        clickRow(w.lstCD, 0);
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("a.mp3"));
        clickRow(w.lstCDNarucen, 2);
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("CD 001: c.dat"));
        clickRow(w.lstCD, 0);
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("a.mp3"));
        QCOMPARE(w.lblVrijeme->text(), QStringLiteral("001.0000"));
    }

    // The focus arriving by Tab makes no entry current, so adding still does nothing.
    void tabIntoAListMakesNoEntryCurrent()
    {
        frmzBIRNIK& w = startActive();
        w.cmbCDovi->setFocus();
        QTest::keyClick(w.cmbCDovi, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.lstCD);
        QVERIFY(!w.lstCD->currentIndex().isValid());
        QCOMPARE(w.lblPjesma->text(), QString());
        QTest::keyClick(w.lstCD, Qt::Key_Return);
        QCOMPARE(w.order().count(), 0);
        QCOMPARE(w.lblBrojNarucenih->text(), QStringLiteral("0"));

        // The arrow keys still reach the first entry.
        QTest::keyClick(w.lstCD, Qt::Key_Down);
        QCOMPARE(w.lstCD->currentIndex().row(), 0);
        QCOMPARE(w.lblPjesma->text(), QStringLiteral("a.mp3"));
    }
};

ZBIRNIK_TEST(KeysAndFocusTest)
#include "KeysAndFocusTest.moc"
