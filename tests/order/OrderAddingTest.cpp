#include "order/OrderAdding.h"
#include "OrderTestSupport.h"
#include "common/TestRegistry.h"
#include "order/OznakaCD.h"
#include "order/PreviousOrdersIndex.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class OrderAddingTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    PreviousOrdersIndex m_index;

    QString previousOrder(const QString& name, const QByteArray& bytes)
    {
        return writeTestFile(m_folder.path(), name, bytes);
    }

    QStringList addNames(OrderList& order, const QStringList& names, int combo,
                         const QStringList& paths, PromptRecorder& recorder)
    {
        PreviousOrders previous{m_index, paths};
        addToOrder(order, entriesNamed(names), combo, previous, recorder.prompts());
        QStringList texts;
        for (const FileRow& row : order.model().rows())
            texts << row.text;
        return texts;
    }

private slots:
    void labels()
    {
        QCOMPARE(OznakaCD(QStringLiteral("song.mp3"), 6), QStringLiteral("CD 007: song.mp3"));
        QCOMPARE(OznakaCD(QStringLiteral("song.mp3"), 999), QStringLiteral("CD 1000: song.mp3"));
        QCOMPARE(OznakaCD(QStringLiteral("song.mp3"), -1), QStringLiteral("CD 000: song.mp3"));
        // A search result over every source CD keeps its own label; only "CD " exactly counts.
        QCOMPARE(OznakaCD(QStringLiteral("CD 004: a.mp3"), 6), QStringLiteral("CD 004: a.mp3"));
        QCOMPARE(OznakaCD(QStringLiteral("CD Intro.mp3"), 6), QStringLiteral("CD Intro.mp3"));
        QCOMPARE(OznakaCD(QStringLiteral("cd intro.mp3"), 6),
                 QStringLiteral("CD 007: cd intro.mp3"));
        QCOMPARE(wantedName(QStringLiteral("CD Intro.mp3")), QStringLiteral(".MP3"));
        QCOMPARE(wantedName(QStringLiteral("CD 1000: song.mp3")), QStringLiteral(" SONG.MP3"));
        QCOMPARE(wantedName(QStringLiteral("CD x")), QString());
    }

    void duplicatesAreRefusedInBatchOrderIgnoringCase()
    {
        OrderList order;
        order.append({QStringLiteral("CD 007: B.MP3"), {}, {}});
        PromptRecorder recorder;
        const QStringList texts =
            addNames(order, {"a.mp3", "b.mp3", "c.mp3", "A.Mp3"}, 6, {}, recorder);
        QCOMPARE(texts, QStringList({"CD 007: B.MP3", "CD 007: a.mp3", "CD 007: c.mp3"}));
        QCOMPARE(recorder.events,
                 QStringList({"duplicate CD 007: b.mp3", "duplicate CD 007: A.Mp3"}));
        // The same name from another source CD has another label, so it is added.
        addNames(order, {"a.mp3"}, 7, {}, recorder);
        QCOMPARE(order.count(), 4);
        QCOMPARE(order.model().at(3).fullPath, QStringLiteral("D:\\src\\a.mp3"));
    }

    void previousOrderQuestionComesBeforeTheDuplicateTest()
    {
        const QString path = previousOrder(QStringLiteral("old1.txt"),
                                           orderFileText({"E:\\Rock\\SONG.MP3", "E:\\x.mp3"}));
        OrderList order;
        PromptRecorder recorder;
        recorder.answers = {true, false, true};
        // Yes adds; No leaves out silently; Yes on an item already ordered brings the
        // duplicate message after the question.
        addNames(order, {"Song.mp3", "x.mp3", "song.MP3", "other.mp3"}, 2, {path}, recorder);
        QCOMPARE(recorder.events, QStringList({"ask SONG.MP3", "ask X.MP3", "ask SONG.MP3",
                                               "duplicate CD 003: song.MP3"}));
        QCOMPARE(order.count(), 2);
    }

    void firstMatchingFileEndsTheLookUp()
    {
        // The second file would fail, but a match in the first means it is never reached.
        const QStringList paths = {
            previousOrder(QStringLiteral("m1.txt"), orderFileText({"D:\\a.mp3", "D:\\a.mp3"})),
            m_folder.path() + QStringLiteral("/missing.txt")};
        OrderList order;
        PromptRecorder recorder;
        addNames(order, {"a.mp3"}, 0, paths, recorder);
        QCOMPARE(recorder.events, QStringList({"ask A.MP3"}));
    }

    void faultyFileIsReportedOnceAndLeftOut()
    {
        const QString missing = m_folder.path() + QStringLiteral("/gone.txt");
        // Ends inside its second record: the name before the fault is still found.
        const QString cut =
            previousOrder(QStringLiteral("cut.txt"),
                          orderFileText({"D:\\early.mp3"}) + "\"CD 1\",\"D:\\late.mp3\"");
        const QString good =
            previousOrder(QStringLiteral("good.txt"), orderFileText({"D:\\z.mp3"}));
        OrderList order;
        PromptRecorder recorder;
        addNames(order, {"early.mp3", "a.mp3", "late.mp3", "z.mp3"}, 0, {missing, cut, good},
                 recorder);
        QCOMPARE(recorder.events.size(), 4);
        QVERIFY(recorder.events[0].startsWith("fault "));
        QVERIFY(recorder.events[0].contains("gone.txt"));
        QCOMPARE(recorder.events[1], QStringLiteral("ask EARLY.MP3"));
        QVERIFY(recorder.events[2].startsWith("fault "));
        QVERIFY(recorder.events[2].contains("cut.txt"));
        QVERIFY(recorder.events[2].contains("iza zapisa 1"));
        QCOMPARE(recorder.events[3], QStringLiteral("ask Z.MP3"));
        QCOMPARE(order.count(), 4);

        // A new batch reports the faults again.
        recorder.events.clear();
        addNames(order, {"b.mp3"}, 0, {missing}, recorder);
        QCOMPARE(recorder.events.size(), 1);
    }

    void emptyFilesAndShortItemsBringNoQuestion()
    {
        const QStringList paths = {
            previousOrder(QStringLiteral("empty.txt"), {}),
            previousOrder(QStringLiteral("o.txt"), orderFileText({"a.mp3"}))};
        OrderList order;
        PromptRecorder recorder;
        addNames(order, {"CD x", "a.mp3"}, 0, paths, recorder);
        QCOMPARE(recorder.events, QStringList({"ask A.MP3"}));
        QCOMPARE(order.count(), 2);
        // A count of 0 or below, or one past the list, consults no more than there is.
        QCOMPARE(consultedPaths({"unused", "p1", "p2"}, 0), QStringList());
        QCOMPARE(consultedPaths({"unused", "p1", "p2"}, -3), QStringList());
        QCOMPARE(consultedPaths({"unused", "p1", "p2"}, 1), QStringList({"p1"}));
        QCOMPARE(consultedPaths({"unused", "p1"}, 5), QStringList({"p1"}));
    }

    void changedFileIsReadAgainOnlyWhenItsStampChanges()
    {
        const QString path = previousOrder(QStringLiteral("c.txt"), orderFileText({"D:\\a.mp3"}));
        OrderList order;
        PromptRecorder recorder;
        recorder.answers = {false, false, false, false};
        // Changed while a question is up: the next entry of the same batch sees it.
        recorder.whileAsking = [&] {
            writeTestFile(m_folder.path(), QStringLiteral("c.txt"),
                          orderFileText({"D:\\a.mp3", "D:\\b.mp3"}));
            recorder.whileAsking = nullptr;
        };
        addNames(order, {"a.mp3", "b.mp3"}, 0, {path}, recorder);
        QCOMPARE(recorder.events, QStringList({"ask A.MP3", "ask B.MP3"}));

        // The same size and modification time: the index keeps what it read.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime stamp = file.fileTime(QFileDevice::FileModificationTime);
        file.write(orderFileText({"D:\\a.mp3", "D:\\c.mp3"}));
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
        file.close();
        recorder.events.clear();
        addNames(order, {"b.mp3", "c.mp3"}, 0, {path}, recorder);
        QCOMPARE(recorder.events, QStringList({"ask B.MP3"}));

        // A new stamp is seen by the next batch.
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp.addSecs(5), QFileDevice::FileModificationTime));
        file.close();
        recorder.events.clear();
        addNames(order, {"b.mp3", "c.mp3"}, 0, {path}, recorder);
        QCOMPARE(recorder.events, QStringList({"ask C.MP3"}));
    }

    void failureInTheMiddleKeepsWhatWasAccepted()
    {
        OrderList order;
        AddingPrompts prompts{[](const QString&) { return true; },
                              [](const QString&) { throw std::runtime_error("box failed"); },
                              [](const QString&) {}};
        PreviousOrders previous{m_index, {}};
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            addToOrder(order, entriesNamed({"a", "b", "a", "c"}), 0, previous, prompts));
        QCOMPARE(order.count(), 2);
        QVERIFY(order.contains(QStringLiteral("cd 001: B")));
    }

    void removingSelectedKeepsTheRestInOrder()
    {
        const QStringList all = {"X", "Y", "Z"};
        for (int mask = 0; mask < 8; ++mask) {
            OrderList order;
            for (const QString& text : all)
                order.append({text, text + "-path", "001.0000"});
            QList<int> selected;
            QStringList kept;
            for (int i = 0; i < 3; ++i) {
                if (mask & (1 << i))
                    selected << i;
                else
                    kept << all[i];
            }
            order.removeAt(selected);
            QCOMPARE(order.count(), kept.size());
            for (int i = 0; i < kept.size(); ++i) {
                QCOMPARE(order.model().at(i).text, kept[i]);
                QCOMPARE(order.model().at(i).fullPath, kept[i] + "-path");
            }
            for (const QString& text : all)
                QCOMPARE(order.contains(text.toLower()), kept.contains(text));
        }
    }
};

ZBIRNIK_TEST(OrderAddingTest)
#include "OrderAddingTest.moc"
