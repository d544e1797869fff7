#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Tells a caster who is away from the screen: a desktop notification through the freedesktop
// notification service on the session bus; where there is no such service, the window asks for
// attention and the bell rings instead. Each notification replaces the one before, so the
// desktop shows only what holds now.
class DesktopNotifier : public QObject {
    Q_OBJECT

  public:
    explicit DesktopNotifier(QWidget* window);

    void notify(const QString& summary, const QString& body);

  signals:
    // The service took the notification.
    void shown(uint id);
    // There was no service to take it: the window asked for attention.
    void fellBack();

  private:
    void fallBack();

    QPointer<QWidget> m_window;
    uint m_lastId = 0;
};
