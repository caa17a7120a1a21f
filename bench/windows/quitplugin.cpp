// A Qt generic plugin that quits the application once its event loop has started (the
// window is shown by then); loaded with -plugin quillaryquit.
#include <QCoreApplication>
#include <QGenericPlugin>
#include <QTimer>

class QuitPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "quitplugin.json")

public:
    QObject *create(const QString &, const QString &) override
    {
        auto *quitter = new QObject;   // the application deletes what plugins create
        QTimer::singleShot(0, quitter, [] { QCoreApplication::quit(); });
        return quitter;
    }
};

#include "quitplugin.moc"
