#include "helptexts.h"

#include <QCoreApplication>

namespace Help {

namespace {

QString percentEncoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString paragraph(const QString &html)
{
    return QLatin1String("<p>") + html + QLatin1String("</p>");
}

} // namespace

QString supportAddress()
{
    return QStringLiteral("support@halvex.example");
}

QString copyrightNotice()
{
    return QStringLiteral("Copyright \u00A9 2026 Halvex");
}

QUrl supportMailUrl(const QString &subjectPrefix, const QString &body)
{
    const QString subject = subjectPrefix + QLatin1Char(' ') + QCoreApplication::applicationName()
                            + QLatin1String(" - ") + QCoreApplication::applicationVersion() + QLatin1Char(')');
    return QUrl(QLatin1String("mailto:") + supportAddress() + QLatin1String("?subject=") + percentEncoded(subject)
                    + QLatin1String("&body=") + percentEncoded(body),
                QUrl::TolerantMode);
}

QString aboutInformation(const QString &systemDescription)
{
    const QString domain = QCoreApplication::organizationDomain().toHtmlEscaped();
    return paragraph(QCoreApplication::applicationName().toHtmlEscaped() + QLatin1Char(' ')
                     + QCoreApplication::applicationVersion().toHtmlEscaped())
           + paragraph(copyrightNotice().toHtmlEscaped())
           + paragraph(QCoreApplication::organizationName().toHtmlEscaped())
           + paragraph(QLatin1String("<a href=\"") + domain + QLatin1String("\">") + domain + QLatin1String("</a>"))
           + paragraph(systemDescription.toHtmlEscaped());
}

} // namespace Help
