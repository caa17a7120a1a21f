#include "readablecolour.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace ReadableColour {

namespace {

// Relative luminance of an sRGB colour, as the accessibility guidelines define it.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// The colour groups a widget's text is drawn with while it is enabled.
constexpr QPalette::ColorGroup shownGroups[] = {QPalette::Active, QPalette::Inactive};

// Keeps the secondary colour of its widget in step with the palette around it.
class Keeper : public QObject
{
public:
    explicit Keeper(QWidget *widget)
        : QObject(widget)
        , widget(widget)
    {
        widget->installEventFilter(this);
        apply();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget && event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    // From the palette the widget inherits, so that its own colour never feeds back;
    // only the text colour is its own, the rest keeps following the window.
    void apply()
    {
        const QPalette inherited = widget->parentWidget() ? widget->parentWidget()->palette() : QPalette();
        QPalette own;
        bool same = true;
        for (const QPalette::ColorGroup group : shownGroups) {
            const QColor colour = secondaryText(inherited, group);
            same = same && widget->palette().color(group, QPalette::WindowText) == colour;
            own.setColor(group, QPalette::WindowText, colour);
        }
        if (!same)   // setting it again would come back here as a palette change
            widget->setPalette(own);
    }

    QWidget *widget;
};

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor secondaryText(const QPalette &palette, int group)
{
    const auto g = QPalette::ColorGroup(group);
    const QColor text = palette.color(g, QPalette::WindowText);
    const QColor window = palette.color(g, QPalette::Window);
    // Halfway at most: further, the text would read as disabled. A little above the
    // minimum, so that rounding to whole colour values never takes it below.
    constexpr int Steps = 50;
    for (int step = Steps; step > 0; --step) {
        const QColor candidate = mixed(text, window, 0.5 * step / Steps);
        if (contrastRatio(candidate, window) >= MinimumContrast + 0.05)
            return candidate;
    }
    return text;
}

void useSecondaryText(QWidget *widget)
{
    new Keeper(widget);
}

} // namespace ReadableColour
