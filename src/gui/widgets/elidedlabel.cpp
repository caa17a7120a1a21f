#include "elidedlabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {

// Even at its narrowest a label keeps the start and the end of its text in view,
// about this many characters in all.
constexpr int MinimumShownCharacters = 12;

} // namespace

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Expanding, sizePolicy().verticalPolicy());
}

QSize ElidedLabel::minimumSizeHint() const
{
    const int width = fontMetrics().averageCharWidth() * MinimumShownCharacters;
    return {qMin(width, sizeHint().width()), QLabel::minimumSizeHint().height()};
}

// The middle goes: the start of a description says what its row is and the end
// names the keyword; the start of a path says where it is and the end names the file.
QString ElidedLabel::shownText() const
{
    // As wide as it asks to be, the label shows its whole text: no need to measure it again.
    if (width() >= sizeHint().width())
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

bool ElidedLabel::isElided() const
{
    return shownText() != text();
}

bool ElidedLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (isElided())
            QToolTip::showText(help->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent *event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shown, foregroundRole());
}
