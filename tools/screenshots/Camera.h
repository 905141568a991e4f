#pragma once
// Photographs of real windows: waits until the X server shows a window,
// then reads its pixels back from the screen and saves them as PNG, so the
// picture is what a person at the display would see.

#include <QDir>
#include <QStringList>

class QWidget;

class Camera {
public:
    explicit Camera(const QDir& folder) : folder_(folder) {}

    // Saves the window as NAME.png; false (with a message) when it cannot.
    bool shoot(QWidget* window, const QString& name);
    bool took(const QString& name) const { return taken_.contains(name); }
    const QStringList& taken() const { return taken_; }

    // Lets the window be mapped and painted before it is read back.
    static void settle(QWidget* window);

private:
    QDir folder_;
    QStringList taken_;
};
