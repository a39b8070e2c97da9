#include "frmzBIRNIK.h"

#include "FirstDialogFolder.h"
#include "OrderFillBar.h"
#include "dialogs/FormColours.h"
#include "dialogs/Twips.h"
#include "dialogs/frmOpcije.h"
#include "listings/ShopFiles.h"
#include "listings/SizeText.h"
#include "order/OznakaCD.h"
#include "platform/LetterCase.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "platform/ZbirnikError.h"
#include "platform/qt/ImmediateMnemonics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <algorithm>
#include <optional>

namespace {

const QString kErrorTitle = QStringLiteral("Greska");

} // namespace

frmzBIRNIK::frmzBIRNIK(PlatformServices platform, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_otvoriSave(platform.dialogBackend),
      m_recovery(m_order, platform.recovery)
{
    setObjectName(QStringLiteral("frmzBIRNIK"));
    // The title shows "Zbirnik*" while the order has changes that are not saved.
    setWindowTitle(QStringLiteral("Zbirnik[*]"));
    useFormColours(this);
    // The icons live in this static library; registering them here keeps the linker from
    // dropping them.
    Q_INIT_RESOURCE(icons);
    // The desktop's icon theme has the installed icon at every size; the bundled images stand
    // in where it has none (a program run from its build folder).
    QIcon bundled;
    for (int size : {16, 32, 48, 64, 128, 256})
        bundled.addFile(QStringLiteral(":/icons/zbirnik-%1.png").arg(size), QSize(size, size));
    setWindowIcon(QIcon::fromTheme(QStringLiteral(ZBIRNIK_APP_ID), bundled));
    createControls();
    connectOrder();
    connectRecovery();
    describeForAssistiveTools();
    setTabOrder();
    createKeys();
    createMenus();
    createDragAndDrop();
    clickMnemonicsAtOnce(this);
    m_otvoriSave.setFilter(QStringLiteral("Tekstualne datoteke (*.txt)|*.txt|"));
    // The options dialog is created hidden and lives as long as the window: its controls
    // hold the live options.
    m_opcije = new frmOpcije(m_otvoriSave, m_platform.settings, this);
    connect(m_opcije, &frmOpcije::settingsNotStored, this, &frmzBIRNIK::showError);
    resize(Twips::toPixels(11340), Twips::toPixels(7035));
    // A quit that reaches the application without the window's own asking comes from the
    // session ending (logout, shutdown): it closes the window without a question.
    qApp->installEventFilter(this);
}

frmzBIRNIK::~frmzBIRNIK() = default;

void frmzBIRNIK::guarded(const std::function<void()>& work, const QString& what)
{
    const QString failure = failureOf(work, what);
    if (!failure.isEmpty())
        showError(failure);
}

QString frmzBIRNIK::failureOf(const std::function<void()>& work, const QString& what)
{
    try {
        work();
    } catch (const ZbirnikError& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Nema dovoljno memorije za %1; radnja nije zavrsena.").arg(what);
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("Neocekivana greska; radnja nije zavrsena.");
    }
    return {};
}

void frmzBIRNIK::showError(const QString& text)
{
    m_platform.prompts.message(text, kErrorTitle, MessageIcon::Critical);
}

bool frmzBIRNIK::Form_Load(const QString& startFolder)
{
    m_shared.Putanja = QDir(startFolder).absolutePath() + u'/';
    m_recovery.setShopFolder(m_shared.Putanja);
    if (const QString problem = m_platform.settings.problem(); !problem.isEmpty())
        showError(problem);
    m_otvoriSave.rememberFolderIn(m_platform.settings, firstDialogFolder(m_shared.Putanja));
    const QString shopList = ShopFiles::shopListPath(m_shared.Putanja);
    bool started = false;
    guarded(
        [&] {
            readStoredOptions();
            ShopFiles::ShopList list;
            try {
                list = ShopFiles::readShopList(shopList);
            } catch (const ZbirnikError& error) {
                throw ZbirnikError(
                    error.message() +
                    QStringLiteral("\nProgram je trazio spisak CD-ova u folderu \"%1\". Drugi "
                                   "folder prodavnice navedite pri pokretanju: zbirnik FOLDER")
                        .arg(QDir::toNativeSeparators(QDir(startFolder).absolutePath())));
            }
            cmbCDovi->addItems(list.entries);
            started = true;
            if (list.leftOut > 0)
                showError(ShopFiles::shopListTooLong(shopList, list.leftOut));
        },
        QStringLiteral("ucitavanje spiska CD-ova \"%1\"").arg(QDir::toNativeSeparators(shopList)));
    if (!started)
        return false;
    cmbCDovi->setCurrentIndex(0);
    cmbCDovi_Click();
    return true;
}

// A stored value that is not a number, or is out of range, keeps its default.
void frmzBIRNIK::readStoredOptions()
{
    const auto stored = [this](const QString& section, int kind, qlonglong current,
                               qlonglong highest) -> std::optional<qlonglong> {
        bool ok = false;
        const qlonglong value =
            m_platform.settings.read(section, QString::number(kind + 1), QString::number(current))
                .trimmed()
                .toLongLong(&ok);
        if (!ok || value < 0 || value > highest)
            return std::nullopt;
        return value;
    };
    for (int kind = 0; kind < 2; ++kind) {
        if (const auto colour =
                stored(QStringLiteral("Boje"), kind, m_opcije->colour(kind), 0xFFFFFF))
            m_opcije->setColour(kind, quint32(*colour));
    }
    for (int kind = 0; kind < 2; ++kind) {
        if (const auto state =
                stored(QStringLiteral("Izabrano"), kind, m_opcije->kindState(kind), 2))
            m_opcije->setKindState(kind, int(*state));
    }
    m_opcije->setCapacity(DiscCapacities::fromStored(m_platform.settings.read(
        DiscCapacities::kSection, DiscCapacities::kKey, DiscCapacities::stored(capacity()))));
    m_order.setCapacity(m_opcije->capacity());
    showOrderTotal();
}

bool frmzBIRNIK::offThread(const BackgroundWork::Progress& progress, BackgroundWork::Work work)
{
    m_busy = true;
    const auto over = qScopeGuard([this] {
        m_busy = false;
        if (!m_waiting.isEmpty())
            QMetaObject::invokeMethod(this, &frmzBIRNIK::runWaitingCommands, Qt::QueuedConnection);
    });
    return BackgroundWork::run(this, progress, std::move(work));
}

bool frmzBIRNIK::waitIfBusy(void (frmzBIRNIK::*command)())
{
    if (!m_busy)
        return false;
    m_waiting.append(command);
    return true;
}

void frmzBIRNIK::runWaitingCommands()
{
    const QList<void (frmzBIRNIK::*)()> waiting = std::exchange(m_waiting, {});
    for (const auto command : waiting)
        (this->*command)();
}

void frmzBIRNIK::cmbCDovi_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmbCDovi_Click))
        return;
    showSelectedCd();
}

bool frmzBIRNIK::showSelectedCd()
{
    const int index = cmbCDovi->currentIndex();
    const QString path = ShopFiles::listingPath(m_shared.Putanja, index + 1);
    const int mp3State = m_opcije->kindState(0);
    const int videoState = m_opcije->kindState(1);
    // The work owns its result: a cancelled load may end after the window stopped waiting.
    auto listing = std::make_shared<std::optional<LoadedListing>>();
    bool cancelled = false;
    // A listing that cannot be read is named once the lists and lines show the empty list.
    QString fault = failureOf(
        [&] {
            try {
                cancelled = !offThread({QStringLiteral("Ucitavanje"),
                                        QStringLiteral("Ucitavam listu datoteka CD-a...")},
                                       [listing, path, mp3State, videoState](WorkControl& control) {
                                           *listing =
                                               loadListing(path, mp3State, videoState, &control);
                                       });
            } catch (...) {
                // A listing that cannot be read leaves the file list empty.
                m_files.clear();
                m_listedIndex = index;
                throw;
            }
        },
        QStringLiteral("ucitavanje datoteke \"%1\"").arg(QDir::toNativeSeparators(path)));
    // Cancelled: the lists stay as they were, and the chooser goes back to their source CD.
    // Before the first load there is nothing to go back to: the empty list is shown.
    if (cancelled && m_listedIndex >= 0) {
        cmbCDovi->setCurrentIndex(m_listedIndex);
        return false;
    }
    SizeSum sum;
    BadRecords bad;
    if (cancelled) {
        m_files.clear();
        m_listedIndex = index;
    } else if (*listing) {
        LoadedListing& loaded = **listing;
        m_files.setRows(std::move(loaded.rows));
        m_listedIndex = index;
        sum = loaded.sum;
        bad = loaded.bad;
        fault = loaded.fault;
    }
    listing.reset();
    lblCD_Vrijeme->setText(SizeText::format(sum.bytes));
    lblInformation[0]->setText(QStringLiteral("Ukupno datoteka na CD-u : ") +
                               QString::number(m_files.count()));
    lblInformation[1]->setText(QStringLiteral("Velicina svih datoteka na CD-u : ") +
                               lblCD_Vrijeme->text());
    if (!fault.isEmpty())
        showError(fault);
    reportBadRows(m_files, sum, describeBadRecords(path, bad));
    return !cancelled;
}

// Names the first rows whose size is not a valid number, and the records that gave no row:
// once, for the load, addition or open that brought them in, after the totals are shown.
void frmzBIRNIK::reportBadRows(const FileRowsModel& list, const SizeSum& sum,
                               const QString& badRecords)
{
    QStringList parts;
    if (sum.invalidCount > 0) {
        QStringList named;
        for (const int position : sum.invalidPositions) {
            const FileRow& row = list.at(position);
            named << QStringLiteral("%1: \"%2\"").arg(row.text, row.size);
        }
        if (sum.invalidCount > sum.invalidPositions.size())
            named << QStringLiteral("... i jos %1")
                         .arg(sum.invalidCount - sum.invalidPositions.size());
        parts << QStringLiteral(
                     "Velicina nije broj ili je manja od nule; ove datoteke se racunaju kao 0:\n") +
                     named.join(u'\n');
    }
    if (!badRecords.isEmpty())
        parts << badRecords;
    if (!parts.isEmpty())
        showError(parts.join(QStringLiteral("\n\n")));
}

void frmzBIRNIK::cmdIzlaz_Click()
{
    close();
}

// Closing the main window ends the program, whatever dialogs are open or hidden. An order
// with changes that are not saved is first offered for saving; Cancel keeps the program
// running, and what the program leaves unsaved is no longer kept for recovery. A session
// that is ending is never held up by the question: the order is copied for recovery.
void frmzBIRNIK::closeEvent(QCloseEvent* event)
{
    if (m_sessionEnding) {
        m_recovery.writeNow();
    } else if (mayDiscardOrder()) {
        m_recovery.discard();
    } else {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

bool frmzBIRNIK::mayDiscardOrder()
{
    if (!m_order.isModified())
        return true;
    enum
    {
        Yes,
        No,
        Cancel
    };
    switch (m_platform.prompts.choose(
        QStringLiteral("Narudzba nije sacuvana. Sacuvati je prije izlaza?"),
        QStringLiteral("Izlaz"), MessageIcon::Warning,
        {BoxButton::of(MessageAnswer::Yes), BoxButton::of(MessageAnswer::No),
         BoxButton::of(MessageAnswer::Cancel)},
        Yes, Cancel)) {
    case Yes:
        return saveOrder();
    case No:
        return true;
    default:
        return false;
    }
}

// The session manager ends the program at logout with a quit sent to the application. The
// program's own quit comes only after its window has closed.
bool frmzBIRNIK::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qApp && event->type() == QEvent::Quit)
        m_sessionEnding = true;
    return QWidget::eventFilter(watched, event);
}

// Compared as the duplicate test compares: the entry's order item, upper-cased.
bool frmzBIRNIK::isOrdered(int position) const
{
    const QString item = OznakaCD(m_files.packed().text(position), cmbCDovi->currentIndex());
    return m_order.containsUpper(LetterCase::upper(item));
}
