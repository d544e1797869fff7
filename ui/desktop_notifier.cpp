#include "ui/desktop_notifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <QWidget>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

// A notification service that does not answer within this is taken as absent.
constexpr int kAnswerMilliseconds = 5000;

}  // namespace

DesktopNotifier::DesktopNotifier(QWidget* window) : QObject(window), m_window(window) {}

void DesktopNotifier::notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        fallBack();
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const QVariantMap hints = {
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))},  // normal
        {QStringLiteral("category"), QStringLiteral("device")},
        {QStringLiteral("desktop-entry"), QStringLiteral("io.github.gypsomix.Gypsomix.Plan")},
    };
    // Kept until dismissed: the caster may be at the bench for a while yet.
    const int neverExpires = 0;
    call << QStringLiteral("Gypsomix") << m_lastId << QStringLiteral("gypsomix") << summary << body
         << QStringList() << hints << neverExpires;
    // Asked without waiting: a service being started must not freeze the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* answered) {
                answered->deleteLater();
                const QDBusPendingReply<uint> reply = *answered;
                if (reply.isError()) {
                    fallBack();
                    return;
                }
                m_lastId = reply.value();
                emit shown(m_lastId);
            });
}

void DesktopNotifier::fallBack() {
    if (m_window) {
        QApplication::alert(m_window->window());
    }
    QApplication::beep();
    emit fellBack();
}
