#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the modal dialogs a command opens, in the order the answers are queued, while the
// command runs its nested event loop. A dialog left open with no answer for it (unexpected, or
// not closed by its answer) is closed after two seconds, so that no test hangs, and told in problems().
class ModalDriver : public QObject
{
public:
    // What each dialog showed: a box its text, the import's report its summary and report, a file
    // dialog the file it proposes (or its folder), a progress dialog its label.
    struct Seen { QString title, text; QMessageBox::Icon icon = QMessageBox::NoIcon; Qt::TextFormat format = Qt::AutoText; };
    using Step = std::function<void(QWidget *)>;   // must close the dialog

    ModalDriver() { connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll), m_timer.start(5); }
    void handleNext(const Step &step) { m_steps << step; }
    void chooseFile(const QString &path);   // a file dialog: `path` typed and accepted
    void cancelDialog();
    void answerMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok);

    QStringList problems() const;   // empty when every answer was used and nothing else showed up
    bool finished() const { return problems().isEmpty(); }
    const QList<Seen> &seen() const { return m_seen; }

private:
    void poll();

    QList<Step> m_steps;
    QList<Seen> m_seen;
    QStringList m_problems;
    QTimer m_timer;
    int m_openPolls = 0;   // that a dialog has been open with nothing to do for it
};
