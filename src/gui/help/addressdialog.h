#pragma once

#include <QDialog>

class QUrl;

namespace Ui {
class AddressDialog;
}

// Tells that no e-mail program or browser could be opened for a Help command, and
// shows the address instead, ready to be selected or copied.
class AddressDialog : public QDialog
{
    Q_OBJECT

public:
    AddressDialog(const QString &title, const QString &text, const QString &address, QWidget *parent = nullptr);
    ~AddressDialog() override;

    // Hands `url` to the desktop; where it opens nothing, shows `address` in a dialog
    // titled `title` that says `text`, and returns false once it is closed.
    static bool openOrShow(const QUrl &url, const QString &title, const QString &text, const QString &address,
                           QWidget *parent);

private:
    Ui::AddressDialog *ui;
};
