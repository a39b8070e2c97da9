#include "app/UniformRowsView.h"
#include "common/TestRegistry.h"

#include <QAbstractListModel>
#include <QScrollBar>
#include <QTest>

namespace {

// As many rows as the largest listing can name (256 MB of three-byte records), each its
// number, without storing any.
class NumberedRows : public QAbstractListModel
{
public:
    static constexpr int kCount = (256 << 20) / 3;

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : kCount;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QString::number(index.row())) : QVariant();
    }
};

} // namespace

class UniformRowsViewTest : public QObject
{
    Q_OBJECT

private slots:
    // The keys reach every row of the longest list, which is then on show where the view
    // says it is, and a selection by Shift spans every row it passes.
    void keysReachEveryRowOfTheLongestList_data()
    {
        constexpr int last = NumberedRows::kCount - 1;
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("selected");
        QTest::newRow("End") << 0 << int(Qt::Key_End) << Qt::KeyboardModifiers() << last << 1;
        QTest::newRow("Down at the last row")
            << last << int(Qt::Key_Down) << Qt::KeyboardModifiers() << last << 1;
        QTest::newRow("Page Down at the last row")
            << last << int(Qt::Key_PageDown) << Qt::KeyboardModifiers() << last << 1;
        QTest::newRow("Shift+Home from the last row")
            << last << int(Qt::Key_Home) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0
            << NumberedRows::kCount;
        QTest::newRow("Shift+End from the middle")
            << last / 2 << int(Qt::Key_End) << Qt::KeyboardModifiers(Qt::ShiftModifier) << last
            << last - last / 2 + 1;
        QTest::newRow("Up from the row after the first")
            << 1 << int(Qt::Key_Up) << Qt::KeyboardModifiers() << 0 << 1;
    }
    void keysReachEveryRowOfTheLongestList()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, current);
        QFETCH(int, selected);
        NumberedRows rows;
        UniformRowsView view;
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view.setModel(&rows);
        view.resize(200, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCurrentIndex(rows.index(from, 0));

        QTest::keyClick(&view, Qt::Key(key), modifiers);

        QCOMPARE(view.currentIndex().row(), current);
        const QRect shown = view.visualRect(view.currentIndex());
        QVERIFY(view.viewport()->rect().contains(shown));
        QCOMPARE(view.indexAt(shown.center()), view.currentIndex());
        const QItemSelection selection = view.selectionModel()->selection();
        QCOMPARE(selection.size(), 1);
        QCOMPARE(selection.first().height(), selected);
        if (current == NumberedRows::kCount - 1)
            QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    }
};

ZBIRNIK_TEST(UniformRowsViewTest)
#include "UniformRowsViewTest.moc"
