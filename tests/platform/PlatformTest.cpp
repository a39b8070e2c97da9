#include "common/TestRegistry.h"
#include "fakes/FakeDialogBackend.h"
#include "fakes/MemorySettingsStore.h"
#include "platform/CommonDialog.h"
#include "platform/CountForms.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "platform/ZbirnikError.h"
#include "platform/qt/QtPrompts.h"
#include "platform/qt/QtSettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <sys/stat.h>

class PlatformTest : public QObject
{
    Q_OBJECT
private slots:
    void everyByteSurvivesDecodeAndEncode()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = TextCodec::decode(all);
        QCOMPARE(text.size(), 256);
        // The look-up table gives what the code page's own decoder gives.
        QCOMPARE(text, QStringDecoder("windows-1250").decode(all));
        QCOMPARE(TextCodec::encode(text), all);
        QCOMPARE(TextCodec::decode("\x8a\xe8\x9e"), QStringLiteral("Ščž"));
        QVERIFY(TextCodec::canEncode(QStringLiteral("Đurđevak čaj")));
        QVERIFY(!TextCodec::canEncode(QStringLiteral("日本")));
        // A character the code page lacks is encoded as the code page's own encoder does.
        const QString lacking = QStringLiteral("a日\u20AC") + QChar(0xD800);
        QVERIFY(!TextCodec::canEncode(lacking));
        QCOMPARE(TextCodec::encode(lacking), QStringEncoder("windows-1250").encode(lacking));
    }

    void filesAreWrittenWholeOrNotAtAll()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/a.txt");
        TextFile::writeAll(path, "old");
        QCOMPARE(TextFile::readAll(path, 100), QByteArray("old"));
        TextFile::writeAll(path, "new\r\n");
        QCOMPARE(TextFile::readAll(path, 100), QByteArray("new\r\n"));

        const QString inMissingFolder = dir.path() + QStringLiteral("/no/such/folder/a.txt");
        try {
            TextFile::writeAll(inMissingFolder, "x");
            QFAIL("wrote into a missing folder");
        } catch (const ZbirnikError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("a.txt")),
                     qPrintable(error.message()));
        }
        QVERIFY_THROWS_EXCEPTION(ZbirnikError, TextFile::readAll(inMissingFolder, 100));
    }

    // A FIFO, a device behind a link and a folder would hang the program or never end; a
    // file past the cap of its kind would fill the memory. Each is refused at once, named.
    void onlyRegularFilesWithinTheirCapAreRead()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo.kat"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString zero = dir.filePath(QStringLiteral("zero.kat"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
        for (const QString& path : {fifo, zero, dir.path()}) {
            try {
                TextFile::readAll(path, 1 << 20);
                QFAIL(qPrintable(path + QStringLiteral(" was read")));
            } catch (const ZbirnikError& error) {
                QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)),
                         qPrintable(error.message()));
            }
        }

        const QString file = dir.filePath(QStringLiteral("a.txt"));
        TextFile::writeAll(file, QByteArray(1000, 'x'));
        QCOMPARE(TextFile::readAll(file, 1000).size(), 1000);
        QVERIFY_THROWS_EXCEPTION(ZbirnikError, TextFile::readAll(file, 999));

        // Nor is anything but a regular file written: the FIFO and the device stay what they
        // are. A link to a regular file is written through and stays a link.
        for (const QString& path : {fifo, zero}) {
            try {
                TextFile::writeAll(path, "x");
                QFAIL(qPrintable(path + QStringLiteral(" was written")));
            } catch (const ZbirnikError& error) {
                QVERIFY2(error.message().contains(QStringLiteral("obicna")),
                         qPrintable(error.message()));
            }
        }
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        QCOMPARE(QFileInfo(zero).symLinkTarget(), QStringLiteral("/dev/zero"));
        const QString link = dir.filePath(QStringLiteral("link.txt"));
        QVERIFY(QFile::link(file, link));
        TextFile::writeAll(link, "through");
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(TextFile::readAll(file, 100), QByteArray("through"));
    }

    // An editor's UTF-8 mark is skipped and the rest read as UTF-8; UTF-16 is refused, named.
    void utf8AfterItsMarkAndNoUtf16()
    {
        const QString path = QStringLiteral("/prodavnica/PlayList.kat");
        QCOMPARE(TextCodec::decodeFile("\xEF\xBB\xBF\"CD 001\"", path),
                 QStringLiteral("\"CD 001\""));
        QCOMPARE(TextCodec::decodeFile("a\xEF\xBB\xBF", path), TextCodec::decode("a\xEF\xBB\xBF"));
        QCOMPARE(TextCodec::decodeFile("\xEF\xBB\xBF\xC4\x8D\xE2\x82\xAC", path),
                 QStringLiteral("č€"));
        QCOMPARE(TextCodec::fileInCodePage("\xEF\xBB\xBF\xC4\x8D\xE2\x82\xAC", path),
                 QByteArray("\xE8\x80"));
        QCOMPARE(TextCodec::fileInCodePage("\xE8\x80", path), QByteArray("\xE8\x80"));
        QVERIFY_THROWS_EXCEPTION(ZbirnikError,
                                 TextCodec::fileInCodePage("\xEF\xBB\xBF\xE6\x97\xA5", path));
        const QByteArray utf16[] = {QByteArray("\xFF\xFE\"\0C\0", 6),
                                    QByteArray("\xFE\xFF\0\"\0C", 6), QByteArray("\"\0C\0", 4)};
        for (const QByteArray& bytes : utf16) {
            for (const auto& read : std::initializer_list<std::function<void()>>{
                     [&] { TextCodec::decodeFile(bytes, path); },
                     [&] { TextCodec::fileInCodePage(bytes, path); }}) {
                try {
                    read();
                    QFAIL("UTF-16 was read as windows-1250");
                } catch (const ZbirnikError& error) {
                    QVERIFY2(error.message().contains(QStringLiteral("PlayList.kat")) &&
                                 error.message().contains(QStringLiteral("nije tekst u kodnoj "
                                                                         "stranici windows-1250")),
                             qPrintable(error.message()));
                }
            }
        }
    }

    // Counts of the program's own messages agree by their last digits.
    void countFormsFollowTheLastDigits_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("form");
        for (int count : {1, 21, 101, 1001})
            QTest::addRow("%d", count) << count << QStringLiteral("bila");
        for (int count : {2, 4, 22, 24, 102, 32764})
            QTest::addRow("%d", count) << count << QStringLiteral("bile");
        for (int count : {0, 5, 10, 11, 12, 13, 14, 15, 20, 25, 111, 112, 114, 32767})
            QTest::addRow("%d", count) << count << QStringLiteral("bilo");
    }
    void countFormsFollowTheLastDigits()
    {
        QFETCH(int, count);
        QFETCH(QString, form);
        QCOMPARE(
            byCount(count, QStringLiteral("bila"), QStringLiteral("bile"), QStringLiteral("bilo")),
            form);
    }

    void commonDialogKeepsItsFileNameAndReportsCancel()
    {
        FakeDialogBackend backend;
        CommonDialog dialog(backend);
        dialog.setFilter(QStringLiteral("Tekstualne datoteke (*.txt)|*.txt|"));
        QCOMPARE(dialog.filters().size(), 1);
        QCOMPARE(dialog.filters()[0].description, QStringLiteral("Tekstualne datoteke (*.txt)"));
        QCOMPARE(dialog.filters()[0].pattern, QStringLiteral("*.txt"));

        backend.files = {QStringLiteral("/tmp/first.txt"), std::nullopt};
        dialog.title = QStringLiteral("Otvorite PlayListu");
        dialog.flags = 4100;
        QCOMPARE(dialog.showOpen(), CommonDialog::Result::Accepted);
        QCOMPARE(dialog.fileName, QStringLiteral("/tmp/first.txt"));
        QCOMPARE(dialog.showSave(), CommonDialog::Result::Cancelled);
        QCOMPARE(dialog.fileName, QStringLiteral("/tmp/first.txt"));
        // The second dialog started from the name the first returned.
        QCOMPARE(backend.fileRequests[1].fileName, QStringLiteral("/tmp/first.txt"));
        QCOMPARE(backend.fileRequests[1].kind, FileDialogKind::Save);
        QCOMPARE(backend.fileRequests[0].flags, 4100);

        backend.colours = {std::nullopt, 16711680u};
        dialog.colour = 64;
        QCOMPARE(dialog.showColour(), CommonDialog::Result::Cancelled);
        QCOMPARE(dialog.colour, 64u);
        QCOMPARE(dialog.showColour(), CommonDialog::Result::Accepted);
        QCOMPARE(dialog.colour, 16711680u);
    }

    // The folder of the last file chosen is remembered per user: the next dialog, in this run
    // or the next, starts there; until then, and once it is gone, in the first folder.
    void fileDialogsStartInTheLastFolderUsed()
    {
        QTemporaryDir first, other;
        FakeDialogBackend backend;
        MemorySettingsStore settings;
        CommonDialog dialog(backend);
        dialog.rememberFolderIn(settings, first.path());
        backend.files = {other.path() + QStringLiteral("/a.txt"), std::nullopt};
        dialog.showSave();
        dialog.showOpen();
        QCOMPARE(backend.fileRequests[0].folder, first.path());
        QCOMPARE(backend.fileRequests[1].folder, other.path());

        CommonDialog nextRun(backend);
        nextRun.rememberFolderIn(settings, first.path());
        nextRun.showOpen();
        QCOMPARE(backend.fileRequests[2].folder, other.path());
        other.remove();
        nextRun.showOpen();
        QCOMPARE(backend.fileRequests[3].folder, first.path());
        QCOMPARE(settings.writes.size(), 1);
        // A system folder is no place for orders, not even for root, who may write there.
        backend.files = {QStringLiteral("/usr/share/a.txt")};
        nextRun.showOpen();
        nextRun.showOpen();
        QCOMPARE(backend.fileRequests[5].folder, first.path());
    }

    // A box with buttons of its own: the default is the one asked for, Esc gives the escape
    // button, and a click gives the position of the button clicked.
    void boxWithOwnButtonsAnswersWithAPosition()
    {
        QtPrompts prompts;
        const QList<BoxButton> buttons{BoxButton::of(MessageAnswer::Yes),
                                       BoxButton::of(MessageAnswer::No),
                                       BoxButton::own(QStringLiteral("Da za &sve")),
                                       BoxButton::own(QStringLiteral("Ne za sv&e"))};
        const auto answer = [&](const std::function<void(QMessageBox*)>& user) {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
                user(box);
            });
            return prompts.choose(QStringLiteral("Pitanje"), QStringLiteral("Naslov"),
                                  MessageIcon::None, buttons, 0, 1);
        };
        QCOMPARE(answer([](QMessageBox* box) {
                     for (QAbstractButton* button : box->buttons()) {
                         if (button->text() == QStringLiteral("Ne za sv&e"))
                             button->click();
                     }
                 }),
                 3);
        QCOMPARE(answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }), 1);
        QCOMPARE(answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }), 0);
        // A mnemonic, with Alt or without, clicks at once: the box is gone before the next key.
        const auto typed = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            return [=](QMessageBox* box) {
                box->activateWindow();
                if (!QTest::qWaitForWindowActive(box))
                    box->reject();
                QTest::keyClick(box, key, modifiers);
                QVERIFY(box->isHidden());
            };
        };
        QCOMPARE(answer(typed(Qt::Key_S, Qt::AltModifier)), 2);
        QCOMPARE(answer(typed(Qt::Key_E, Qt::NoModifier)), 3);
    }

    void settingsLiveInAPerUserIniFile()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        {
            QtSettingsStore store(QStringLiteral("zbirnik"));
            QCOMPARE(store.read(QStringLiteral("Boje"), QStringLiteral("2"), QStringLiteral("64")),
                     QStringLiteral("64"));
            store.write(QStringLiteral("Boje"), QStringLiteral("1"), QStringLiteral("255"));
            store.write(QStringLiteral("Izabrano"), QStringLiteral("2"), QStringLiteral("0"));
        }
        QFile ini(home.path() + QStringLiteral("/zbirnik/zbirnik.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY2(text.contains("[Boje]\n1=255"), text.constData());
        QVERIFY2(text.contains("[Izabrano]\n2=0"), text.constData());
        QtSettingsStore again(QStringLiteral("zbirnik"));
        QCOMPARE(again.read(QStringLiteral("Boje"), QStringLiteral("1"), QStringLiteral("0")),
                 QStringLiteral("255"));
        QVERIFY(again.flush());

        // A folder where the file should be: the values cannot be stored, even by root.
        QVERIFY(ini.remove());
        QVERIFY(QDir().mkpath(ini.fileName()));
        QtSettingsStore unwritable(QStringLiteral("zbirnik"));
        unwritable.write(QStringLiteral("Boje"), QStringLiteral("1"), QStringLiteral("16"));
        QVERIFY(!unwritable.flush());
        QCOMPARE(unwritable.location(), ini.fileName());

        // A FIFO is never opened (it would hang start-up): the defaults, and one message.
        QVERIFY(QDir().rmdir(ini.fileName()));
        QCOMPARE(::mkfifo(QFile::encodeName(ini.fileName()).constData(), 0600), 0);
        QtSettingsStore fifo(QStringLiteral("zbirnik"));
        QCOMPARE(fifo.read(QStringLiteral("Boje"), QStringLiteral("1"), QStringLiteral("0")),
                 QStringLiteral("0"));
        QVERIFY(fifo.problem().contains(QStringLiteral("zbirnik.ini")));
        fifo.write(QStringLiteral("Boje"), QStringLiteral("1"), QStringLiteral("16"));
        QVERIFY(!fifo.flush());
        QVERIFY(!QFileInfo(ini.fileName()).isFile());

        // A link to a regular file keeps working.
        QVERIFY(QFile::remove(ini.fileName()));
        const QString real = home.filePath(QStringLiteral("stvarni.ini"));
        QVERIFY(QFile::link(real, ini.fileName()));
        QtSettingsStore linked(QStringLiteral("zbirnik"));
        QVERIFY(linked.problem().isEmpty());
        linked.write(QStringLiteral("Boje"), QStringLiteral("1"), QStringLiteral("7"));
        QVERIFY(linked.flush());
        QVERIFY(QFileInfo(ini.fileName()).isSymLink());
        QFile target(real);
        QVERIFY(target.open(QIODevice::ReadOnly));
        QVERIFY(target.readAll().contains("1=7"));
    }
};

ZBIRNIK_TEST(PlatformTest)
#include "PlatformTest.moc"
