#pragma once
// Checks a real modal dialog: the handler runs once the dialog's own loop has opened it,
// and must close it. Timers also fire inside a run's event pumps, before any dialog is
// up, so the watch looks again at the next turn of the event loop until one is.

#include <QApplication>
#include <QTimer>

#include <functional>

inline void whenModalOpens(std::function<void(QWidget*)> handle) {
    QTimer::singleShot(0, [handle = std::move(handle)]() mutable {
        if (auto* modal = QApplication::activeModalWidget())
            handle(modal);
        else
            whenModalOpens(std::move(handle));
    });
}
