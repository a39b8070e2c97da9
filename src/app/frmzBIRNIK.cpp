#include "frmzBIRNIK.h"

#include "FirstDialogFolder.h"
#include "dialogs/FormColours.h"
#include "dialogs/Twips.h"
#include "dialogs/frmOpcije.h"
#include "listings/FileKind.h"
#include "listings/ImeDatoteke.h"
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

void frmzBIRNIK::cmbCDovi_Click()
{
    m_files.clear();
    const int cdNumber = cmbCDovi->currentIndex() + 1;
    QString fault;
    guarded([&] {
        const Listing listing = readListing(ShopFiles::listingPath(m_shared.Putanja, cdNumber));
        const int mp3State = m_opcije->kindState(0);
        const int videoState = m_opcije->kindState(1);
        QList<FileRow> rows;
        rows.reserve(listing.records.size());
        for (const ListingRecord& record : listing.records) {
            if (passesKindFilter(record.fullPath, mp3State, videoState))
                rows.append({ImeDatoteke(record.fullPath), record.fullPath, record.size});
        }
        m_files.setRows(std::move(rows));
        fault = listing.fault;
    });
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
    const SizeSum sum = sumSizes(list.rows(), [](const FileRow& row) { return row.size; });
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
