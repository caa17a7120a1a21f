// How the option rows sit in the window: captions in one column, editors in another,
// the descriptions taking what is left; the window as wide and, at the first run, as
// tall as that needs, within the screen.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QScreen>
#include <QStyle>
#include <QScrollBar>

namespace {

// The widgets of one row, in the order the form puts them into the row's layout.
enum RowItem { CaptionItem, InfoItem, EditorItem };

struct Row {
    QHBoxLayout *layout;
    QCheckBox *caption;
    QLabel *info;
    QWidget *editor;
};

QVector<Row> optionRows(const Ui::MainWindow &ui)
{
    QVector<Row> rows;
    for (int i = 0; i < ui.verticalLayout->count(); ++i) {
        if (auto *layout = qobject_cast<QHBoxLayout *>(ui.verticalLayout->itemAt(i)->layout())) {
            rows.append({layout, qobject_cast<QCheckBox *>(layout->itemAt(CaptionItem)->widget()),
                         qobject_cast<QLabel *>(layout->itemAt(InfoItem)->widget()),
                         layout->itemAt(EditorItem)->widget()});
        }
    }
    return rows;
}

// Room for the icon that marks a row (a check box puts 4 px between icon and text), and
// for the caption in bold (a value off its default), kept free in every caption so that
// marking a row never moves the columns, nor the rows below it.
int captionWidth(const QCheckBox *caption)
{
    const int iconRoom = caption->icon().isNull() ? caption->iconSize().width() + 4 : 0;
    QFont bold = caption->font();
    bold.setBold(true);
    const int boldRoom = QFontMetrics(bold).horizontalAdvance(caption->text())
                         - caption->fontMetrics().horizontalAdvance(caption->text());
    return caption->sizeHint().width() + iconRoom + boldRoom;
}

int captionHeight(const QCheckBox *caption)
{
    const int iconRoom = caption->icon().isNull() ? caption->iconSize().height() - caption->fontMetrics().height() : 0;
    return caption->sizeHint().height() + qMax(0, iconRoom);
}

// The rows that stay in view however low the window is made.
constexpr int MinimumVisibleRows = 3;

// What the scroll area takes around its rows: its frame and the vertical scroll bar.
int scrollAreaChrome(const QScrollArea *area)
{
    return 2 * area->frameWidth() + area->verticalScrollBar()->sizeHint().width();
}

} // namespace

// Lines the rows up in columns from what their widgets need now: after every change
// of texts, fonts or lists.
void MainWindow::layOutRows()
{
    const QVector<Row> rows = optionRows(*ui);
    int captionColumn = 0;
    int editorColumn = 0;
    for (const Row &row : rows) {
        // Editors keep their own width, the most they ask for, so that the
        // descriptions take the extra room and are the ones that give way.
        row.editor->setSizePolicy(QSizePolicy::Fixed, row.editor->sizePolicy().verticalPolicy());
        row.editor->setMinimumWidth(row.layout->itemAt(EditorItem)->sizeHint().width());
        captionColumn = qMax(captionColumn, captionWidth(row.caption));
        editorColumn = qMax(editorColumn, row.editor->minimumWidth());
    }
    // Each editor starts at the column's left edge; a narrower one leaves the rest
    // of the column empty on its right.
    for (const Row &row : rows) {
        row.caption->setFixedWidth(captionColumn);
        row.caption->setMinimumHeight(captionHeight(row.caption));
        row.layout->setContentsMargins(0, 0, editorColumn - row.editor->minimumWidth(), 0);
    }

    // The scroll area is never narrower than the rows at their smallest, so it never
    // needs a horizontal scroll bar, and never lower than a few rows.
    ui->scrollArea->setMinimumWidth(ui->scrollAreaWidgetContents->minimumSizeHint().width()
                                    + scrollAreaChrome(ui->scrollArea));
    int lowest = ui->verticalLayout->contentsMargins().top() + 2 * ui->scrollArea->frameWidth();
    for (int i = 0; i < 2 * MinimumVisibleRows - 1 && i < ui->verticalLayout->count(); ++i)
        lowest += ui->verticalLayout->itemAt(i)->sizeHint().height() + ui->verticalLayout->spacing();
    ui->scrollArea->setMinimumHeight(lowest);
    // The path line is one line high before a path is shown too, so that showing one
    // takes no room from the rows.
    QLabel *path = ui->label_Generate_Path;
    path->setMinimumHeight(path->fontMetrics().height() + 2 * path->frameWidth());
}

// The window's frame on this desktop: measured once the window manager has framed the
// window, estimated from the style before.
QSize MainWindow::frameExtra() const
{
    if (isVisible() && frameGeometry().size() != size())
        return frameGeometry().size() - size();
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * border);
}

// The window's width that shows every row in full, without the preview.
int MainWindow::rowsWidth() const
{
    const QMargins around = ui->verticalLayout_2->contentsMargins();
    return ui->scrollAreaWidgetContents->sizeHint().width() + scrollAreaChrome(ui->scrollArea) + around.left()
           + around.right();
}

// What the preview takes beside the rows: its own width and the separator.
int MainWindow::previewWidth() const
{
    return ui->dockWidget_Preview->sizeHint().width()
           + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
}

// Widens the window until every row shows in full, as far as the screen allows; a
// narrower screen elides the descriptions. The window never shrinks here: the user
// may have made it wider. A preview shown has its own width beside the rows. At the
// first run the window is also made tall enough for every row; frame and all, it never
// exceeds the screen's free area.
void MainWindow::fitWindowToRows(bool firstRun)
{
    layOutRows();
    const int needed = rowsWidth() + (ui->dockWidget_Preview->isHidden() ? 0 : previewWidth());
    // The scroll area's own size hint stops at some 24 lines: what all the rows need
    // replaces it in the window's.
    const int allRows = sizeHint().height() - ui->scrollArea->sizeHint().height()
                        + ui->scrollAreaWidgetContents->sizeHint().height() + 2 * ui->scrollArea->frameWidth();
    const QSize room = screen()->availableGeometry().size() - frameExtra();
    resize(qMin(qMax(width(), needed), room.width()), qMin(firstRun ? allRows : height(), room.height()));
}
