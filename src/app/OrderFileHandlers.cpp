// Saving and opening orders, and naming the previous CDs' orders.
#include "frmzBIRNIK.h"

#include "OrderMenu.h"

#include "orderfile/OrderFileReader.h"
#include "orderfile/OrderFileWriter.h"
#include "orderfile/ShortNumber.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QPushButton>
#include <memory>

namespace {

// The flag words of the file dialogs: 4100 for opening, 4102 for saving.
constexpr int kOpenFlags = DialogFlags::FileMustExist | DialogFlags::HideReadOnly;
constexpr int kSaveFlags = kOpenFlags | DialogFlags::OverwritePrompt;
static_assert(kOpenFlags == 4100 && kSaveFlags == 4102);

} // namespace

void frmzBIRNIK::cmdSave_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdSave_Click))
        return;
    saveOrder();
}

bool frmzBIRNIK::saveOrder()
{
    m_otvoriSave.title = QStringLiteral("Sacuvajte PlayListu");
    m_otvoriSave.flags = kSaveFlags;
    if (m_otvoriSave.showSave() == CommonDialog::Result::Cancelled)
        return false;
    if (m_otvoriSave.fileName.isEmpty())
        return false;
    bool saved = false;
    const QString path = m_otvoriSave.fileName;
    guarded(
        [&] {
            OrderFileWriter::save(path, m_order.model().rows());
            saved = true;
        },
        QStringLiteral("cuvanje PlayListe \"%1\"").arg(QDir::toNativeSeparators(path)));
    if (saved)
        m_order.markSaved();
    return saved;
}

// Appends the items of an order file without any check, as one undo step.
void frmzBIRNIK::cmdOpen_Click()
{
    if (waitIfBusy(&frmzBIRNIK::cmdOpen_Click))
        return;
    m_otvoriSave.title = QStringLiteral("Otvorite PlayListu");
    m_otvoriSave.flags = kOpenFlags;
    if (m_otvoriSave.showOpen() != CommonDialog::Result::Accepted ||
        m_otvoriSave.fileName.isEmpty())
        return;
    const QString path = m_otvoriSave.fileName;
    const OrderFileReader::Room room = m_order.room();
    guarded(
        [&] {
            // The work owns its result: a cancelled open may end after the window stopped
            // waiting.
            auto rows = std::make_shared<QList<FileRow>>();
            // Cancelled: nothing is added, as when the dialog is cancelled.
            if (!offThread({QStringLiteral("Otvaranje"), QStringLiteral("Otvaram PlayListu...")},
                           [rows, path, room](WorkControl& control) {
                               *rows = OrderFileReader::read(path, room, &control);
                           }))
                return;
            m_order.addOpened(*rows, stepName(cmdOpen));
        },
        QStringLiteral("otvaranje PlayListe \"%1\"").arg(QDir::toNativeSeparators(path)));
    reportBadRows(m_order.model(), m_order.sizeSum());
}

// Only names the previous CDs' order files; the check on adding reads them.
void frmzBIRNIK::cmdProsli_Click()
{
    const std::optional<QString> typed =
        m_platform.prompts.inputBox(QStringLiteral("Unesite ukupni broj CD-ova"),
                                    QStringLiteral("Broj CD-ova"), QStringLiteral("1"));
    if (!typed)
        return;
    // Text that is not a 16-bit whole number keeps the old count.
    if (const std::optional<int> count = shortNumberFromText(*typed))
        m_shared.BrojProslihCD = *count;
    const int count = m_shared.BrojProslihCD;
    // A count of 0 keeps the old paths (nothing consults them); a negative one names nothing.
    if (count <= 0)
        return;

    m_shared.ProsliCD = QStringList(count + 1);
    for (int k = 1; k <= count; ++k) {
        m_otvoriSave.title = QStringLiteral("Otvorite stari CD %1").arg(k);
        m_otvoriSave.fileName = QStringLiteral("CD %1").arg(k);
        m_otvoriSave.flags = kOpenFlags;
        if (m_otvoriSave.showOpen() == CommonDialog::Result::Cancelled) {
            m_shared.BrojProslihCD = 0;
            return;
        }
        if (m_otvoriSave.fileName.isEmpty())
            return;
        m_shared.ProsliCD[k] = m_otvoriSave.fileName;
    }
}
