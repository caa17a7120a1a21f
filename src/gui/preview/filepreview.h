#pragma once

#include <QWidget>

#include <memory>

namespace Document {
class OptionDocument;
}

namespace Ui {
class FilePreview;
}

// The file as Save and Generate would write it now, beside the rows: the writer's own
// lines, one item a line, in a fixed-width font; an unticked row has none. It reads the
// document, never the rows' widgets, and follows its changes. Each line knows its row,
// so that picking a line can take the user to the row, and a row to its line.
class FilePreview : public QWidget
{
    Q_OBJECT

public:
    explicit FilePreview(QWidget *parent = nullptr);
    ~FilePreview() override;

    // Shows `document` from now on; it must outlive the preview.
    void setDocument(const Document::OptionDocument &document);

    // Makes the line of `row` the current one, or none when the row writes no line,
    // without telling rowChosen: the row is where the user is already.
    void selectRow(int row);
    // The row of the current line, or -1.
    int selectedRow() const;

    // After a language change.
    void retranslate();

    // As wide as the widest line the file can have.
    QSize sizeHint() const override;

signals:
    // The user moved to the line of `row` with the keyboard (`focus` false: the rows
    // scroll to it and the keyboard stays in the lines), or picked it with a click or
    // Enter (`focus` true: the row's editor takes the keyboard).
    void rowChosen(int row, bool focus);

private:
    void refresh();
    void showLineEnds();

    std::unique_ptr<Ui::FilePreview> ui;
    const Document::OptionDocument *m_document = nullptr;
};
