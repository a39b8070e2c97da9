#pragma once

#include <QLabel>

// A label that shows as much of its text as fits, with "..." at the end, and keeps the whole
// text: a file name of a megabyte shows at once instead of being laid out whole. When the
// text is cut, its tool tip shows more of it.
class ElidedLabel : public QLabel
{
    Q_OBJECT
    // The whole text, for assistive tools.
    Q_PROPERTY(QString fullText READ fullText)
public:
    using QLabel::QLabel;

    void setFullText(const QString& text);
    const QString& fullText() const { return m_fullText; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void elide();

    QString m_fullText;
};
