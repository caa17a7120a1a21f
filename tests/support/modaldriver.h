#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal dialogs and message boxes that a command opens, in the order
// they are queued, while the command runs its nested event loop. A watchdog closes
// anything still open after the time limit, so a test can never hang; what went
// wrong is collected in problems().
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    explicit ModalDriver(int watchdogMs = 10000, QObject *parent = nullptr);
    ~ModalDriver() override;

    // The next modal is a file dialog: pick `path` and accept.
    void chooseFile(const QString &path);
    // The next modal is a dialog or box: close it with Cancel/Escape.
    void cancelDialog();
    // The next modal is a message box: record it and press OK.
    void closeMessageBox();
    // The next modal: run `step` on it (the step must close it).
    void handleNext(const std::function<void(QWidget *)> &step);

    // True when every queued step ran and nothing unexpected showed up.
    bool finished() const { return m_steps.isEmpty() && m_problems.isEmpty(); }
    QStringList problems() const;
    const QList<Box> &boxes() const { return m_boxes; }

private:
    void poll();
    void closeByForce(QWidget *modal);

    QList<std::function<void(QWidget *)>> m_steps;
    QList<Box> m_boxes;
    QStringList m_problems;
    QPointer<QWidget> m_lastHandled;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_watchdogMs;
};
