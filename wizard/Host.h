#pragma once
// What the wizard needs from whoever presents it: the window application or
// the headless driver. Modal things live here; everything else is mirrored
// from the Form and the LogModel.

#include <QString>
#include <QStringList>

#include <functional>

class Host {
public:
    virtual ~Host() = default;
    // The message boxes of one user action: a single beep, then one modal
    // box per text, in order.
    virtual void showMessages(const QStringList& texts) = 0;

    // The skill picker, modal over the main window; its only way out is
    // "Select". Returns one of the offered skills.
    virtual QString pickSkill(const QString& label, const QStringList& offered,
                              const std::function<QString(const QString&)>& describe) = 0;
};
