#include "ElidedLabel.h"

#include <QEvent>

namespace {

// No label is wide enough for more characters than this; measuring more would only cost.
constexpr qsizetype kMeasuredCharacters = 2000;

} // namespace

void ElidedLabel::setFullText(const QString& text)
{
    m_fullText = text;
    elide();
}

void ElidedLabel::elide()
{
    const QString measured = m_fullText.first(qMin(m_fullText.size(), kMeasuredCharacters));
    const QString shown = fontMetrics().elidedText(measured, Qt::ElideRight, qMax(0, width()));
    const bool cut = shown != m_fullText;
    setText(cut && shown == measured ? shown + u'\x2026' : shown);
    setToolTip(cut ? measured : QString());
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        elide();
}
