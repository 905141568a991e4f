// Page 5, the assignment cycle; page 7, command or staff; page 13, the
// aide's chosen assignment.
#include "wizard/Main.h"

namespace {

// The branches that may choose a survival modifier, by assignment.
bool offersSurvivalModifier(const QString& assignment, const QString& branch)
{
    const bool lineOrCrew = branch == QLatin1String("Line") || branch == QLatin1String("Crew");
    if (assignment == QLatin1String("Shore Duty"))
        return lineOrCrew || branch == QLatin1String("Gunnery");
    if (assignment == QLatin1String("Patrol") || assignment == QLatin1String("Siege"))
        return lineOrCrew || branch == QLatin1String("Flight") || branch == QLatin1String("Gunnery") ||
               branch == QLatin1String("Engineering");
    return assignment == QLatin1String("Strike") || assignment == QLatin1String("Battle");
}

// Page 13's buttons: the assignment, and the special duty for 0 to 3.
const char* const AideChoices[10][2] = {
    {"Special Duty", "Intelligence School"}, {"Special Duty", "Recruiting Duty"}, {"Special Duty", "Command College"},
    {"Special Duty", "Staff College"},       {"Training", nullptr},               {"Shore Duty", nullptr},
    {"Patrol", nullptr},                     {"Siege", nullptr},                  {"Strike", nullptr},
    {"Battle", nullptr},
};

} // namespace

void Main::registerAssignmentPages()
{
    entryLogic_.insert(7, [this] { EnterCommand(); });
    enablingGroup("CommandRadioButton", "CommandButton", 2);
    pressHandlers_.insert(QStringLiteral("CommandButton"), [this] { CommandButton_Action(); });
    selectHandlers_.insert(QStringLiteral("AideRadioButton"), [this](int index) {
        form_.at(QStringLiteral("AideButton")).setEnabled(index >= 0 && index <= 9);
        Control& box = form_.at(QStringLiteral("AideCheckBox"));
        if (index >= 0 && index <= 3) {
            box.setChecked(false);
            box.setEnabled(false);
        } else if (index >= 4 && index <= 9) {
            box.setEnabled(true);
        }
    });
    pressHandlers_.insert(QStringLiteral("AideButton"), [this] { AideButton_Action(); });
}

void Main::AssignmentCycle()
{
    GenerationFlags& flags = engine_.flags;
    QString assignment;
    if (flags.Aide) {
        assignment = flags.AideSA;
        if (assignment != QLatin1String("Special Duty")) {
            // The aide chose a command or staff post on page 13: no page 7.
            flags.CommandAttempt = true;
            flags.CommandAssignment = flags.AideSA;
        }
    } else if (flags.CommandAttempt) {
        assignment = flags.CommandAssignment; // back from page 7
    } else if (flags.OCSWaiver || flags.OCSBranch) {
        assignment = QStringLiteral("Special Duty");
    } else {
        assignment = engine_.GetAssignment();
    }

    if (assignment == QLatin1String("Special Duty")) {
        if (flags.OCSBranch) {
            engine_.DoSpecialDuty(QStringLiteral("OCS"));
        } else if (flags.Aide) {
            flags.Aide = false;
            engine_.DoSpecialDuty(flags.AideSD);
        } else if (store_.GetInt(QStringLiteral("Social")) >= 11 || store_.GetBool(QStringLiteral("College"))) {
            setPage(8);
        } else {
            engine_.DoSpecialDuty(engine_.SplitAttacheAide(engine_.GetSpecialDuty(engine_.Roll1Die())));
        }
        return;
    }

    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    if (officer && !flags.CommandAttempt) {
        flags.CommandAttempt = true;
        flags.CommandAssignment = assignment;
        setPage(7);
        return;
    }
    if (officer) {
        flags.Aide = false;
        assignment = flags.CommandAssignment;
        engine_.AddToLog((flags.Command ? QStringLiteral("Assigned to Command on a ") : QStringLiteral("Assigned to Staff on a ")) +
                         assignment + QStringLiteral(" mission"));
        flags.CommandAttempt = false;
    } else {
        engine_.AddToLog(QStringLiteral("Assigned to ") + assignment + QStringLiteral(" mission"));
    }
    flags.SurvivalSA = assignment;
    if (offersSurvivalModifier(assignment, headerText(HeaderField::Branch))) {
        setPage(15);
    } else {
        flags.SurvivalDM = 0;
        engine_.DoAssignment(assignment);
    }
}

void Main::EnterCommand()
{
    form_.at(QStringLiteral("CommandButton")).setEnabled(form_.selectedIndex(QStringLiteral("CommandRadioButton")) >= 0);
}

void Main::CommandButton_Action()
{
    GenerationFlags& flags = engine_.flags;
    if (selected("CommandRadioButton", 0)) {
        static const QHash<QString, int> targets = {{"Line", 7},        {"Flight", 8},  {"Gunnery", 9},
                                                    {"Engineering", 10}, {"Medical", 11}, {"Technical", 12}};
        const int target = targets.value(headerText(HeaderField::Branch), 0);
        const int rank = store_.GetInt(QStringLiteral("Rank"));
        int dm = rank <= 2 ? -2 : rank <= 4 ? -1 : 0;
        dm += store_.GetInt(QStringLiteral("Social")) >= 11 ? 1 : 0;
        dm -= store_.GetInt(QStringLiteral("Intelligence")) <= 7 ? 1 : 0;
        dm -= store_.GetInt(QStringLiteral("Education")) <= 7 ? 1 : 0;
        flags.Command = engine_.Roll2Dice() + dm >= target;
    } else if (selected("CommandRadioButton", 1)) {
        flags.Command = false;
    }
    setPage(5);
}

void Main::AideButton_Action()
{
    GenerationFlags& flags = engine_.flags;
    const int chosen = form_.selectedIndex(QStringLiteral("AideRadioButton"));
    if (chosen >= 0) {
        flags.AideSA = QLatin1String(AideChoices[chosen][0]);
        if (AideChoices[chosen][1])
            flags.AideSD = QLatin1String(AideChoices[chosen][1]);
    }
    flags.Command = form_.at(QStringLiteral("AideCheckBox")).checked();
    setPage(5);
}
