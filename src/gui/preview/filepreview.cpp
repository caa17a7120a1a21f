#include "filepreview.h"
#include "ui_filepreview.h"

#include "widgets/fixedwidthfont.h"
#include "widgets/readablecolour.h"
#include "configfile/configwriter.h"
#include "document/optiondocument.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <array>

namespace {

constexpr int RowRole = Qt::UserRole;

// Characters of the longest line the writer can make: every row at the value whose
// text is longest (found once for each kind of value).
int widestLineLength()
{
    static const int widest = [] {
        std::array<int, int(Options::ValueKind::Baudrate) + 1> longestValue{};
        for (int k = 0; k < int(longestValue.size()); ++k) {
            const auto kind = Options::ValueKind(k);
            const Options::KindFacts &facts = Options::facts(kind);
            int longest = -1;
            for (int value = facts.minimum; value <= facts.maximum; ++value) {
                const int length = int(Options::valueText(kind, value).size());
                if (length > longest) {
                    longest = length;
                    longestValue[k] = value;
                }
            }
        }
        Options::OptionStates states = Options::defaultStates(true);
        for (int r = 0; r < Options::OptionCount; ++r)
            states[r].value = longestValue[int(Options::catalogue()[r].kind)];
        int most = 0;
        for (const ConfigWriter::Line &line : ConfigWriter::lines(states))
            most = qMax(most, int(line.text.size()));
        return most;
    }();
    return widest;
}

// Lines with room below the font's descent: an item clips what it paints to its own
// rectangle, and an underscore that reaches the descent (or passes it, in some fonts) can
// land a pixel lower at a scale factor such as 1.25, which showed VOLUME_MINUS as
// VOLUME MINUS.
class LineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics metrics(option.font);
        const int below = metrics.boundingRect(QLatin1Char('_')).bottom() + 1 - metrics.descent();
        size.rheight() += 2 * (qMax(0, below) + 1);   // the text stays centred
        return size;
    }
};

} // namespace

FilePreview::FilePreview(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::FilePreview>())
{
    ui->setupUi(this);
    ui->listWidget_Lines->setFont(fixedWidthFont());
    ui->listWidget_Lines->setItemDelegate(new LineDelegate(ui->listWidget_Lines));
    ReadableColour::useSecondaryText(ui->label_Line_Ends);
    const auto rowOf = [](const QListWidgetItem *item) { return item->data(RowRole).toInt(); };
    connect(ui->listWidget_Lines, &QListWidget::currentItemChanged, this, [this, rowOf](QListWidgetItem *current) {
        if (current)
            emit rowChosen(rowOf(current), false);
    });
    for (const auto picked : {&QListWidget::itemClicked, &QListWidget::itemActivated})
        connect(ui->listWidget_Lines, picked, this, [this, rowOf](QListWidgetItem *item) { emit rowChosen(rowOf(item), true); });
}

FilePreview::~FilePreview() = default;

void FilePreview::setDocument(const Document::OptionDocument &document)
{
    m_document = &document;
    connect(m_document, &Document::OptionDocument::changed, this, &FilePreview::refresh);
    refresh();
}

void FilePreview::selectRow(int row)
{
    QListWidget *list = ui->listWidget_Lines;
    const QSignalBlocker quiet(list);
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(RowRole).toInt() == row) {
            list->setCurrentRow(i);
            list->scrollToItem(list->item(i));
            return;
        }
    }
    list->setCurrentRow(-1);
    list->clearSelection();
}

int FilePreview::selectedRow() const
{
    const QListWidgetItem *item = ui->listWidget_Lines->currentItem();
    return item ? item->data(RowRole).toInt() : -1;
}

void FilePreview::retranslate()
{
    ui->retranslateUi(this);
    showLineEnds();
}

QSize FilePreview::sizeHint() const
{
    const QListWidget *list = ui->listWidget_Lines;
    const QMargins margins = layout()->contentsMargins();
    const int textMargins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int text = list->fontMetrics().horizontalAdvance(QString(widestLineLength(), QLatin1Char('M')));
    return {text + textMargins + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width()
                + margins.left() + margins.right(),
            QWidget::sizeHint().height()};
}

// The writer's lines, each without its line end, which the note under them names once.
// The current line stays on its row while the row has one.
void FilePreview::refresh()
{
    const int selected = selectedRow();
    QListWidget *list = ui->listWidget_Lines;
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const ConfigWriter::Line &line : ConfigWriter::lines(m_document->states()))
            (new QListWidgetItem(QString::fromLatin1(line.text), list))->setData(RowRole, line.row);
    }
    selectRow(selected);
    showLineEnds();
}

void FilePreview::showLineEnds()
{
    ui->label_Line_Ends->setText(ui->listWidget_Lines->count() ? tr("Each line ends with CR LF.")
                                                                 : tr("No option is ticked: Save writes an empty file."));
}
