#include "OrderTestSupport.h"
#include "StraightforwardWalk.h"
#include "common/TestRegistry.h"
#include "order/OrderAdding.h"
#include "order/PreviousOrdersIndex.h"

#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

// Random previous orders (missing, empty, cut short and sound files, changed while a
// question is up), random orders and answers: the indexed adding must show the same
// questions and faults, in the same order, and build the same order as the straightforward
// walk that reads every file again for every entry.
class PreviousOrdersOracleTest : public QObject
{
    Q_OBJECT

    using FileState = std::optional<QByteArray>;
    struct Change
    {
        int file;
        FileState state;
        QDateTime stamp;
    };

    QTemporaryDir m_folder;
    QRandomGenerator m_random{20261207};
    QDateTime m_nextStamp = QDateTime::currentDateTime().addDays(-1);
    const QStringList m_names = {"a.mp3", "B.mp3", "c.DAT", "Song.mp3", "x", "", "d.mp3"};

    QString filePath(int file) const
    {
        return m_folder.path() + QStringLiteral("/old%1.txt").arg(file);
    }

    QString randomName()
    {
        QString name = m_names[m_random.bounded(int(m_names.size()))];
        return m_random.bounded(2) ? name.toUpper() : name;
    }

    FileState randomFile()
    {
        const int kind = m_random.bounded(6);
        if (kind == 0)
            return std::nullopt;
        QStringList paths;
        for (int i = m_random.bounded(5); i > 0; --i)
            paths << QStringLiteral("E:\\cd\\") + randomName();
        QByteArray bytes = orderFileText(paths);
        if (kind == 1)
            bytes += "\"CD 001: x\",\"E:\\cd\\" + randomName().toLatin1() + "\"";
        else if (kind == 2)
            bytes += "\r\n";
        return bytes;
    }

    // Every write has a stamp of its own, so a change is always seen.
    void put(int file, const FileState& state, const QDateTime& stamp)
    {
        if (!state) {
            QFile::remove(filePath(file));
            return;
        }
        QFile out(filePath(file));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(*state);
        QVERIFY(out.flush());
        QVERIFY(out.setFileTime(stamp, QFileDevice::FileModificationTime));
    }

    QDateTime newStamp()
    {
        m_nextStamp = m_nextStamp.addSecs(1);
        return m_nextStamp;
    }

    QList<FileRow> randomEntries()
    {
        QList<FileRow> entries;
        for (int i = m_random.bounded(9); i > 0; --i) {
            QString text = randomName();
            const int style = m_random.bounded(6);
            if (style == 0)
                text = QStringLiteral("CD 00%1: ").arg(m_random.bounded(3)) + text;
            else if (style == 1)
                text = QStringLiteral("CD ") + text;
            entries.append({text, QStringLiteral("D:\\") + text, QStringLiteral("001.0000")});
        }
        return entries;
    }

private slots:
    void indexAgreesWithTheStraightforwardWalk()
    {
        constexpr int kFiles = 4;
        QList<FileState> states(kFiles);
        QList<QDateTime> stamps(kFiles);
        PreviousOrdersIndex index;
        OrderDocument order;

        for (int round = 0; round < 150; ++round) {
            for (int file = 0; file < kFiles; ++file) {
                if (round == 0 || m_random.bounded(3) == 0) {
                    states[file] = randomFile();
                    stamps[file] = newStamp();
                    put(file, states[file], stamps[file]);
                }
            }
            QStringList paths;
            for (int i = m_random.bounded(6); i > 0; --i)
                paths << filePath(m_random.bounded(kFiles));
            QList<bool> answers;
            QList<Change> changes;
            for (int q = 0; q < 12; ++q) {
                answers << (m_random.bounded(3) != 0);
                const int file = m_random.bounded(kFiles);
                changes.append({m_random.bounded(3) == 0 ? file : -1, randomFile(), newStamp()});
            }
            const QList<FileRow> entries = randomEntries();
            const int combo = m_random.bounded(3) - 1;
            if (order.count() > 20 || m_random.bounded(4) == 0)
                order.empty();

            const auto run = [&](PromptRecorder& recorder, auto add) {
                recorder.answers = answers;
                qsizetype question = 0;
                recorder.whileAsking = [&] {
                    if (question < changes.size() && changes[question].file >= 0)
                        put(changes[question].file, changes[question].state,
                            changes[question].stamp);
                    ++question;
                };
                add(recorder.prompts());
            };

            const QList<FileRow> before = order.model().rows();
            PromptRecorder indexed;
            run(indexed, [&](const AddingPrompts& prompts) {
                PreviousOrders previous{index, paths};
                addToOrder(order, entries, combo, previous, prompts);
            });
            for (int file = 0; file < kFiles; ++file)
                put(file, states[file], stamps[file]);

            PromptRecorder straight;
            QList<FileRow> expected = before;
            run(straight, [&](const AddingPrompts& prompts) {
                Straightforward::addToOrder(expected, entries, combo, paths, prompts);
            });
            QCOMPARE(indexed.events, straight.events);
            QCOMPARE(order.model().rows(), expected);

            // Both runs made the same changes; remember where the files stand now.
            const qsizetype asked = straight.events.filter(QStringLiteral("ask ")).size();
            for (qsizetype q = 0; q < qMin(asked, changes.size()); ++q) {
                if (changes[q].file >= 0) {
                    states[changes[q].file] = changes[q].state;
                    stamps[changes[q].file] = changes[q].stamp;
                }
            }
        }
    }
};

ZBIRNIK_TEST(PreviousOrdersOracleTest)
#include "PreviousOrdersOracleTest.moc"
