#pragma once
// What the wizard needs from whoever presents it: the window application or
// the headless driver. Modal things live here; everything else is mirrored
// from the Form and the LogModel.

#include <QString>
#include <QStringList>

class Host {
public:
    virtual ~Host() = default;
    // The message boxes of one user action: a single beep, then one modal
    // box per text, in order.
    virtual void showMessages(const QStringList& texts) = 0;
};
