#include "tools/screenshots/Camera.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <cstdio>

void Camera::settle(QWidget* window)
{
    QElapsedTimer clock;
    clock.start();
    // Mapping a window is a round trip to the X server; painting follows
    // the expose event.
    while (clock.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        const QWindow* handle = window->windowHandle();
        if (handle != nullptr && handle->isExposed())
            break;
        QThread::msleep(10);
    }
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    // Paints at once and hands the pixels to the X server, so that reading
    // them back cannot see an older frame.
    window->repaint();
    QApplication::processEvents();
}

bool Camera::shoot(QWidget* window, const QString& name)
{
    settle(window);
    QPixmap picture;
    if (const QWindow* handle = window->windowHandle(); handle != nullptr && handle->isExposed() && window->screen())
        picture = window->screen()->grabWindow(window->winId());
    if (picture.isNull()) {
        // An unmapped window (no X server, say) can still be drawn by Qt.
        std::fprintf(stderr, "screenshots: %s is not on the screen; drawing it instead\n", qPrintable(name));
        picture = window->grab();
    }
    const QString path = folder_.filePath(name + QStringLiteral(".png"));
    if (!picture.save(path, "PNG")) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    taken_ << name;
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    return true;
}
