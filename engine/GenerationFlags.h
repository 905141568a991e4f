#pragma once
// The state that carries the generation sequence from page to page. It lives
// in memory only: neither the character database nor the character file
// holds it.

#include <QString>

#include <utility>
#include <variant>
#include <vector>

struct GenerationFlags {
    bool FirstTerm = false;
    int TrainingRolls = 0;
    QString SkillSelection;
    QString SkillAssignment;
    QString SurvivalSA;
    int SurvivalDM = 0;
    int DecorationDM = 0;
    bool Promoted = false;
    bool CommandAttempt = false;
    QString CommandAssignment;
    bool Command = false;
    bool Aide = false;
    QString AideSA;
    QString AideSD;
    bool OCSBranch = false;
    bool OCSWaiver = false;
    bool OfficerXT = false;
    QString OfficerXTBranch;

    // What a new character clears; the other flags are set before use by
    // the pages that read them.
    void reset()
    {
        DecorationDM = 0;
        OCSBranch = OCSWaiver = OfficerXT = Promoted = Aide = CommandAttempt = false;
    }

    using Value = std::variant<bool, int, QString>;
    std::vector<std::pair<const char*, Value>> named() const
    {
        return {{"FirstTerm", FirstTerm},         {"TrainingRolls", TrainingRolls},
                {"SkillSelection", SkillSelection}, {"SkillAssignment", SkillAssignment},
                {"SurvivalSA", SurvivalSA},       {"SurvivalDM", SurvivalDM},
                {"DecorationDM", DecorationDM},   {"Promoted", Promoted},
                {"CommandAttempt", CommandAttempt}, {"CommandAssignment", CommandAssignment},
                {"Command", Command},             {"Aide", Aide},
                {"AideSA", AideSA},               {"AideSD", AideSD},
                {"OCSBranch", OCSBranch},         {"OCSWaiver", OCSWaiver},
                {"OfficerXT", OfficerXT},         {"OfficerXTBranch", OfficerXTBranch}};
    }
};
