#include "modaldriver.h"

#include "configfile/reportdialog.h"

#include <QApplication>
#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressDialog>

static ModalDriver::Seen seenIn(QWidget *w)
{
    if (auto *box = qobject_cast<QMessageBox *>(w))
        return {box->windowTitle(), box->text(), box->icon(), box->textFormat()};
    if (auto *report = qobject_cast<ReportDialog *>(w))
        return {w->windowTitle(), report->summary() + '\n' + report->report(),
                report->isWarning() ? QMessageBox::Warning : QMessageBox::Information};
    auto *files = qobject_cast<QFileDialog *>(w);
    auto *progress = qobject_cast<QProgressDialog *>(w);
    const QString text = files ? files->selectedFiles().value(0, files->directory().path())
                         : progress ? progress->labelText() : QString();
    return {w->windowTitle(), text};
}

static void dismiss(QWidget *w)
{
    if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->reject();
    else
        w->close();
}

ModalDriver::ModalDriver(int watchdogMs) : m_watchdogMs(watchdogMs)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
    m_timer.start(5);
    m_clock.start();
}

bool ModalDriver::expected(QWidget *w, bool ok, const char *what)
{
    if (!ok) {
        m_problems << QStringLiteral("expected a %1, got %2").arg(what, w->metaObject()->className());
        dismiss(w);
    }
    return ok;
}

void ModalDriver::chooseFile(const QString &path)
{
    handleNext([this, path](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (!expected(w, dialog, "file dialog"))
            return;
        // selectFile() leaves the name alone while its field has focus: type it instead.
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();   // QFileDialog hides accept()
    });
}

void ModalDriver::cancelDialog()
{
    handleNext(dismiss);
}

void ModalDriver::answerMessageBox(QMessageBox::StandardButton button)
{
    handleNext([this, button](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!expected(w, box && box->button(button), "message box with that button"))
            return;
        box->button(button)->click();
    });
}

void ModalDriver::handleNext(const std::function<void(QWidget *)> &step)
{
    m_steps.append(step);
    m_clock.restart();
}

QStringList ModalDriver::problems() const
{
    if (m_steps.isEmpty())
        return m_problems;
    return m_problems + QStringList(QStringLiteral("%1 expected dialog(s) never appeared").arg(m_steps.size()));
}

void ModalDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    const bool answered = modal == m_lastHandled;
    if (!answered && !m_steps.isEmpty()) {
        m_lastHandled = modal;
        m_clock.restart();
        m_seen.append(seenIn(modal));
        // Run the step outside this timer's callback: a step that opens another modal
        // (the overwrite question of a save dialog) must not stop the polling.
        QTimer::singleShot(0, this, [step = m_steps.takeFirst(), target = QPointer<QWidget>(modal)] {
            if (target)
                step(target);
        });
    } else if (m_clock.elapsed() > (answered ? m_watchdogMs : m_watchdogMs / 10)) {
        // Nothing was expected, or an answer did not close it: close it so no test can hang.
        m_problems << QStringLiteral("%1 \"%2\" %3").arg(modal->metaObject()->className(), modal->windowTitle(),
                                                         answered ? "stayed open when answered" : "was unexpected");
        m_lastHandled = modal;
        m_clock.restart();
        dismiss(modal);
    }
}
