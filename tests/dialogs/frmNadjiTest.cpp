#include "dialogs/frmNadji.h"
#include "common/TestFiles.h"
#include "common/TestRegistry.h"
#include "platform/TextCodec.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class frmNadjiTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QList<QList<FileRow>> m_found;
    QStringList m_errors;
    int m_selectedCd = 2;

    FindTarget target()
    {
        return {m_folder.path() + u'/',
                [] { return 3; },
                [this] { return m_selectedCd; },
                {},
                [this](const SearchResult& found) {
                    QList<FileRow> list;
                    for (int i = 0; i < found.rows.count(); ++i)
                        list.append(found.rows.at(i));
                    m_found.append(list);
                },
                [this](const QString& text) { m_errors.append(text); }};
    }

    static QStringList texts(const QList<FileRow>& rows)
    {
        QStringList list;
        for (const FileRow& row : rows)
            list << row.text;
        return list;
    }

private slots:
    void initTestCase()
    {
        for (int cd = 1; cd <= 3; ++cd) {
            writeTestFile(m_folder.path(), QStringLiteral("PlayLists/Muzika 00%1.kat").arg(cd),
                          TextCodec::encode(QStringLiteral("D:\\a\\Pjesma %1.mp3,001.0000\r\n"
                                                           "D:\\a\\Spot %1.dat,002.0000\r\n")
                                                .arg(cd)));
        }
    }

    void init()
    {
        m_found.clear();
        m_errors.clear();
    }

    void startsWithTheDesignState()
    {
        frmNadji dialog(target());
        QVERIFY(dialog.txtNadji->text().isEmpty());
        QVERIFY(dialog.optPretrazi[0]->isChecked());
        QVERIFY(dialog.chkVrstaDat[0]->isChecked() && dialog.chkVrstaDat[1]->isChecked());
        QVERIFY(!dialog.isModal());
    }

    void searchHidesAndKeepsItsChoices()
    {
        frmNadji dialog(target());
        dialog.show();
        dialog.txtNadji->setText(QStringLiteral("spot"));
        dialog.optPretrazi[1]->setChecked(true);
        QTest::mouseClick(dialog.cmdNadji, Qt::LeftButton);
        QCOMPARE(m_found.size(), 1);
        QCOMPARE(texts(m_found[0]),
                 QStringList({"CD 001: Spot 1.dat", "CD 002: Spot 2.dat", "CD 003: Spot 3.dat"}));
        QVERIFY(!dialog.isVisible());
        dialog.show();
        QCOMPARE(dialog.txtNadji->text(), QStringLiteral("spot"));
        QVERIFY(dialog.optPretrazi[1]->isChecked());
    }

    void selectedCdAndKindBoxes()
    {
        frmNadji dialog(target());
        dialog.chkVrstaDat[1]->setChecked(false);
        dialog.cmdNadji_Click();
        QCOMPARE(texts(m_found.value(0)), QStringList{"Pjesma 2.mp3"});
    }

    void otkaziChangesNothing()
    {
        frmNadji dialog(target());
        dialog.show();
        dialog.txtNadji->setText(QStringLiteral("x"));
        QTest::mouseClick(dialog.cmdOtkazi, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(m_found.isEmpty());
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(dialog.txtNadji->text(), QStringLiteral("x"));
    }

    void invalidTextIsNamedAndNothingIsReplaced()
    {
        frmNadji dialog(target());
        dialog.show();
        dialog.txtNadji->setText(QStringLiteral("[ab"));
        dialog.cmdNadji_Click();
        QVERIFY(m_found.isEmpty());
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors[0].contains(QStringLiteral("\"[ab\"")));
        // The dialog stays open for a correction.
        QVERIFY(dialog.isVisible());
    }

    void missingListingIsReportedAfterTheResults()
    {
        m_selectedCd = 7;
        frmNadji dialog(target());
        dialog.cmdNadji_Click();
        QCOMPARE(m_found.size(), 1);
        QVERIFY(m_found[0].isEmpty());
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors[0].contains(QStringLiteral("Muzika 007.kat")));
        m_selectedCd = 2;
    }

    // A focused button takes Enter; elsewhere Enter searches.
    void enterPressesTheFocusedButton()
    {
        frmNadji dialog(target());
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.txtNadji->setText(QStringLiteral("spot"));
        dialog.cmdOtkazi->setFocus();
        QTest::keyClick(dialog.cmdOtkazi, Qt::Key_Return);
        QVERIFY(m_found.isEmpty());
        QVERIFY(!dialog.isVisible());

        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.txtNadji->setFocus();
        QVERIFY(dialog.cmdNadji->isDefault());
        QTest::keyClick(dialog.txtNadji, Qt::Key_Return);
        QCOMPARE(m_found.size(), 1);
    }

    void onlyTheCloseBoxDestroys()
    {
        QPointer<frmNadji> dialog = new frmNadji(target());
        dialog->show();
        dialog->cmdOtkazi_Click();
        dialog->show();
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog);
        dialog->show();
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
    }
};

ZBIRNIK_TEST(frmNadjiTest)
#include "frmNadjiTest.moc"
