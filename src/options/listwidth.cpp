#include "listwidth.h"

#include "optioncatalogue.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>

int listWidth(const QComboBox *box, const QStringList &items)
{
    const QFontMetrics metrics(box->font());
    int widest = 0;
    for (const QString &item : items)
        widest = qMax(widest, metrics.horizontalAdvance(item));
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QSize contents(widest, metrics.height());
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
