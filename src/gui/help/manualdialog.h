#pragma once

#include <QDialog>

namespace Ui {
class ManualDialog;
}

// Help > Manual (F1): the program's short manual in a window of its own, which can
// stay open beside the main window. It follows a change of language while open.
class ManualDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ManualDialog(QWidget *parent = nullptr);
    ~ManualDialog() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill();

    Ui::ManualDialog *ui;
};
