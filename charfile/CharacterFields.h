#pragma once
// What saving and opening need of the main window: its header fields by
// control name, the home tech level, the log, the reset onto the final page
// and a message to the user. The main window's logic implements it.

#include <QString>

class CharacterFields {
public:
    virtual ~CharacterFields() = default;

    virtual QString fieldText(const QString& control) const = 0;
    virtual void setFieldText(const QString& control, const QString& text) = 0;
    // The home tech level as its popup menu shows it ("7" to "15"), and the
    // choice of one of its rows by level.
    virtual QString homeTechLevelText() const = 0;
    virtual void selectHomeTechLevel(int level) = 0;

    virtual QString logText() const = 0;
    // Replaces the whole log; the term heading lines come back in bold.
    virtual void setLogText(const QString& text) = 0;

    // Starts a new, empty character and shows the final page.
    virtual void resetToFinalPage() = 0;
    // A modal notice to the user (shown when the current action ends).
    virtual void notify(const QString& text) = 0;
};
