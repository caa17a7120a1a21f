#include "addressdialog.h"
#include "ui_addressdialog.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

AddressDialog::AddressDialog(const QString &title, const QString &text, const QString &address, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AddressDialog)
{
    ui->setupUi(this);
    setWindowTitle(title);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    ui->label_Icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    ui->label_Text->setText(text);
    ui->lineEdit_Address->setText(address);
    // Wide enough for the whole address, selected so that it can be copied at once.
    const QFontMetrics metrics = ui->lineEdit_Address->fontMetrics();
    ui->lineEdit_Address->setMinimumWidth(metrics.horizontalAdvance(address) + 4 * metrics.averageCharWidth());
    ui->lineEdit_Address->selectAll();
    // An action button: copying leaves the dialog open.
    QPushButton *copy = ui->buttonBox->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("pushButton_Copy"));
    connect(copy, &QPushButton::clicked, this, [address] { QGuiApplication::clipboard()->setText(address); });
}

AddressDialog::~AddressDialog()
{
    delete ui;
}

bool AddressDialog::openOrShow(const QUrl &url, const QString &title, const QString &text, const QString &address,
                               QWidget *parent)
{
    if (QDesktopServices::openUrl(url))
        return true;
    AddressDialog dialog(title, text, address, parent);
    dialog.exec();
    return false;
}
