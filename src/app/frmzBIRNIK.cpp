#include "frmzBIRNIK.h"

#include "FirstDialogFolder.h"
#include "dialogs/FormColours.h"
#include "dialogs/Twips.h"
#include "dialogs/frmOpcije.h"
#include "listings/ShopFiles.h"
#include "listings/SizeText.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "platform/ZbirnikError.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <optional>

namespace {

const QString kErrorTitle = QStringLiteral("Greska");

// At most this many bad entries are named in one message; the rest are counted.
constexpr int kNamedEntries = 10;

} // namespace

frmzBIRNIK::frmzBIRNIK(PlatformServices platform, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_otvoriSave(platform.dialogBackend)
{
    setObjectName(QStringLiteral("frmzBIRNIK"));
    setWindowTitle(QStringLiteral("Zbirnik"));
    useFormColours(this);
    // The icons live in this static library; registering them here keeps the linker from
    // dropping them.
    Q_INIT_RESOURCE(icons);
    QIcon icon(QStringLiteral(":/icons/zbirnik.png"));
    icon.addFile(QStringLiteral(":/icons/zbirnik16.png"), QSize(16, 16));
    setWindowIcon(icon);
    createControls();
    setTabOrder();
    createKeys();
    m_otvoriSave.setFilter(QStringLiteral("Tekstualne datoteke (*.txt)|*.txt|"));
    // The options dialog is created hidden and lives as long as the window: its controls
    // hold the live options.
    m_opcije = new frmOpcije(m_otvoriSave, m_platform.settings, this);
    resize(Twips::toPixels(11340), Twips::toPixels(7035));
}

frmzBIRNIK::~frmzBIRNIK() = default;

void frmzBIRNIK::guarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const ZbirnikError& error) {
        showError(error.message());
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
}

void frmzBIRNIK::showError(const QString& text)
{
    m_platform.prompts.message(text, kErrorTitle, MessageIcon::Critical);
}

bool frmzBIRNIK::Form_Load(const QString& startFolder)
{
    m_shared.Putanja = QDir(startFolder).absolutePath() + u'/';
    m_otvoriSave.rememberFolderIn(m_platform.settings, firstDialogFolder(m_shared.Putanja));
    readStoredOptions();

    const QString shopList = ShopFiles::shopListPath(m_shared.Putanja);
    try {
        cmbCDovi->addItems(ShopFiles::readShopList(shopList));
    } catch (const ZbirnikError& error) {
        showError(error.message() +
                  QStringLiteral("\nProgram je trazio spisak CD-ova u folderu \"%1\". Drugi "
                                 "folder prodavnice navedite pri pokretanju: zbirnik FOLDER")
                      .arg(QDir::toNativeSeparators(QDir(startFolder).absolutePath())));
        return false;
    }
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
}

bool frmzBIRNIK::offThread(const BackgroundWork::Progress& progress,
                           const std::function<void(WorkControl&)>& work)
{
    m_busy = true;
    const auto over = qScopeGuard([this] {
        m_busy = false;
        if (!m_waiting.isEmpty())
            QMetaObject::invokeMethod(this, &frmzBIRNIK::runWaitingCommands, Qt::QueuedConnection);
    });
    WorkControl control;
    return BackgroundWork::run(this, progress, control, [&] { work(control); });
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
    const int index = cmbCDovi->currentIndex();
    const QString path = ShopFiles::listingPath(m_shared.Putanja, index + 1);
    const int mp3State = m_opcije->kindState(0);
    const int videoState = m_opcije->kindState(1);
    std::optional<LoadedListing> listing;
    bool cancelled = false;
    guarded([&] {
        try {
            cancelled = !offThread(
                {QStringLiteral("Ucitavanje"), QStringLiteral("Ucitavam listu datoteka CD-a...")},
                [&](WorkControl& control) {
                    listing = loadListing(path, mp3State, videoState, &control);
                });
        } catch (...) {
            // A listing that cannot be read leaves the file list empty.
            m_files.clear();
            m_listedIndex = index;
            throw;
        }
    });
    // Cancelled: the lists stay as they were, and the chooser goes back to their source CD.
    if (cancelled) {
        if (m_listedIndex >= 0)
            cmbCDovi->setCurrentIndex(m_listedIndex);
        return;
    }
    QString fault;
    if (listing) {
        m_files.setRows(std::move(listing->rows));
        m_listedIndex = index;
        fault = listing->fault;
    }
    SaberiVelicine(0);
    lblInformation[0]->setText(QStringLiteral("Ukupno datoteka na CD-u : ") +
                               QString::number(m_files.count()));
    lblInformation[1]->setText(QStringLiteral("Velicina svih datoteka na CD-u : ") +
                               lblCD_Vrijeme->text());
    if (!fault.isEmpty())
        showError(fault);
}

void frmzBIRNIK::SaberiVelicine(int mode)
{
    const FileRowsModel& list = mode == 0 ? m_files : m_order.model();
    const SizeSum sum = sumSizes(list.packed());
    const QString caption = SizeText::format(sum.bytes);

    if (!sum.invalidPositions.isEmpty()) {
        QStringList named;
        for (const int position : sum.invalidPositions.first(
                 qMin<qsizetype>(kNamedEntries, sum.invalidPositions.size()))) {
            const FileRow& row = list.at(position);
            named << QStringLiteral("%1: \"%2\"").arg(row.text, row.size);
        }
        if (sum.invalidPositions.size() > kNamedEntries)
            named
                << QStringLiteral("... i jos %1").arg(sum.invalidPositions.size() - kNamedEntries);
        showError(QStringLiteral("Velicina nije broj; ove datoteke se racunaju kao 0:\n") +
                  named.join(u'\n'));
    }

    if (mode == 0) {
        lblCD_Vrijeme->setText(caption);
        return;
    }
    lblCDNarucen_Vrijeme->setText(caption);
    if (sum.bytes > SizeText::kCapacityBytes) {
        if (!m_overCapacity) {
            m_platform.prompts.message(
                QStringLiteral("Morate izbaciti neke datoteke. Velicina CD-a je 650 MB"),
                QStringLiteral("Previse datoteka izabrano"), MessageIcon::Critical);
        }
        setOrderTotalColour(true);
    } else {
        setOrderTotalColour(false);
    }
}

// Over the capacity both order total labels are red; otherwise they have the normal
// label text colour.
void frmzBIRNIK::setOrderTotalColour(bool over)
{
    m_overCapacity = over;
    for (QLabel* label : {lblUkupnoVrijeme, lblCDNarucen_Vrijeme}) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText,
                         over ? overCapacityRed() : palette().color(QPalette::ButtonText));
        label->setPalette(colours);
    }
}

void frmzBIRNIK::cmdIzlaz_Click()
{
    close();
}

// Closing the main window ends the program at once, whatever dialogs are open or hidden;
// nothing is saved.
void frmzBIRNIK::closeEvent(QCloseEvent* event)
{
    event->accept();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
