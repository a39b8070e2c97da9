#include "FormColours.h"

#include <QWidget>
#include <cmath>

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

QPalette formPalette()
{
    const QColor face(240, 240, 240);
    const QColor text(Qt::black);
    const QColor greyText(109, 109, 109);
    // Window text, button, light, dark, mid, text, bright text, base, window.
    QPalette palette(text, face, Qt::white, QColor(160, 160, 160), QColor(160, 160, 160), text,
                     Qt::white, Qt::white, face);
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Shadow, QColor(105, 105, 105));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::Highlight, QColor(0, 99, 177));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0, 99, 177));
    palette.setColor(QPalette::LinkVisited, QColor(102, 0, 153));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, greyText);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        palette.setColor(QPalette::Disabled, role, greyText);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(160, 160, 160));
    return palette;
}

void useFormColours(QWidget* window)
{
    window->setPalette(formPalette());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableOn(const QColor& colour, const QColor& background)
{
    const QColor towards =
        contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background) ? Qt::black
                                                                                     : Qt::white;
    for (int step = 0; step <= 50; ++step) {
        const QColor candidate = mixed(colour, towards, step / 50.0);
        if (contrastRatio(candidate, background) >= kReadableContrast)
            return candidate;
    }
    return towards;
}

QColor overCapacityRed()
{
    return readableOn(QColor(255, 0, 0), formPalette().color(QPalette::Window));
}
