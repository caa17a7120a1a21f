#include "modaldriver.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>

ModalDriver::ModalDriver(int watchdogMs, QObject *parent)
    : QObject(parent)
    , m_watchdogMs(watchdogMs)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
    m_timer.start(5);
    m_clock.start();
}

ModalDriver::~ModalDriver() = default;

void ModalDriver::chooseFile(const QString &path)
{
    handleNext([this, path](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (!dialog) {
            m_problems << QStringLiteral("expected a file dialog, got %1").arg(w->metaObject()->className());
            w->close();
            return;
        }
        // selectFile() leaves the name alone while its field has focus: type it instead.
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        else
            dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();   // QFileDialog hides accept()
    });
}

void ModalDriver::cancelDialog()
{
    handleNext([](QWidget *w) {
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        else
            w->close();
    });
}

void ModalDriver::closeMessageBox()
{
    handleNext([this](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box) {
            m_problems << QStringLiteral("expected a message box, got %1").arg(w->metaObject()->className());
            w->close();
            return;
        }
        m_boxes.append({box->windowTitle(), box->text(), box->icon()});
        box->accept();
    });
}

void ModalDriver::handleNext(const std::function<void(QWidget *)> &step)
{
    m_steps.append(step);
    m_clock.restart();
}

QStringList ModalDriver::problems() const
{
    QStringList all = m_problems;
    if (!m_steps.isEmpty())
        all << QStringLiteral("%1 expected dialog(s) never appeared").arg(m_steps.size());
    return all;
}

void ModalDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (modal == m_lastHandled) {
        if (m_clock.elapsed() > m_watchdogMs) {
            m_problems << QStringLiteral("%1 stayed open after it was answered").arg(modal->metaObject()->className());
            closeByForce(modal);
        }
        return;
    }
    if (!m_steps.isEmpty()) {
        m_lastHandled = modal;
        m_clock.restart();
        // Run the step outside this timer's callback: a step that opens another modal
        // (the overwrite question of a save dialog) must not stop the polling.
        const auto step = m_steps.takeFirst();
        const QPointer<QWidget> target = modal;
        QTimer::singleShot(0, this, [step, target] {
            if (target)
                step(target);
        });
        return;
    }
    // Nothing was expected: give the test a moment, then close it so it cannot hang.
    if (m_clock.elapsed() > m_watchdogMs / 10) {
        m_problems << QStringLiteral("unexpected modal %1 \"%2\"")
                          .arg(modal->metaObject()->className(), modal->windowTitle());
        m_lastHandled = modal;
        closeByForce(modal);
    }
}

void ModalDriver::closeByForce(QWidget *modal)
{
    m_clock.restart();
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}
