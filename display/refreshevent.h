#pragma once
#include <QCoreApplication>
#include <QEvent>

// Posted to a view after the display settings changed or a protocol was
// printed: the view measures again and repaints.
inline constexpr QEvent::Type RefreshEventType = QEvent::Type(QEvent::User + 1);

inline void postRefresh(QObject* view) {
    QCoreApplication::postEvent(view, new QEvent(RefreshEventType));
}
