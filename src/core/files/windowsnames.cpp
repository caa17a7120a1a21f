#include "windowsnames.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace Files {

QString windowsNameRefusal(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QRegularExpression(QStringLiteral("[/\\\\]"))) + 1);
    // A drive's letter and colon ("C:config.txt") belong to the folder part.
    const QString fileName = name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter()
                                     && name == path.mid(0, name.size())
                                 ? name.mid(2)
                                 : name;
    if (fileName.isEmpty())
        return QString();
    // CON, PRN, AUX, NUL, COM0-9, LPT0-9 (also the superscript digits Windows counts),
    // in any case, alone or before an extension, and with trailing dots or blanks.
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|(COM|LPT)[0-9\u00B9\u00B2\u00B3])[. ]*(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(fileName).hasMatch())
        return QCoreApplication::translate("MainWindow", "%1 is the name of a device on Windows, not of a file")
            .arg(fileName);
    if (fileName.endsWith(QLatin1Char('.')) || fileName.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("MainWindow", "Windows does not keep a dot or blank at the end of a file name");
    static const QRegularExpression forbidden(QStringLiteral("[<>:\"|?*\\x01-\\x1F]"));
    if (fileName.contains(forbidden) || fileName.contains(QChar(0)))
        return QCoreApplication::translate("MainWindow", "Windows does not allow < > : \" | ? * or control characters in a file name");
    return QString();
}

} // namespace Files
