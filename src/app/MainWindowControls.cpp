// The main window's controls as the window's design places them, in twips.
#include "frmzBIRNIK.h"

#include "CheckMarkDelegate.h"
#include "ElidedLabel.h"
#include "FileListView.h"
#include "OrderFillBar.h"
#include "dialogs/DesignFont.h"
#include "dialogs/Twips.h"
#include "orderfile/OrderFileReader.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace {

const QFont& F1()
{
    static const QFont font = designFont(9.75);
    return font;
}

template <typename Control> Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

FileListView* fileList(QWidget* parent, const QString& name, QAbstractItemModel* model)
{
    auto* list = named(new FileListView(parent), name);
    list->setModel(model);
    list->setFont(F1());
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* control = named(new QLabel(caption, parent), name);
    control->setAlignment(alignment);
    return control;
}

} // namespace

void frmzBIRNIK::createControls()
{
    // The window's default font, for every control without a font of its own.
    setFont(defaultDialogFont());
    cmbCDovi = named(new QComboBox(this), QStringLiteral("cmbCDovi"));
    cmbCDovi->setFont(F1());
    Twips::place(cmbCDovi, 120, 800, 5000, 360);
    connect(cmbCDovi, &QComboBox::activated, this, &frmzBIRNIK::cmbCDovi_Click);
    connect(cmbCDovi, &QComboBox::currentIndexChanged, this, [this] { m_files.marksChanged(); });

    lstCD = fileList(this, QStringLiteral("lstCD"), &m_files);
    Twips::place(lstCD, 100, 1300, 2955, 4860);
    // Files already in the order carry a check mark.
    lstCD->setItemDelegate(new CheckMarkDelegate(FileRowsModel::MarkedRole, lstCD));
    m_files.setMarks([this](int position) { return isOrdered(position); });
    // A click shows the entry's details even when it was current already.
    connect(lstCD->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmzBIRNIK::lstCD_Click);
    connect(lstCD, &QListView::clicked, this, &frmzBIRNIK::lstCD_Click);
    connect(lstCD, &QListView::doubleClicked, this, &frmzBIRNIK::lstCD_DblClick);

    FileListView* orderList = fileList(this, QStringLiteral("lstCDNarucen"), m_order.itemModel());
    lstCDNarucen = orderList;
    Twips::place(lstCDNarucen, 6240, 1320, 2955, 4860);
    // How full the blank CD is, inside the order list's frame.
    prgPopunjenost = new OrderFillBar;
    orderList->setBottomWidget(prgPopunjenost);
    // The marks follow every change of the order, and the label a new source CD gives.
    const QAbstractItemModel* orderRows = &m_order.model();
    const auto marksChanged = [this] { m_files.marksChanged(); };
    connect(orderRows, &QAbstractItemModel::rowsInserted, this, marksChanged);
    connect(orderRows, &QAbstractItemModel::rowsRemoved, this, marksChanged);
    connect(orderRows, &QAbstractItemModel::rowsMoved, this, marksChanged);
    connect(orderRows, &QAbstractItemModel::modelReset, this, marksChanged);
    connect(orderRows, &QAbstractItemModel::dataChanged, this, marksChanged);
    connect(lstCDNarucen->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmzBIRNIK::lstCDNarucen_Click);
    connect(lstCDNarucen, &QListView::clicked, this, &frmzBIRNIK::lstCDNarucen_Click);

    const auto button = [this](const QString& name, const QString& caption, double left, double top,
                               double width, double height, auto handler) {
        auto* control = named(new QPushButton(caption, this), name);
        control->setAutoDefault(false);
        Twips::place(control, left, top, width, height);
        connect(control, &QPushButton::clicked, this, handler);
        return control;
    };
    cmdDodaj = button(QStringLiteral("cmdDodaj"), QStringLiteral("&Dodaj >"), 5160, 1800, 1000, 400,
                      &frmzBIRNIK::cmdDodaj_Click);
    cmdDodaj->setDefault(true);
    cmdDodajSve = button(QStringLiteral("cmdDodajSve"), QStringLiteral("Dodaj &Sve"), 5160, 2280,
                         1000, 400, &frmzBIRNIK::cmdDodajSve_Click);
    cmdIzbrisi = button(QStringLiteral("cmdIzbrisi"), QStringLiteral("< &Izbrisi"), 5160, 2880,
                        1000, 400, &frmzBIRNIK::cmdIzbrisi_Click);
    cmdIzbrisiSve = button(QStringLiteral("cmdIzbrisiSve"), QStringLiteral("I&zbrisi Sve"), 5160,
                           3360, 1000, 400, &frmzBIRNIK::cmdIzbrisiSve_Click);
    cmdNadji = button(QStringLiteral("cmdNadji"), QStringLiteral("&Nadji"), 5160, 3960, 1000, 400,
                      &frmzBIRNIK::cmdNadji_Click);
    cmdNadjiSve = button(QStringLiteral("cmdNadjiSve"), QStringLiteral("&Resetuj listu"), 5160,
                         4440, 1000, 400, &frmzBIRNIK::cmdNadjiSve_Click);
    cmdNadjiSve->setEnabled(false);
    cmdSave = button(QStringLiteral("cmdSave"), QStringLiteral("S&acuvaj"), 5160, 5040, 1000, 400,
                     &frmzBIRNIK::cmdSave_Click);
    cmdOpen = button(QStringLiteral("cmdOpen"), QStringLiteral("&Otvori"), 5160, 5520, 1000, 400,
                     &frmzBIRNIK::cmdOpen_Click);
    cmdAbout = button(QStringLiteral("cmdAbout"), QStringLiteral("O Programu"), 9120, 800, 1000,
                      360, &frmzBIRNIK::cmdAbout_Click);
    cmdIzlaz = button(QStringLiteral("cmdIzlaz"), QStringLiteral("Izlaz"), 10200, 800, 1000, 360,
                      &frmzBIRNIK::cmdIzlaz_Click);
    cmdProsli = button(QStringLiteral("cmdProsli"), QStringLiteral("Otvorite stare CD-ove"), 6240,
                       800, 1725, 360, &frmzBIRNIK::cmdProsli_Click);
    cmdOpcije = button(QStringLiteral("cmdOpcije"), QStringLiteral("Opcije"), 8040, 800, 1000, 360,
                       &frmzBIRNIK::cmdOpcije_Click);

    lblNaslov = label(this, QStringLiteral("lblNaslov"), QStringLiteral("VUZ Avodivuvav OR-ado"),
                      Qt::AlignHCenter | Qt::AlignTop);
    lblNaslov->setFont(designFont(24, true, true));
    Twips::place(lblNaslov, 0, 120, 11265, 555);

    lblBrojNarucenih = label(this, QStringLiteral("lblBrojNarucenih"), QStringLiteral("0"));
    Twips::place(lblBrojNarucenih, 7920, 6240, 360, 195);
    lblBrojN = label(this, QStringLiteral("lblBrojN"), QStringLiteral("Izabrano Datoteka:"),
                     Qt::AlignRight | Qt::AlignVCenter);
    Twips::place(lblBrojN, 6480, 6240, 1365, 195);
    lblPjesma = named(new ElidedLabel(this), QStringLiteral("lblPjesma"));
    lblPjesma->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblPjesma->setFont(designFont(13.5));
    Twips::place(lblPjesma, 0, 6600, 11385, 360);
    lblInformation[0] = label(this, QStringLiteral("lblInformation(0)"), QString());
    Twips::place(lblInformation[0], 105, 6240, 5040, 195);
    lblInformation[1] = label(this, QStringLiteral("lblInformation(1)"), QString());
    Twips::place(lblInformation[1], 120, 6360, 4920, 195);

    // The total of the file list is kept in a label that is never shown.
    lblCD_Vrijeme = label(this, QStringLiteral("lblCD_Vrijeme"), QStringLiteral("000.0000"),
                          Qt::AlignHCenter | Qt::AlignVCenter);
    Twips::place(lblCD_Vrijeme, 4200, 6240, 900, 195);
    lblCD_Vrijeme->hide();
    lblCDNarucen_Vrijeme = label(this, QStringLiteral("lblCDNarucen_Vrijeme"),
                                 QStringLiteral("000.0000"), Qt::AlignHCenter | Qt::AlignVCenter);
    Twips::place(lblCDNarucen_Vrijeme, 10320, 6240, 900, 195);
    lblVrijeme = label(this, QStringLiteral("lblVrijeme"), QStringLiteral("000.0000"),
                       Qt::AlignHCenter | Qt::AlignTop);
    lblVrijeme->setFont(designFont(12));
    Twips::place(lblVrijeme, 5160, 6120, 1000, 375);
    lblUkupnoVrijeme =
        label(this, QStringLiteral("lblUkupnoVrijeme"), QStringLiteral("Ukupno MB izabrano:"),
              Qt::AlignRight | Qt::AlignVCenter);
    Twips::place(lblUkupnoVrijeme, 8790, 6240, 1545, 195);

    // Labels sized to their captions.
    for (QLabel* sized : {lblBrojN, lblUkupnoVrijeme})
        sized->resize(qMax(sized->width(), sized->sizeHint().width()), sized->height());
    // The count fits the largest order, five digits; it grows to the right only.
    lblBrojNarucenih->resize(
        qMax(lblBrojNarucenih->width(),
             lblBrojNarucenih->fontMetrics().horizontalAdvance(QString::number(kMaxOrderItems)) +
                 2 * lblBrojNarucenih->margin()),
        lblBrojNarucenih->height());
}

void frmzBIRNIK::setTabOrder()
{
    QWidget* order[] = {cmbCDovi,   lstCD,         lstCDNarucen, cmdDodaj,    cmdDodajSve,
                        cmdIzbrisi, cmdIzbrisiSve, cmdNadji,     cmdNadjiSve, cmdSave,
                        cmdOpen,    cmdAbout,      cmdIzlaz,     cmdProsli,   cmdOpcije};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}
