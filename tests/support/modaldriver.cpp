#include "modaldriver.h"

#include "configfile/reportdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressDialog>

namespace {

ModalDriver::Seen seenIn(QWidget *w)
{
    if (auto *box = qobject_cast<QMessageBox *>(w))
        return {box->windowTitle(), box->text(), box->icon(), box->textFormat()};
    if (auto *report = qobject_cast<ReportDialog *>(w))
        return {w->windowTitle(), report->summary() + '\n' + report->report(),
                report->isWarning() ? QMessageBox::Warning : QMessageBox::Information};
    auto *files = qobject_cast<QFileDialog *>(w);
    auto *progress = qobject_cast<QProgressDialog *>(w);
    return {w->windowTitle(), files ? files->selectedFiles().value(0, files->directory().path())
                              : progress ? progress->labelText() : QString()};
}

void dismiss(QWidget *w)
{
    qobject_cast<QDialog *>(w) ? static_cast<QDialog *>(w)->reject() : void(w->close());
}

} // namespace

// An answer that does not fit the dialog leaves it open, for poll() to close and tell.
void ModalDriver::chooseFile(const QString &path)
{
    handleNext([path](QWidget *w) {
        // selectFile() leaves the name alone while its field has focus: typed instead.
        if (auto *name = qobject_cast<QFileDialog *>(w) ? w->findChild<QLineEdit *>("fileNameEdit") : nullptr) {
            name->setText(path);
            static_cast<QDialog *>(w)->accept();   // QFileDialog hides accept()
        }
    });
}

void ModalDriver::cancelDialog()
{
    handleNext(dismiss);
}

void ModalDriver::answerMessageBox(QMessageBox::StandardButton button)
{
    handleNext([button](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->button(button))
            box->button(button)->click();
    });
}

QStringList ModalDriver::problems() const
{
    return m_steps.isEmpty() ? m_problems : m_problems + QStringList(QString("%1 answer(s) not used").arg(m_steps.size()));
}

void ModalDriver::poll()
{
    // A dialog is answered once, also when it comes back on top for a moment after a question of
    // its own closes (whether to replace a file; on Windows the events run in between).
    static const char answered[] = "modalDriverAnswered";
    QWidget *modal = QApplication::activeModalWidget();
    m_openPolls = modal && modal->isVisible() ? m_openPolls + 1 : 0;
    if (m_openPolls > 0 && !modal->property(answered).toBool() && !m_steps.isEmpty()) {
        modal->setProperty(answered, true);
        m_openPolls = 0;
        m_seen.append(seenIn(modal));
        // Outside this timer's call: a step that opens another dialog (whether to replace a file)
        // must not stop the polling.
        QTimer::singleShot(0, this, [step = m_steps.takeFirst(), modal = QPointer<QWidget>(modal)] {
            if (modal)
                step(modal);
        });
    } else if (m_openPolls > 400) {   // two seconds
        m_problems << QString("%1 \"%2\" left open").arg(modal->metaObject()->className(), modal->windowTitle());
        modal->setProperty(answered, true);
        m_openPolls = 0;
        dismiss(modal);
    }
}
