#include "listwidth.h"

#include "options/optioncatalogue.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>

int widestText(const QFontMetrics &metrics, const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = qMax(widest, metrics.horizontalAdvance(text));
    return widest;
}

int listWidth(const QComboBox *box, const QStringList &items)
{
    const QFontMetrics metrics(box->font());
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QSize contents(widestText(metrics, items), metrics.height());
    return box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, box).width();
}

int functionListWidth(const QComboBox *box)
{
    return listWidth(box, Options::functionItemWidthSamples());
}

void setListWidth(QComboBox *box, int width)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumWidth(width);
}
