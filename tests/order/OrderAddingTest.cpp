#include "order/OrderAdding.h"
#include "OrderTestSupport.h"
#include "common/TestRegistry.h"
#include "order/OznakaCD.h"
#include "order/PreviousOrdersIndex.h"
#include "orderfile/OrderFileReader.h"
#include "orderfile/OrderFileWriter.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class OrderAddingTest : public QObject
{
    Q_OBJECT

    // Each test function has a folder and an index of its own, so that no test sees what an
    // earlier one left behind.
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<PreviousOrdersIndex> m_index;

    QString previousOrder(const QString& name, const QByteArray& bytes)
    {
        return writeTestFile(m_folder->path(), name, bytes);
    }

    QStringList addNames(OrderDocument& order, const QStringList& names, int combo,
                         const QStringList& paths, PromptRecorder& recorder)
    {
        PreviousOrders previous{*m_index, paths};
        addToOrder(order, entriesNamed(names), combo, previous, recorder.prompts());
        QStringList texts;
        for (const FileRow& row : order.model().rows())
            texts << row.text;
        return texts;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_index = std::make_unique<PreviousOrdersIndex>();
    }

    void labels()
    {
        QCOMPARE(OznakaCD(QStringLiteral("song.mp3"), 6), QStringLiteral("CD 007: song.mp3"));
        QCOMPARE(OznakaCD(QStringLiteral("song.mp3"), 999), QStringLiteral("CD 1000: song.mp3"));
        QCOMPARE(OznakaCD(QStringLiteral("song.mp3"), -1), QStringLiteral("CD 000: song.mp3"));
        // A search result over every source CD keeps its own label: only the form the program
        // makes, "CD ", digits, ": ", counts as one.
        QCOMPARE(OznakaCD(QStringLiteral("CD 004: a.mp3"), 6), QStringLiteral("CD 004: a.mp3"));
        QCOMPARE(OznakaCD(QStringLiteral("CD 1000: a.mp3"), 6), QStringLiteral("CD 1000: a.mp3"));
        for (const char* named :
             {"CD Intro.mp3", "cd intro.mp3", "CD 12 x.mp3", "CD : x.mp3", "CD 12:x.mp3", "CD x"}) {
            QCOMPARE(OznakaCD(QString::fromLatin1(named), 6),
                     QStringLiteral("CD 007: ") + QString::fromLatin1(named));
        }
        // The wanted name is the text after the label and ": ", whatever the label's length.
        QCOMPARE(wantedName(QStringLiteral("CD 007: CD Intro.mp3")),
                 QStringLiteral("CD INTRO.MP3"));
        QCOMPARE(wantedName(QStringLiteral("CD 1000: song.mp3")), QStringLiteral("SONG.MP3"));
        QCOMPARE(wantedName(QStringLiteral("CD 7: a: b.mp3")), QStringLiteral("A: B.MP3"));
    }

    // A file named "CD Intro.mp3" is labelled, so the same name on two source CDs is two
    // items, and it is matched against previous orders.
    void namesBeginningWithCdAreLabelled()
    {
        const QString old = previousOrder(QStringLiteral("old.txt"),
                                          orderFileText({"E:\\x\\cd intro.MP3", "E:\\y.mp3"}));
        OrderDocument order;
        PromptRecorder recorder;
        addNames(order, {"CD Intro.mp3"}, 0, {old}, recorder);
        const QStringList texts =
            addNames(order, {"CD Intro.mp3", "CD 1000: y.mp3"}, 1, {old}, recorder);
        QCOMPARE(texts,
                 QStringList({"CD 001: CD Intro.mp3", "CD 002: CD Intro.mp3", "CD 1000: y.mp3"}));
        QCOMPARE(recorder.events,
                 QStringList({"ask CD INTRO.MP3", "ask CD INTRO.MP3", "ask Y.MP3"}));
    }

    // Adding stops at the most an order can hold and tells how many entries were left out.
    void addingStopsAtTheLimit()
    {
        OrderDocument order;
        QList<FileRow> full;
        for (int i = 0; i < kMaxOrderItems - 2; ++i)
            full.append({QStringLiteral("CD 001: %1").arg(i), {}, QStringLiteral("001.0000")});
        order.add(full);
        PromptRecorder recorder;
        PreviousOrders previous{*m_index, {}};
        // A duplicate on the way takes no room.
        AddingResult result = addToOrder(order, entriesNamed({"0", "a", "b", "c", "d"}), 0,
                                         previous, recorder.prompts());
        QCOMPARE(result.added, 2);
        QCOMPARE(result.leftOut, 2);
        QCOMPARE(order.count(), kMaxOrderItems);
        QCOMPARE(order.model().at(kMaxOrderItems - 1).text, QStringLiteral("CD 001: b"));
        QCOMPARE(recorder.events, QStringList({"duplicate CD 001: 0"}));

        // Exactly filling the order leaves nothing out; a full order takes no more.
        order.remove({0});
        result = addToOrder(order, entriesNamed({"c"}), 0, previous, recorder.prompts());
        QCOMPARE(result.added, 1);
        QCOMPARE(result.leftOut, 0);
        result = addToOrder(order, entriesNamed({"d"}), 0, previous, recorder.prompts());
        QCOMPARE(result.added, 0);
        QCOMPARE(result.leftOut, 1);

        // The order's file is the other limit: an entry that fills it to exactly 64 MB is
        // added, one byte more is not.
        order.empty();
        const qint64 entryBytes =
            OrderFileWriter::savedSize({QStringLiteral("CD 001: c"), QStringLiteral("D:\\src\\c"),
                                        QStringLiteral("001.0000")});
        const qsizetype line = 6 + 8 + 10;
        order.add({FileRow{QStringLiteral("CD 001: x"),
                           QString(kMaxOrderFileBytes - entryBytes - line, u'x'),
                           QStringLiteral("001.0000")}});
        result = addToOrder(order, entriesNamed({"c", "d"}), 0, previous, recorder.prompts());
        QCOMPARE(result.added, 1);
        QCOMPARE(result.leftOut, 1);
        QVERIFY(result.fullBySize);
        QCOMPARE(OrderFileWriter::savedSize(order.model().packed()), kMaxOrderFileBytes);
    }

    void duplicatesAreRefusedInBatchOrderIgnoringCase()
    {
        OrderDocument order;
        order.add({{QStringLiteral("CD 007: B.MP3"), {}, {}}});
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
        // Letter case within the code page: "ß" is no "SS" and "µ" no Greek letter.
        OrderDocument other;
        other.add({{QStringLiteral("CD 001: STRASSE.MP3"), {}, {}}});
        PromptRecorder byCodePage;
        QCOMPARE(
            addNames(other,
                     {"straße.mp3", "µ.mp3", "\u039C.mp3", "Straße.MP3", "čaša.mp3", "ČAŠA.MP3"}, 0,
                     {}, byCodePage),
            QStringList({"CD 001: STRASSE.MP3", "CD 001: straße.mp3", "CD 001: µ.mp3",
                         "CD 001: \u039C.mp3", "CD 001: čaša.mp3"}));
        QCOMPARE(byCodePage.events,
                 QStringList({"duplicate CD 001: Straße.MP3", "duplicate CD 001: ČAŠA.MP3"}));
    }

    void previousOrderQuestionComesBeforeTheDuplicateTest()
    {
        const QString path = previousOrder(
            QStringLiteral("old1.txt"),
            orderFileText({"E:\\Rock\\SONG.MP3", "E:\\x.mp3", "E:\\STRASSE.MP3", "E:\\čaša.mp3"}));
        OrderDocument order;
        PromptRecorder recorder;
        recorder.answers = {true, false, true};
        // Yes adds; No leaves out silently; Yes on an item already ordered brings the
        // duplicate message after the question. Names compare by the code page's letter case.
        addNames(order, {"Song.mp3", "x.mp3", "song.MP3", "other.mp3", "straße.mp3", "ČAŠA.mp3"}, 2,
                 {path}, recorder);
        QCOMPARE(recorder.events, QStringList({"ask SONG.MP3", "ask X.MP3", "ask SONG.MP3",
                                               "duplicate CD 003: song.MP3", "ask ČAŠA.MP3"}));
        QCOMPARE(order.count(), 4);
    }

    void firstMatchingFileEndsTheLookUp()
    {
        // The second file would fail, but a match in the first means it is never reached.
        const QStringList paths = {
            previousOrder(QStringLiteral("m1.txt"), orderFileText({"D:\\a.mp3", "D:\\a.mp3"})),
            m_folder->path() + QStringLiteral("/missing.txt")};
        OrderDocument order;
        PromptRecorder recorder;
        addNames(order, {"a.mp3"}, 0, paths, recorder);
        QCOMPARE(recorder.events, QStringList({"ask A.MP3"}));
    }

    void faultyFileIsReportedOnceAndLeftOut()
    {
        const QString missing = m_folder->path() + QStringLiteral("/gone.txt");
        // Ends inside its second record: the name before the fault is still found.
        const QString cut =
            previousOrder(QStringLiteral("cut.txt"),
                          orderFileText({"D:\\early.mp3"}) + "\"CD 1\",\"D:\\late.mp3\"");
        const QString good =
            previousOrder(QStringLiteral("good.txt"), orderFileText({"D:\\z.mp3"}));
        OrderDocument order;
        PromptRecorder recorder;
        addNames(order, {"early.mp3", "a.mp3", "late.mp3", "z.mp3"}, 0, {missing, cut, good},
                 recorder);
        QCOMPARE(recorder.events.size(), 4);
        QVERIFY(recorder.events[0].startsWith("fault "));
        QVERIFY(recorder.events[0].contains("gone.txt"));
        QCOMPARE(recorder.events[1], QStringLiteral("ask EARLY.MP3"));
        QVERIFY(recorder.events[2].startsWith("fault "));
        QVERIFY(recorder.events[2].contains("cut.txt"));
        QVERIFY(recorder.events[2].contains("red 2"));
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
        OrderDocument order;
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
        OrderDocument order;
        PromptRecorder recorder;
        recorder.answers = {false, false, false, false};
        // Changed while a question is up: the next entry of the same batch sees it.
        recorder.whileAsking = [&] {
            writeTestFile(m_folder->path(), QStringLiteral("c.txt"),
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
        OrderDocument order;
        AddingPrompts prompts{[](const QString&) { return true; },
                              [](const QString&) { throw std::runtime_error("box failed"); },
                              [](const QString&) {}};
        PreviousOrders previous{*m_index, {}};
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            addToOrder(order, entriesNamed({"a", "b", "a", "c"}), 0, previous, prompts));
        QCOMPARE(order.count(), 2);
        QVERIFY(order.contains(QStringLiteral("cd 001: B")));
        // ...as one step, in step with the rows.
        order.undo();
        QCOMPARE(order.count(), 0);
        QVERIFY(!order.contains(QStringLiteral("cd 001: B")));
        QVERIFY(!order.canUndo());
    }

    void removingSelectedKeepsTheRestInOrder()
    {
        const QStringList all = {"X", "Y", "Z"};
        for (int mask = 0; mask < 8; ++mask) {
            OrderDocument order;
            for (const QString& text : all)
                order.add({{text, text + "-path", "001.0000"}});
            QList<int> selected;
            QStringList kept;
            for (int i = 0; i < 3; ++i) {
                if (mask & (1 << i))
                    selected << i;
                else
                    kept << all[i];
            }
            order.remove(selected);
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
