#pragma once
// The driver's stand-in for the window's modal parts: message boxes are
// recorded, never shown.

#include "wizard/Host.h"

#include <QStringList>

#include <deque>

class PlayHost : public Host {
public:
    void showMessages(const QStringList& texts) override { messages << texts; }

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
