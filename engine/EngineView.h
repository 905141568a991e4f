#pragma once
// What the rules engine shows, and the few header choices it reads. The main
// window implements it; the engine never touches a widget.

#include <QString>
#include <QStringList>

#include <functional>

enum class HeaderField { Str, Dex, End, Int, Edu, Soc, Nobility, Age, Navy, Branch, Rank, Term };

enum class Sex { None, Male, Female };

class EngineView {
public:
    virtual ~EngineView() = default;

    virtual void setHeaderText(HeaderField field, const QString& text) = 0;
    virtual QString headerText(HeaderField field) const = 0;
    virtual Sex selectedSex() const = 0;
    // The home tech level chosen in the header, 7 to 15.
    virtual int homeTechLevel() const = 0;

    // Appends one line to the log; boldLastLogLine sets the last one in bold.
    virtual void appendLog(const QString& line) = 0;
    virtual void boldLastLogLine() = 0;

    // Shows a wizard page and runs its entry logic before returning.
    virtual void setPage(int page) = 0;

    // The skill picker: a modal choice among the offered skills (never
    // empty), with each one's description; returns the skill chosen.
    using Describe = std::function<QString(const QString&)>;
    virtual QString pickSkill(const QString& label, const QStringList& offered, const Describe& describe) = 0;

    // A modal notice to the user (shown when the current action ends).
    virtual void notify(const QString& text) = 0;
};
