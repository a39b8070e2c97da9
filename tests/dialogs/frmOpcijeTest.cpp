#include "dialogs/frmOpcije.h"
#include "common/TestRegistry.h"
#include "dialogs/ColourSwatch.h"
#include "fakes/FakeDialogBackend.h"
#include "fakes/MemorySettingsStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class frmOpcijeTest : public QObject
{
    Q_OBJECT

    FakeDialogBackend m_backend;
    CommonDialog m_picker{m_backend};
    MemorySettingsStore m_settings;

private slots:
    void init()
    {
        m_backend = {};
        m_settings = {};
    }

    void okWritesTheDefaultsInOrderAndHides()
    {
        frmOpcije dialog(m_picker, m_settings);
        QSignalSpy notStored(&dialog, &frmOpcije::settingsNotStored);
        dialog.show();
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        QCOMPARE(m_settings.writes, QStringList({"Boje/1=0", "Boje/2=64", "Izabrano/1=1",
                                                 "Izabrano/2=1", "Kapacitet/MB=650"}));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(notStored.size(), 0);

        // Storing fails: said once, naming the store; the dialog closes all the same.
        m_settings.storageFails = true;
        dialog.show();
        dialog.cmdOK_Click();
        QCOMPARE(notStored.size(), 1);
        QVERIFY(notStored[0][0].toString().contains(QStringLiteral("zbirnik.ini")));
        QVERIFY(!dialog.isVisible());
    }

    void colourChosenByClickingTheSwatchIsStored()
    {
        frmOpcije dialog(m_picker, m_settings);
        dialog.show();
        m_backend.colours = {0xFF0000u, 0x0000FFu};
        QTest::mouseClick(dialog.lblColor[1], Qt::LeftButton);
        QTest::mouseClick(dialog.lblColor[0], Qt::LeftButton);
        // The picker starts from the swatch's own colour.
        QCOMPARE(m_backend.colourStarts, (QList<quint32>{64, 0}));
        QCOMPARE(dialog.shpBoja[1]->fillColour(), 16711680u);
        dialog.chkVrstaDat[0]->setChecked(false);
        dialog.chkVrstaDat[1]->setChecked(false);
        dialog.cmdOK_Click();
        QCOMPARE(m_settings.writes, QStringList({"Boje/1=255", "Boje/2=16711680", "Izabrano/1=0",
                                                 "Izabrano/2=0", "Kapacitet/MB=650"}));
    }

    // The swatches follow "OK" in the tab order; Space or Enter chooses the colour as a
    // click does, and each announces its kind and current colour.
    void swatchesChosenFromTheKeyboard()
    {
        frmOpcije dialog(m_picker, m_settings);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.cmdOK->setFocus();
        m_backend.colours = {0xFF0000u, std::nullopt};
        QTest::keyClick(dialog.cmdOK, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.lblColor[0]);
        QTest::keyClick(dialog.lblColor[0], Qt::Key_Space);
        QTest::keyClick(dialog.lblColor[0], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.lblColor[1]);
        QTest::keyClick(dialog.lblColor[1], Qt::Key_Return);
        QCOMPARE(m_backend.colourStarts, (QList<quint32>{0, 64}));
        // Enter went to the swatch, not to the default "OK".
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.lblColor[0]->accessibleName(), QStringLiteral("Boja pjesama: #0000ff"));
        QCOMPARE(dialog.lblColor[1]->accessibleName(), QStringLiteral("Boja spotova: #400000"));
    }

    void cancelledPickerKeepsTheColour()
    {
        frmOpcije dialog(m_picker, m_settings);
        dialog.setColour(0, 12345);
        dialog.show();
        m_backend.colours = {std::nullopt};
        dialog.lblColor_Click(0);
        QCOMPARE(dialog.colour(0), 12345u);
        QVERIFY(m_settings.writes.isEmpty());
        dialog.cmdOK_Click();
        QCOMPARE(m_settings.writes.first(), QStringLiteral("Boje/1=12345"));
    }

    // "...oboji ih u:" shows whole, colon included, and stops short of its swatch.
    void captionsShowWholeBesideTheirSwatches()
    {
        frmOpcije dialog(m_picker, m_settings);
        for (int i = 0; i < 2; ++i) {
            const QCheckBox* box = dialog.chkVrstaDat[i];
            QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(box->text()));
            QVERIFY(box->geometry().right() < dialog.shpBoja[i]->geometry().left());
        }
    }

    void closeBoxReturnsToTheShownOptionsAndStoresNothing()
    {
        frmOpcije dialog(m_picker, m_settings);
        dialog.setColour(1, 99);
        dialog.setKindState(0, 0);
        dialog.show();
        m_backend.colours = {0x00FF00u};
        dialog.lblColor_Click(1);
        dialog.chkVrstaDat[0]->setChecked(true);
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.colour(1), 99u);
        QCOMPARE(dialog.kindState(0), 0);
        QVERIFY(m_settings.writes.isEmpty());
    }
};

ZBIRNIK_TEST(frmOpcijeTest)
#include "frmOpcijeTest.moc"
