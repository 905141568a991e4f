#pragma once
// The driver's stand-in for the window's modal parts: message boxes are
// recorded, never shown.

#include "wizard/Host.h"

#include <QStringList>

#include <deque>

class PlayHost : public Host {
public:
    void showMessages(const QStringList& texts) override { messages << texts; }

    // Takes the queued answer, or the first skill offered. An answer the
    // picker does not offer is a script error, kept for the script to report.
    QString pickSkill(const QString& label, const QStringList& offered,
                      const std::function<QString(const QString&)>& describe) override
    {
        Q_UNUSED(label);
        Q_UNUSED(describe);
        if (picks.empty())
            return offered.value(0);
        const QString answer = picks.front();
        picks.pop_front();
        if (!offered.contains(answer)) {
            if (dialogError.isEmpty())
                dialogError = QStringLiteral("the skill picker does not offer \"%1\" (it offers: %2)")
                                  .arg(answer, offered.join(QStringLiteral(", ")));
            return offered.value(0);
        }
        return answer;
    }

    // Takes the queued answer, or the first blade and radio button 0.
    WeaponChoice pickWeapon(const QStringList& blades, const std::function<QString(const QString&)>& describe,
                            const std::function<bool(const QString&)>& held) override
    {
        Q_UNUSED(describe);
        if (weapons.empty())
            return {blades.value(0), false};
        const WeaponAnswer answer = weapons.front();
        weapons.pop_front();
        QString problem;
        if (!blades.contains(answer.weapon))
            problem = QStringLiteral("the weapon dialog does not offer \"%1\" (it offers: %2)")
                          .arg(answer.weapon, blades.join(QStringLiteral(", ")));
        else if (answer.increase && !held(answer.weapon))
            problem = QStringLiteral("the weapon dialog cannot increase \"%1\": the character does not hold it").arg(answer.weapon);
        if (!problem.isEmpty()) {
            if (dialogError.isEmpty())
                dialogError = problem;
            return {blades.value(0), false};
        }
        return {answer.weapon, answer.increase};
    }

    // The first dialog answer that could not be given during an action.
    QString dialogError;

    // Answers queued for the dialogs a later action opens.
    struct WeaponAnswer {
        QString weapon;
        bool increase; // radio button 1: raise a weapon skill already held
    };
    std::deque<QString> picks;
    std::deque<WeaponAnswer> weapons;

    // Every message box "shown" so far, in order; never cleared during a run.
    QStringList messages;
};
