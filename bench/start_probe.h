#pragma once

// Used by both start-up programs: reports the first time their window is
// exposed, then ends the program.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace zentadial::bench {

class FirstExposure final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !reported_) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window != nullptr && window->isExposed()) {
                reported_ = true;
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

// Call before show(): the native window must exist to be watched.
inline void reportFirstExposure(QWidget& window) {
    window.winId();
    window.windowHandle()->installEventFilter(new FirstExposure(&window));
}

} // namespace zentadial::bench
