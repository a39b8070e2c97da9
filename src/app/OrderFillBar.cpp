#include "OrderFillBar.h"

#include "dialogs/DesignFont.h"
#include "dialogs/FormColours.h"
#include "listings/SizeText.h"

#include <QPainter>

OrderFillBar::OrderFillBar(QWidget* parent) : QProgressBar(parent)
{
    setObjectName(QStringLiteral("prgPopunjenost"));
    setAccessibleName(QStringLiteral("Popunjenost CD-a"));
    setFont(designFont(7.5));
    setTextVisible(true);
    showFill(0, DiscCapacities::kDefault);
}

// The bar counts kibibytes, which every size is a whole number of.
void OrderFillBar::showFill(double totalBytes, const DiscCapacity& capacity)
{
    m_over = !capacity.fits(totalBytes);
    const QString total = SizeText::format(totalBytes);
    const QString megabytes = QString::number(capacity.megabytes);
    const QString free = SizeText::format(qAbs(capacity.bytes - totalBytes));
    m_text = m_over ? QStringLiteral("Previse: %1 MB").arg(free)
                    : QStringLiteral("Slobodno: %1 MB od %2 MB").arg(free, megabytes);
    const QString details =
        QStringLiteral("Ukupno: %1 MB\nKapacitet CD-a: %2 MB\n").arg(total, megabytes) +
        (m_over ? QStringLiteral("Previse: %1 MB").arg(free)
                : QStringLiteral("Slobodno: %1 MB").arg(free));
    setToolTip(details);
    setAccessibleDescription(m_text);
    const int capacityKiB = int(capacity.bytes / SizeText::kKibibyte);
    setRange(0, capacityKiB);
    setValue(int(qMin(totalBytes / SizeText::kKibibyte, double(capacityKiB))));
    update();
}

QSize OrderFillBar::sizeHint() const
{
    return {QProgressBar::sizeHint().width(), fontMetrics().height() + 2};
}

// Drawn flat rather than by the style, so the text fits the slim bar under every style.
void OrderFillBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, palette().color(QPalette::Base));
    const double share = maximum() > 0 ? double(value()) / maximum() : 0;
    QRect filled = area;
    filled.setWidth(int(area.width() * share));
    const QColor fill = m_over ? overCapacityRed() : palette().color(QPalette::Highlight);
    painter.fillRect(filled, fill);
    // The text reads on both parts of the bar.
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(area, Qt::AlignCenter, m_text);
    painter.save();
    painter.setClipRect(filled);
    painter.setPen(m_over ? QColor(Qt::white) : palette().color(QPalette::HighlightedText));
    painter.drawText(area, Qt::AlignCenter, m_text);
    painter.restore();
}
