#include "MainWindowFixture.h"
#include "common/TestRegistry.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmOpcije.h"

#include <QAccessible>
#include <QListView>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

// Every control that takes the focus, found through the accessibility tree as a screen
// reader finds it. The rows of a list or a drop-down list are not controls of their own.
void collectFocusable(QAccessibleInterface* node, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (child->state().focusable)
            found.append(child);
        if (child->role() != QAccessible::List && child->role() != QAccessible::ComboBox)
            collectFocusable(child, found);
    }
}

} // namespace

// What a screen reader hears of the main window and its dialogs. Each row names a window and
// one of its controls with the role and name it must be announced with; the row "every
// focusable control" walks the whole window instead: each control that takes the focus has a
// name, and no two have the same one (so the two lists cannot sound alike).
class AccessibilityTest : public QObject
{
    Q_OBJECT

    // The main window after "Dodaj &Sve" of a source CD of three files, with the second
    // file chosen, and its dialogs shown.
    struct Scene
    {
        MainWindowFixture f;
        std::unique_ptr<frmAbout> about;

        Scene()
        {
            f.writeShop(
                {{"D:\\m\\a.mp3,001.0000", "D:\\m\\b.mp3,002.0000", "D:\\v\\c.dat,003.0000"}});
            frmzBIRNIK& w = f.start();
            w.show();
            w.cmdDodajSve->click();
            w.lstCD->setCurrentIndex(w.files().index(1, 0));
            w.cmdNadji_Click();
            w.options()->show();
            about = std::make_unique<frmAbout>(f.urls, &w);
            about->show();
        }

        QWidget* window(const QString& name) const
        {
            if (name == u"main")
                return f.window.get();
            if (name == u"find")
                return f.window->findDialog();
            if (name == u"options")
                return f.window->options();
            return about.get();
        }
    };

private slots:
    void announcedAs_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control"); // object name; empty: every focusable control
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        const auto every = [](const char* window) {
            QTest::addRow("%s: every focusable control", window)
                << QString::fromLatin1(window) << QString() << QAccessible::NoRole << QString();
        };
        const auto row = [](const char* window, const char* control, QAccessible::Role role,
                            const char* name) {
            QTest::addRow("%s: %s", window, control)
                << QString::fromLatin1(window) << QString::fromLatin1(control) << role
                << QString::fromLatin1(name);
        };
        every("main");
        row("main", "frmzBIRNIK", QAccessible::Window, "Zbirnik*");
        row("main", "cmbCDovi", QAccessible::ComboBox, "Izvorni CD");
        row("main", "lstCD", QAccessible::List, "Datoteke izvornog CD-a");
        row("main", "lstCDNarucen", QAccessible::List, "Narudzba");
        row("main", "lblBrojNarucenih", QAccessible::StaticText, "Izabrano Datoteka: 3");
        row("main", "lblCDNarucen_Vrijeme", QAccessible::StaticText,
            "Ukupno MB izabrano: 006.0000");
        row("main", "lblPjesma", QAccessible::StaticText, "Izabrana datoteka: b.mp3");
        row("main", "lblVrijeme", QAccessible::StaticText, "Velicina izabrane datoteke: 002.0000");
        row("main", "prgPopunjenost", QAccessible::ProgressBar, "Popunjenost CD-a");
        every("find");
        row("find", "txtNadji", QAccessible::EditableText, "Tekst za trazenje:");
        every("options");
        row("options", "lblColor(0)", QAccessible::Button, "Boja pjesama: #000000");
        row("options", "lblColor(1)", QAccessible::Button, "Boja spotova: #400000");
        row("options", "cmbKapacitet", QAccessible::ComboBox, "Kapacitet CD-a");
        every("about");
        row("about", "Label1", QAccessible::Link, "http://cd.example.org");
        row("about", "lblWebMade", QAccessible::Link, "http://dev.example.org");
    }

    void announcedAs()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        Scene scene;
        QWidget* shown = scene.window(window);
        QVERIFY(shown);
        if (control.isEmpty()) {
            QList<QAccessibleInterface*> focusable;
            collectFocusable(QAccessible::queryAccessibleInterface(shown), focusable);
            QVERIFY(!focusable.isEmpty());
            QStringList names;
            for (QAccessibleInterface* each : focusable) {
                const QString heard = each->text(QAccessible::Name);
                QVERIFY2(!heard.isEmpty(), qPrintable(each->object()->objectName()));
                QVERIFY2(!names.contains(heard), qPrintable(heard));
                names << heard;
            }
            return;
        }
        QObject* target =
            shown->objectName() == control ? shown : shown->findChild<QObject*>(control);
        QVERIFY(target);
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(target);
        QCOMPARE(heard->role(), role);
        QCOMPARE(heard->text(QAccessible::Name), name);
    }
};

ZBIRNIK_TEST(AccessibilityTest)
#include "AccessibilityTest.moc"
