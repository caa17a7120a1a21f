#include "actiontexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QToolBar>

namespace ActionTexts {

void followQuitConvention(QAction *quit)
{
#ifdef Q_OS_WIN
    Q_UNUSED(quit)   // the form's "&Exit" is Windows' own word
#else
    quit->setText(QCoreApplication::translate("MainWindow", "&Quit"));
#endif
}

void showShortcutsInToolTips(const QToolBar *toolBar)
{
    static const QRegularExpression twinEnding(QStringLiteral("_Tool[Bb]ar$"));
    const QWidget *window = toolBar->window();
    for (QAction *button : toolBar->actions()) {
        if (button->isSeparator())
            continue;
        QString tip = button->text();
        tip.remove(QLatin1Char('&'));
        const QString twinName = QString(button->objectName()).remove(twinEnding);
        const auto *twin = window->findChild<QAction *>(twinName);
        if (twin && twin != button && !twin->shortcut().isEmpty())
            tip += QStringLiteral(" (") + twin->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')');
        button->setToolTip(tip);
    }
}

} // namespace ActionTexts
