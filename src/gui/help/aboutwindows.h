#pragma once

#include <QDialog>

namespace Ui {
class AboutWindows;
}

// The Help menu's About dialog: the help-panel picture beside the program's name,
// version, maker, web address and the system it runs on.
class AboutWindows : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindows(QWidget *parent = nullptr);
    ~AboutWindows() override;

    // Fills the information text and completes the title, in the language installed now.
    void fillInfos();
    QString osDescription();

private:
    Ui::AboutWindows *ui;
};
