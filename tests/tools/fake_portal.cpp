// A stand-in for the desktop portal's Screenshot interface, for the portal
// client's tests. It takes the name org.freedesktop.portal.Desktop on the
// session bus of its environment and answers as told:
//   fake_portal MODE PICTURE DIR
// MODE answer      Screenshot copies PICTURE into DIR (Screenshot.png, then
//                  Screenshot-1.png, ... as GNOME does) and answers its uri;
//                  PickColor answers (0.2, 0.4, 0.8)
//      cancelled   every request answers 1
//      refused     every request answers 2
//      silent      requests are accepted and never answered
//      unreadable  Screenshot answers the uri of a file that is no picture
//      no-shot     Screenshot is an unknown method; PickColor answers
// The answer is sent before the call's reply, which a real portal may do
// too. Each call and each Request.Close is written to standard output.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <cstdio>

namespace {

QString g_mode, g_picture, g_dir;

void Say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString RequestPath(QString sender, const QString& token)
{
    sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + QLatin1Char('/') + token;
}

QString NextShotName()
{
    QDir dir(g_dir);
    if (!dir.exists(QStringLiteral("Screenshot.png")))
        return dir.filePath(QStringLiteral("Screenshot.png"));
    for (int i = 1;; ++i) {
        const QString name = QStringLiteral("Screenshot-%1.png").arg(i);
        if (!dir.exists(name))
            return dir.filePath(name);
    }
}

// Request.Close on any request path.
class TRequests : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() != QLatin1String("Close"))
            return false;
        Say(QStringLiteral("Close %1").arg(message.path()));
        connection.send(message.createReply());
        return true;
    }
};

class TFakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public slots:
    QDBusObjectPath Screenshot(const QString& parent, const QVariantMap& options)
    {
        Say(QStringLiteral("Screenshot parent=\"%1\" interactive=%2 token=%3")
                .arg(parent,
                     options.value(QStringLiteral("interactive")).toBool() ? QStringLiteral("true")
                                                                           : QStringLiteral("false"),
                     options.value(QStringLiteral("handle_token")).toString()));
        if (g_mode == QLatin1String("no-shot")) {
            sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such method Screenshot"));
            return {};
        }
        QVariantMap results;
        uint response = 0;
        if (g_mode == QLatin1String("answer")) {
            const QString file = NextShotName();
            QFile::copy(g_picture, file);
            results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(file).toString());
        } else if (g_mode == QLatin1String("unreadable")) {
            const QString file = QDir(g_dir).filePath(QStringLiteral("Screenshot.png"));
            QFile f(file);
            if (f.open(QIODevice::WriteOnly))
                f.write("this is not a picture\n");
            results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(file).toString());
        }
        return answer(options, response, results);
    }

    QDBusObjectPath PickColor(const QString& parent, const QVariantMap& options)
    {
        Say(QStringLiteral("PickColor parent=\"%1\" token=%2")
                .arg(parent, options.value(QStringLiteral("handle_token")).toString()));
        QVariantMap results;
        QDBusArgument color;
        color.beginStructure();
        color << 0.2 << 0.4 << 0.8;
        color.endStructure();
        results.insert(QStringLiteral("color"), QVariant::fromValue(color));
        return answer(options, 0, results);
    }

private:
    QDBusObjectPath answer(const QVariantMap& options, uint response, const QVariantMap& results)
    {
        const QString path = RequestPath(message().service(), options.value(QStringLiteral("handle_token")).toString());
        setDelayedReply(true);
        if (g_mode == QLatin1String("cancelled"))
            response = 1;
        else if (g_mode == QLatin1String("refused"))
            response = 2;
        if (g_mode != QLatin1String("silent")) {
            QDBusMessage signal = QDBusMessage::createTargetedSignal(message().service(), path,
                                                                     QStringLiteral("org.freedesktop.portal.Request"),
                                                                     QStringLiteral("Response"));
            signal << response << results;
            connection().send(signal);
        }
        connection().send(message().createReply(QVariant::fromValue(QDBusObjectPath(path))));
        return QDBusObjectPath(path);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: fake_portal MODE PICTURE DIR\n");
        return 2;
    }
    g_mode = args.at(1);
    g_picture = args.at(2);
    g_dir = args.at(3);
    QDBusConnection bus = QDBusConnection::sessionBus();
    TFakePortal portal;
    TRequests requests;
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal, QDBusConnection::ExportAllSlots)
        || !bus.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop/request"), &requests,
                                      QDBusConnection::SubPath)
        || !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "fake_portal: cannot serve on the bus: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    Say(QStringLiteral("ready"));
    return app.exec();
}

#include "fake_portal.moc"
