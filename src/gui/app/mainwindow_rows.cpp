// How the option rows sit in the window: captions in one column, editors in another,
// the descriptions taking what is left; the window as wide as that needs; each editor
// named for screen readers after its row.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "help/rowhelp.h"

#include <QScreen>
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

// Room for the icon that marks a row (a check box puts 4 px between icon and text),
// kept free in every caption so that marking a row never moves the columns.
int captionWidth(const QCheckBox *caption)
{
    const int iconRoom = caption->icon().isNull() ? caption->iconSize().width() + 4 : 0;
    return caption->sizeHint().width() + iconRoom;
}

// The rows that stay in view however low the window is made.
constexpr int MinimumVisibleRows = 3;

// What the scroll area takes around its rows: its frame and the vertical scroll bar.
int scrollAreaChrome(const QScrollArea *area)
{
    return 2 * area->frameWidth() + area->verticalScrollBar()->sizeHint().width();
}

} // namespace

// Every editor tells a screen reader which row it belongs to (its caption without
// the colon: "Input 01") and what the row sets (its description); every row explains
// itself in its tooltips and What's This.
void MainWindow::describeEditors()
{
    int r = 0;
    for (const Row &row : optionRows(*ui)) {
        explainRow(r++, row.caption, row.info, row.editor);
        QString name = row.caption->text();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        row.editor->setAccessibleName(name.trimmed());
        row.editor->setAccessibleDescription(row.info->text());
    }
}

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
}

// Widens the window until every row shows in full, as far as the screen allows; a
// narrower screen elides the descriptions. The window never shrinks here: the user
// may have made it wider.
void MainWindow::fitWindowToRows()
{
    layOutRows();
    const QMargins around = ui->verticalLayout_2->contentsMargins();
    const int needed = ui->scrollAreaWidgetContents->sizeHint().width() + scrollAreaChrome(ui->scrollArea)
                       + around.left() + around.right();
    const QRect available = screen()->availableGeometry();
    resize(qMin(qMax(width(), needed), available.width()), qMin(height(), available.height()));
}
