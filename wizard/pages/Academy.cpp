// Page 1: the naval academy, college with or without NOTC, or enlistment.
#include "wizard/Main.h"

#include <algorithm>

void Main::registerAcademy()
{
    entryLogic_.insert(1, [this] { EnterAcademy(); });
    enablingGroup("NARadioButton", "NAButton", 3);
    pressHandlers_.insert(QStringLiteral("NAButton"), [this] { NAButton_Action(); });
}

void Main::EnterAcademy()
{
    const bool mayApply = store_.GetInt(QStringLiteral("Social")) >= 8;
    setEnabled({"NALabel1", "NALabel2", "NALabel3"}, mayApply);
    Control& academy = form_.at(QStringLiteral("NARadioButton"), 0);
    academy.setEnabled(mayApply);
    if (!mayApply)
        academy.setChecked(false);
    if (form_.selectedIndex(QStringLiteral("NARadioButton")) < 0)
        form_.at(QStringLiteral("NAButton")).setEnabled(false);
}

void Main::Induct()
{
    engine_.AddToLog(QStringLiteral("Inducted into service as an enlisted person"));
    form_.at(QStringLiteral("NARadioButton"), 0).setEnabled(true);
    form_.at(QStringLiteral("NARadioButton"), 1).setEnabled(true);
    setEnabled({"NALabel1", "NALabel2", "NALabel3", "CollegeLabel1", "CollegeLabel2", "CollegeLabel3", "NACheckBox"}, true);
    engine_.SetTerm(1, 1);
    engine_.BranchRouting(5);
}

void Main::NAButton_Action()
{
    engine_.flags.FirstTerm = true;
    const auto attribute = [this](const char* name) { return store_.GetInt(QLatin1String(name)); };
    Control& academy = form_.at(QStringLiteral("NARadioButton"), 0);
    Control& college = form_.at(QStringLiteral("NARadioButton"), 1);

    if (academy.checked()) {
        if (engine_.Roll2Dice() + (attribute("Social") >= 10 ? 2 : 0) < 10) {
            engine_.AddToLog(QStringLiteral("Denied admission to Naval Academy"));
            academy.setEnabled(false);
            academy.setChecked(false);
            setEnabled({"NALabel1", "NALabel2", "NALabel3"}, false);
            if (college.enabled())
                college.setChecked(true);
        } else {
            engine_.AddToLog(QStringLiteral("Admitted to Naval Academy"));
            if (engine_.Roll2Dice() + (attribute("Intelligence") >= 8 ? 2 : 0) < 9) {
                engine_.AddToLog(QStringLiteral("Failed to graduate from Naval Academy"));
                ageStep(1);
                engine_.SetTerm(1, 2);
                engine_.BranchRouting(5);
            } else {
                store_.SaveBool(QStringLiteral("Academy"), true);
                store_.SaveBool(QStringLiteral("Officer"), true);
                if (engine_.Roll2Dice() + (attribute("Intelligence") >= 9 ? 1 : 0) >= 9) {
                    store_.SaveBool(QStringLiteral("Honors"), true);
                    engine_.AddToLog(QStringLiteral("Graduated from Naval Academy with honors"));
                } else {
                    engine_.AddToLog(QStringLiteral("Graduated from Naval Academy"));
                }
                engine_.IncRank();
                educationStep(std::max(1, engine_.Roll1Die() - 3 + (attribute("Intelligence") >= 9 ? 1 : 0)));
                for (const char* skill : {"Vacc Suit", "Navigation", "Engineering"}) {
                    if (engine_.Roll1Die() >= 4) {
                        engine_.AddSkill(QLatin1String(skill));
                        engine_.AddToLog(QLatin1String(skill) + QStringLiteral(" +1"));
                    }
                }
                ageStep(4);
                if (store_.GetBool(QStringLiteral("Honors"))) {
                    setPage(2);
                } else {
                    engine_.SetTerm(1, 1);
                    engine_.BranchRouting(6);
                }
            }
            college.setEnabled(true);
            setEnabled({"CollegeLabel1", "CollegeLabel2", "CollegeLabel3", "NACheckBox"}, true);
        }
    } else if (college.checked()) {
        if (engine_.Roll2Dice() + (attribute("Education") >= 9 ? 2 : 0) < 9) {
            engine_.AddToLog(QStringLiteral("Denied admission to College"));
            college.setEnabled(false);
            college.setChecked(false);
            setEnabled({"CollegeLabel1", "CollegeLabel2", "CollegeLabel3", "NACheckBox"}, false);
            if (academy.enabled())
                academy.setChecked(true);
        } else {
            engine_.AddToLog(QStringLiteral("Admitted to College"));
            if (engine_.Roll2Dice() + (attribute("Intelligence") >= 8 ? 2 : 0) < 7) {
                engine_.AddToLog(QStringLiteral("Failed to graduate from College"));
                ageStep(1);
                engine_.SetTerm(1, 2);
                engine_.BranchRouting(5);
            } else {
                store_.SaveBool(QStringLiteral("College"), true);
                bool notc = false;
                if (form_.at(QStringLiteral("NACheckBox")).checked()) {
                    notc = engine_.Roll2Dice() + (attribute("Social") >= 10 ? 1 : 0) >= 8;
                    if (notc) {
                        store_.SaveBool(QStringLiteral("NOTC"), true);
                        store_.SaveBool(QStringLiteral("Officer"), true);
                        engine_.AddToLog(QStringLiteral("Enrolled in NOTC"));
                    } else {
                        engine_.AddToLog(QStringLiteral("Denied admission to NOTC"));
                    }
                }
                if (engine_.Roll2Dice() + (attribute("Education") >= 10 ? 1 : 0) >= 10) {
                    store_.SaveBool(QStringLiteral("Honors"), true);
                    engine_.AddToLog(QStringLiteral("Graduated from College with honors"));
                } else {
                    engine_.AddToLog(QStringLiteral("Graduated from College"));
                }
                if (notc)
                    engine_.IncRank();
                educationStep(std::max(1, engine_.Roll1Die() - 2 + (attribute("Intelligence") >= 9 ? 1 : 0)));
                ageStep(4);
                if (store_.GetBool(QStringLiteral("Honors"))) {
                    setPage(2);
                } else {
                    engine_.SetTerm(1, 1);
                    engine_.BranchRouting(store_.GetBool(QStringLiteral("Officer")) ? 6 : 5);
                }
            }
            academy.setEnabled(true);
            setEnabled({"NALabel1", "NALabel2", "NALabel3"}, true);
        }
    } else if (selected("NARadioButton", 2)) {
        Induct();
    }

    // Both schools closed: the character is inducted.
    if (!academy.enabled() && !college.enabled())
        Induct();
}
