// Page 3, the free choice of branch (Social 9+), and page 4, the rolled
// branch with the modifiers the characteristics allow.
#include "wizard/Main.h"

namespace {

// Page 3's buttons, in order; member 0 is "Line" or "Crew".
const char* const SocBranches[6] = {"Line", "Flight", "Gunnery", "Engineering", "Medical", "Technical"};

} // namespace

void Main::registerBranchPages()
{
    entryLogic_.insert(3, [this] { EnterBranchSoc(); });
    entryLogic_.insert(4, [this] { EnterBranchDM(); });
    enablingGroup("BranchSocRadioButton", "BranchSocButton", 6);
    pressHandlers_.insert(QStringLiteral("BranchSocButton"), [this] { BranchSocButton_Action(); });
    pressHandlers_.insert(QStringLiteral("BranchDMButton"), [this] { BranchDMButton_Action(); });
}

void Main::EnterBranchSoc()
{
    const auto button = [this](int i) -> Control& { return form_.at(QStringLiteral("BranchSocRadioButton"), i); };
    const GenerationFlags& flags = engine_.flags;
    if (store_.GetBool(QStringLiteral("Officer")) || flags.OCSBranch) {
        button(1).setEnabled(true);
        if (flags.OfficerXT) {
            // Cross-training: anything but the branch served now.
            QString current = headerText(HeaderField::Branch);
            if (current == QLatin1String("Crew"))
                current = QStringLiteral("Line");
            for (int i = 0; i < 6; ++i) {
                if (current == QLatin1String(SocBranches[i])) {
                    button(i).setEnabled(false);
                    button(i).setChecked(false);
                }
            }
        } else {
            for (int i = 0; i < 6; ++i)
                button(i).setEnabled(true);
        }
    } else {
        // Flight is for officers and officer candidates.
        button(1).setEnabled(false);
        button(1).setChecked(false);
    }
    if (form_.selectedIndex(QStringLiteral("BranchSocRadioButton")) < 0)
        form_.at(QStringLiteral("BranchSocButton")).setEnabled(false);
}

void Main::BranchSocButton_Action()
{
    const int chosen = form_.selectedIndex(QStringLiteral("BranchSocRadioButton"));
    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    const GenerationFlags& flags = engine_.flags;
    if (chosen >= 0) {
        QString branch = QLatin1String(SocBranches[chosen]);
        if (chosen == 0 && !flags.OCSBranch && !officer)
            branch = QStringLiteral("Crew");
        engine_.RecordBranch(branch, true);
        setPage(flags.OCSBranch || flags.OfficerXT || !officer ? 5 : 6);
    }
    for (int i = 0; i < 6; ++i)
        form_.at(QStringLiteral("BranchSocRadioButton"), i).setEnabled(true);
}

void Main::EnterBranchDM()
{
    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    setEnabled({"BranchDMEnlLabel", "BranchDMEnlLabel1"}, !officer);
    setEnabled({"BranchDMOffLabel", "BranchDMOffLabel1"}, officer);
    const auto allow = [this](const char* box, bool allowed) {
        Control& control = form_.at(QLatin1String(box));
        control.setEnabled(allowed);
        if (!allowed)
            control.setChecked(false);
    };
    allow("BranchDMEduCheckBox", store_.GetInt(QStringLiteral("Education")) >= 9);
    allow("BranchDMIntCheckBox", store_.GetInt(QStringLiteral("Intelligence")) >= 10);
    Control& button = form_.at(QStringLiteral("BranchDMButton"));
    button.setEnabled(true);
    button.setDefault(true);
}

void Main::BranchDMButton_Action()
{
    const int modifier = (form_.at(QStringLiteral("BranchDMEduCheckBox")).checked() ? 2 : 0) +
                         (form_.at(QStringLiteral("BranchDMIntCheckBox")).checked() ? 2 : 0) +
                         (store_.GetString(QStringLiteral("NavyType")) == QLatin1String("Imperial") ? -2 : 0);
    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    const QString current = headerText(HeaderField::Branch);
    QString branch;
    do {
        branch = Module1::BranchFor(engine_.Roll1Die() + modifier, officer);
    } while (branch == current);
    engine_.RecordBranch(branch, false);
    setPage(engine_.flags.OfficerXT || !officer ? 5 : 6);
}
