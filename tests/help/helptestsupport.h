#pragma once

#include <QCoreApplication>
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QTranslator>
#include <QUrl>

// Stands in for the desktop's browser and e-mail program: records every URL the
// program hands over instead of opening it.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher()
    {
        for (const char *scheme : {"mailto", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : {"mailto", "http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// A translation installed for the lifetime of the scope; an empty path installs none.
class TranslationScope
{
public:
    explicit TranslationScope(const QString &qmPath)
    {
        if (!qmPath.isEmpty())
            m_loaded = m_translator.load(qmPath) && QCoreApplication::installTranslator(&m_translator);
    }
    ~TranslationScope()
    {
        if (m_loaded)
            QCoreApplication::removeTranslator(&m_translator);
    }
    TranslationScope(const TranslationScope &) = delete;
    TranslationScope &operator=(const TranslationScope &) = delete;

    bool loaded() const { return m_loaded; }
    // The file's text for `source`, or `source` where the file has none.
    QString text(const char *context, const char *source) const
    {
        const QString translated = m_translator.translate(context, source);
        return translated.isEmpty() ? QString::fromUtf8(source) : translated;
    }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};
