#include "order/OrderDocument.h"
#include "common/TestRegistry.h"

#include <QSignalSpy>
#include <QTest>

namespace {

enum class Operation
{
    Add,
    Batch,
    Insert,
    Remove,
    Move,
    MoveUp,
    MoveDown,
    Empty,
    Open
};

// "a=300 b=350" is the order a, b with sizes of 300 and 350 MiB; "c=0.1" is 1 KiB.
QList<FileRow> rowsOf(const QString& sizes)
{
    QList<FileRow> rows;
    for (const QString& item : sizes.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = item.section(u'=', 0, 0);
        const QString mebibytes = item.section(u'=', 1).section(u'.', 0, 0);
        const QString kibibytes = item.section(u'=', 1).section(u'.', 1);
        rows.append({QStringLiteral("CD 001: ") + name, QStringLiteral("D:\\") + name,
                     QStringLiteral("%1.%2")
                         .arg(mebibytes.toInt(), 3, 10, QChar(u'0'))
                         .arg(kibibytes.toInt(), 4, 10, QChar(u'0'))});
    }
    return rows;
}

QString namesOf(const OrderDocument& order)
{
    QStringList names;
    for (const FileRow& row : order.model().rows())
        names << row.fullPath.mid(3);
    return names.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class OrderDocumentTest : public QObject
{
    Q_OBJECT
private slots:
    // Each operation is one step; undo puts back exactly the rows that were there, in their
    // places, and selects what it put back; redo replays the result. Neither warns.
    void operationsUndoAndRedo_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("overAfter");
        QTest::addColumn<QList<int>>("putBackByUndo");

        const QList<int> none;
        QTest::newRow("add, to exactly 650") << "a=300" << Operation::Add << none << "b=350"
                                             << "a b" << false << none;
        QTest::newRow("add, one past 650") << "a=300 b=350" << Operation::Add << none << "c=0.1"
                                           << "a b c" << true << none;
        QTest::newRow("add all as one batch of pieces")
            << "a=1" << Operation::Batch << none << "b=1 c=1"
            << "a b c" << false << none;
        QTest::newRow("insert at a row")
            << "a=1 b=1" << Operation::Insert << QList<int>{1} << "x=1 y=1"
            << "a x y b" << false << none;
        QTest::newRow("remove non-contiguous")
            << "a=1 b=1 c=1 d=1 e=1" << Operation::Remove << QList<int>{0, 2, 4} << ""
            << "b d" << false << QList<int>{0, 2, 4};
        QTest::newRow("remove back to 650")
            << "a=300 b=350 c=0.1" << Operation::Remove << QList<int>{2} << ""
            << "a b" << false << QList<int>{2};
        QTest::newRow("move down")
            << "a=1 b=1 c=1 d=1" << Operation::Move << QList<int>{0, 2, 4} << ""
            << "b d a c" << false << QList<int>{0, 2};
        QTest::newRow("move up") << "a=1 b=1 c=1 d=1" << Operation::Move << QList<int>{3, 0} << ""
                                 << "d a b c" << false << QList<int>{3};
        QTest::newRow("one place up, the rows at the top stay")
            << "a=1 b=1 c=1 d=1 e=1" << Operation::MoveUp << QList<int>{0, 1, 3} << ""
            << "a b d c e" << false << QList<int>{0, 1, 3};
        QTest::newRow("one place down, the last row stays")
            << "a=1 b=1 c=1 d=1 e=1" << Operation::MoveDown << QList<int>{1, 4} << ""
            << "a c b d e" << false << QList<int>{1, 4};
        QTest::newRow("empty, over 650") << "a=700" << Operation::Empty << none << ""
                                         << "" << false << QList<int>{0};
        QTest::newRow("open into an order") << "a=1" << Operation::Open << none << "b=1 c=1"
                                            << "a b c" << false << none;
    }
    void operationsUndoAndRedo()
    {
        QFETCH(QString, start);
        QFETCH(Operation, operation);
        QFETCH(QList<int>, positions);
        QFETCH(QString, rows);
        QFETCH(QString, after);
        QFETCH(bool, overAfter);
        QFETCH(QList<int>, putBackByUndo);

        OrderDocument order;
        order.add(rowsOf(start));
        const bool overBefore = order.overCapacity();
        QSignalSpy warnings(&order, &OrderDocument::capacityExceeded);
        QSignalSpy totals(&order, &OrderDocument::totalChanged);
        QSignalSpy putBack(&order, &OrderDocument::rowsPutBack);

        switch (operation) {
        case Operation::Add:
            order.add(rowsOf(rows), QStringLiteral("Dodaj"));
            break;
        case Operation::Batch:
            order.beginBatch(QStringLiteral("Dodaj"));
            for (const FileRow& row : rowsOf(rows))
                order.addToBatch({row});
            order.endBatch();
            break;
        case Operation::Insert:
            order.insert(positions[0], rowsOf(rows), QStringLiteral("Dodaj"));
            break;
        case Operation::Remove:
            order.remove(positions, QStringLiteral("Izbrisi"));
            break;
        case Operation::Move:
            // The last position is where the rows go.
            order.move(positions.first(positions.size() - 1), positions.last(),
                       QStringLiteral("Pomjeri"));
            break;
        case Operation::MoveUp:
            QCOMPARE(order.moveOnePlace(positions, OrderDocument::MoveDirection::Up),
                     QList<int>({0, 1, 2}));
            break;
        case Operation::MoveDown:
            QCOMPARE(order.moveOnePlace(positions, OrderDocument::MoveDirection::Down),
                     QList<int>({2, 4}));
            break;
        case Operation::Empty:
            order.empty(QStringLiteral("Izbrisi Sve"));
            break;
        case Operation::Open:
            order.addOpened(rowsOf(rows), QStringLiteral("Otvori"));
            break;
        }
        QCOMPARE(namesOf(order), after);
        QCOMPARE(order.overCapacity(), overAfter);
        QCOMPARE(warnings.size(), overAfter && !overBefore ? 1 : 0);
        // One batch, one report.
        QCOMPARE(totals.size(), 1);

        order.undo();
        QCOMPARE(order.model().rows(), rowsOf(start));
        QCOMPARE(order.overCapacity(), overBefore);
        QCOMPARE(putBack.isEmpty() ? QList<int>() : putBack.takeFirst()[0].value<QList<int>>(),
                 putBackByUndo);
        // Every item text is counted again, for the duplicate test.
        for (const FileRow& row : rowsOf(start))
            QVERIFY(order.contains(row.text));

        order.redo();
        QCOMPARE(namesOf(order), after);
        QCOMPARE(order.overCapacity(), overAfter);
        QCOMPARE(warnings.size(), overAfter && !overBefore ? 1 : 0);
        QVERIFY(!order.canRedo());
    }

    // The changed mark follows the saved point; an empty order is never changed; a new step
    // after an undo drops what could have been redone; at least 100 steps are kept.
    void savedPointAndHistory()
    {
        OrderDocument order;
        QSignalSpy marks(&order, &OrderDocument::modifiedChanged);
        order.add(rowsOf("a=1"), QStringLiteral("Dodaj"));
        QVERIFY(order.isModified());
        order.markSaved();
        QVERIFY(!order.isModified());
        order.add(rowsOf("b=1"), QStringLiteral("Dodaj Sve"));
        QVERIFY(order.isModified());
        // A move at the edge that changes nothing is no step.
        order.moveOnePlace({0}, OrderDocument::MoveDirection::Up, QStringLiteral("Pomjeri gore"));
        order.moveOnePlace({1}, OrderDocument::MoveDirection::Down,
                           QStringLiteral("Pomjeri dolje"));
        order.move({0, 1}, 2, QStringLiteral("Pomjeri"));
        QCOMPARE(order.undoName(), QStringLiteral("Dodaj Sve"));
        order.undo();
        QVERIFY(!order.isModified());
        QCOMPARE(order.redoName(), QStringLiteral("Dodaj Sve"));
        order.empty(QStringLiteral("Izbrisi Sve"));
        QVERIFY(!order.isModified());
        QVERIFY(!order.canRedo());
        order.undo();
        QVERIFY(!order.isModified());
        QCOMPARE(marks.size(), 4);

        // Opened into an empty order: as saved; into a non-empty one: changed.
        OrderDocument opened;
        opened.addOpened(rowsOf("a=1"));
        QVERIFY(!opened.isModified());
        opened.addOpened(rowsOf("b=1"));
        QVERIFY(opened.isModified());

        OrderDocument many;
        for (int step = 0; step < OrderHistory::kSteps + 1; ++step)
            many.add(rowsOf(QStringLiteral("f%1=1").arg(step)));
        QVERIFY(OrderHistory::kSteps >= 100);
        for (int step = 0; step < OrderHistory::kSteps; ++step) {
            QVERIFY(many.canUndo());
            many.undo();
        }
        QVERIFY(!many.canUndo());
        QCOMPARE(namesOf(many), QStringLiteral("f0"));
        // The saved point (the empty order) fell out of the history: never reached again.
        QVERIFY(many.isModified());
    }
};

ZBIRNIK_TEST(OrderDocumentTest)
#include "OrderDocumentTest.moc"
