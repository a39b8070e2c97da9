// The recovery copy of the unsaved order: offered back at start, written when the program is
// ended from outside.
#include "frmzBIRNIK.h"

#include "listings/SizeText.h"
#include "orderfile/OrderFileReader.h"
#include "platform/CountForms.h"
#include "platform/Prompts.h"
#include "platform/ZbirnikError.h"

#include <QApplication>
#include <QDir>

namespace {

// "... (N datoteka, MMM.KKKK MB, dd.MM.yyyy. HH:mm). Vratiti je?", and the shop folder of the
// order when it is not the one the program works in.
QString recoveryQuestion(const RecoveryCopy& copy, const QList<FileRow>& rows,
                         const QString& shopFolder)
{
    const qsizetype count = rows.size();
    const double bytes = sumSizes(rows, [](const FileRow& row) { return row.size; }).bytes;
    QString text =
        QStringLiteral("Narudzba iz prethodnog rada nije sacuvana (%1 %2, %3 MB, %4). Vratiti je?")
            .arg(count)
            .arg(byCount(count, QStringLiteral("datoteka"), QStringLiteral("datoteke"),
                         QStringLiteral("datoteka")),
                 SizeText::format(bytes),
                 copy.time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy. HH:mm")));
    if (!copy.shopFolder.isEmpty() &&
        QDir::cleanPath(copy.shopFolder) != QDir::cleanPath(shopFolder))
        text += QStringLiteral("\nNarudzba je pravljena u folderu prodavnice \"%1\".")
                    .arg(QDir::toNativeSeparators(QDir::cleanPath(copy.shopFolder)));
    return text;
}

} // namespace

void frmzBIRNIK::connectRecovery()
{
    connect(&m_recovery, &OrderRecovery::writeFailed, this, &frmzBIRNIK::showError);
    // X11 session management asks before logout; the copy is written then, not held up.
    connect(qApp, &QGuiApplication::commitDataRequest, &m_recovery, &OrderRecovery::writeNow);
}

// The newest copy whose program is no longer running, once per start. Da puts it back as
// opening it into the empty order would, but changed and with no history; Ne removes it; Esc
// keeps it for a later start. A copy that cannot be read is named and set aside.
void frmzBIRNIK::offerRecovery()
{
    if (m_order.count() > 0)
        return;
    const std::optional<RecoveryCopy> copy = m_platform.recovery.newestLeft();
    if (!copy)
        return;
    QList<FileRow> rows;
    const QString path = QDir::toNativeSeparators(copy->orderPath);
    const QString failure = failureOf(
        [&] {
            rows = OrderFileReader::read(copy->orderPath);
            if (rows.isEmpty())
                throw ZbirnikError(QStringLiteral("Kopija narudzbe \"%1\" je prazna.").arg(path));
        },
        QStringLiteral("citanje kopije narudzbe \"%1\"").arg(path));
    if (!failure.isEmpty()) {
        const QString aside = m_platform.recovery.setAside(*copy);
        showError(failure + QStringLiteral("\nKopija narudzbe je ostavljena kao \"%1\".")
                                .arg(QDir::toNativeSeparators(aside)));
        return;
    }
    enum
    {
        Yes,
        No,
        Cancel
    };
    switch (m_platform.prompts.choose(recoveryQuestion(*copy, rows, m_shared.Putanja),
                                      QStringLiteral("Vracanje narudzbe"), MessageIcon::Warning,
                                      {BoxButton::of(MessageAnswer::Yes),
                                       BoxButton::of(MessageAnswer::No),
                                       BoxButton::of(MessageAnswer::Cancel)},
                                      Yes, Cancel)) {
    case Yes:
        m_recovery.replaces(*copy);
        guarded([&] { m_order.restore(rows); },
                QStringLiteral("vracanje narudzbe \"%1\"").arg(path));
        reportBadRows(m_order.model(), m_order.sizeSum());
        break;
    case No:
        m_platform.recovery.discard(*copy);
        break;
    default:
        m_platform.recovery.letGo(*copy);
        break;
    }
}

void frmzBIRNIK::endFromOutside()
{
    m_recovery.writeNow();
    m_sessionEnding = true;
    QCoreApplication::quit();
}
