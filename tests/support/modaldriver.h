#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the modal dialogs and message boxes a command opens, in the order they are
// queued, while the command runs its nested event loop. A watchdog closes whatever is
// left open, so a test can never hang; what went wrong is collected in problems().
class ModalDriver : public QObject
{
public:
    // What each dialog showed as it came up: a box its text, a file dialog the file it
    // proposes (or its folder), a progress dialog its label, the import's report its
    // summary and report.
    struct Seen { QString title, text; QMessageBox::Icon icon = QMessageBox::NoIcon; Qt::TextFormat format = Qt::AutoText; };

    explicit ModalDriver(int watchdogMs = 10000);

    void chooseFile(const QString &path);   // a file dialog: pick `path` and accept
    void cancelDialog();                    // any dialog or box: Cancel/Escape
    void answerMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok);   // a message box
    void handleNext(const std::function<void(QWidget *)> &step);   // the step must close it

    // True when every queued step ran and nothing unexpected showed up.
    bool finished() const { return problems().isEmpty(); }
    QStringList problems() const;
    const QList<Seen> &seen() const { return m_seen; }

private:
    void poll();
    bool expected(QWidget *w, bool ok, const char *what);

    QList<std::function<void(QWidget *)>> m_steps;
    QList<Seen> m_seen;
    QStringList m_problems;
    QPointer<QWidget> m_lastHandled;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_watchdogMs;
};
