#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ReportDialog;
}

// The import's report: a summary, the report itself in a fixed-width font that scrolls
// rather than wraps its lines, and the closing sentence; the Warning icon when something
// was refused or warned of, else the Information one. Plain texts in, so that it shows
// whatever report it is given, as often as asked.
class ReportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ReportDialog(QWidget *parent = nullptr);
    ~ReportDialog() override;

    void setReport(const QString &summary, const QString &report, bool warning);

    QString summary() const;
    QString report() const;
    bool isWarning() const { return m_warning; }

private:
    std::unique_ptr<Ui::ReportDialog> ui;
    bool m_warning = false;
};
