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

    // The weapon dialog: a blade to take as a benefit, or (only for a blade
    // already held, `held` says which) one more level of its skill.
    struct WeaponChoice {
        QString weapon;
        bool increase = false;
    };
    virtual WeaponChoice pickWeapon(const QStringList& weapons, const std::function<QString(const QString&)>& describe,
                                    const std::function<bool(const QString&)>& held) = 0;
};
