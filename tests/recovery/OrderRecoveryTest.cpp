#include "recovery/OrderRecovery.h"
#include "common/TestRegistry.h"
#include "fakes/MemoryRecoveryStore.h"
#include "order/OrderDocument.h"
#include "orderfile/OrderFileWriter.h"
#include "recovery/RecoveryFolder.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

QList<FileRow> rows(const QStringList& names)
{
    QList<FileRow> result;
    for (const QString& name : names)
        result.append({QStringLiteral("CD 001: ") + name, QStringLiteral("D:\\") + name,
                       QStringLiteral("001.0000")});
    return result;
}

QByteArray fileOf(const OrderDocument& order)
{
    return OrderFileWriter::format(order.model().rows(), {});
}

} // namespace

class OrderRecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void stateFolderFollowsTheXdgRules_data()
    {
        QTest::addColumn<QByteArray>("stateHome");
        QTest::addColumn<QString>("folder");
        const QString byDefault = QDir::homePath() + QStringLiteral("/.local/state/zbirnik");
        QTest::newRow("absolute") << QByteArray("/srv/state/")
                                  << QStringLiteral("/srv/state/zbirnik");
        QTest::newRow("relative is ignored") << QByteArray("state") << byDefault;
        QTest::newRow("empty") << QByteArray() << byDefault;
    }

    void stateFolderFollowsTheXdgRules()
    {
        QFETCH(QByteArray, stateHome);
        QFETCH(QString, folder);
        const QByteArray kept = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", stateHome);
        const QString computed = RecoveryFolder::standardFolder();
        qputenv("XDG_STATE_HOME", kept);
        QCOMPARE(computed, folder);
    }

    // The copy holds the order as its file would, while the order has unsaved changes; a
    // copy put back at start goes once this program's own copy is written, or when nothing
    // is left unsaved.
    void copyFollowsTheUnsavedOrder()
    {
        OrderDocument order;
        MemoryRecoveryStore store;
        OrderRecovery recovery(order, store);
        recovery.setShopFolder(QStringLiteral("/shop/"));
        recovery.replaces({QStringLiteral("/left/1.txt"), {}, {}});
        order.add(rows({"a.mp3", "b.mp3"}));
        QVERIFY(store.discarded.isEmpty());
        recovery.writeNow();
        QCOMPARE(store.copy, fileOf(order));
        QCOMPARE(store.copyShopFolder, QStringLiteral("/shop/"));
        QCOMPARE(store.discarded, QStringList({"/left/1.txt"}));

        order.markSaved();
        QVERIFY(!store.copy);
        order.add(rows({"c.mp3"}));
        recovery.writeNow();
        QCOMPARE(store.copy, fileOf(order));
        order.undo(); // back at the saved point
        QVERIFY(!store.copy);

        recovery.replaces({QStringLiteral("/left/2.txt"), {}, {}});
        order.redo();
        order.empty();
        QVERIFY(!store.copy);
        QCOMPARE(store.discarded.last(), QStringLiteral("/left/2.txt"));
        recovery.writeNow();
        QVERIFY(!store.copy);

        // Ended with "Ne": nothing is written after that.
        order.add(rows({"d.mp3"}));
        recovery.writeNow();
        QVERIFY(store.copy);
        recovery.discard();
        QVERIFY(!store.copy);
        order.add(rows({"e.mp3"}));
        recovery.writeNow();
        QVERIFY(!store.copy);
    }

    // Written a second after a change; a failure is said the first time only.
    void failureToWriteIsSaidOnce()
    {
        OrderDocument order;
        MemoryRecoveryStore store;
        store.failure = QStringLiteral("disk full");
        OrderRecovery recovery(order, store);
        QSignalSpy failed(&recovery, &OrderRecovery::writeFailed);
        order.add(rows({"a.mp3"}));
        QVERIFY(QTest::qWaitFor([&] { return store.writes == 1; }, 10000));
        order.add(rows({"b.mp3"}));
        QVERIFY(QTest::qWaitFor([&] { return store.writes == 2; }, 10000));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0][0].toString(), QStringLiteral("disk full"));
    }
};

ZBIRNIK_TEST(OrderRecoveryTest)
#include "OrderRecoveryTest.moc"
