#pragma once
// The rules engine: the operations the wizard's pages call, the generation
// flags they share, and the dice. Operations never raise errors: a database
// failure has been reported by the store, and the operation carries on or
// stops as its rule says.

#include "engine/Dice.h"
#include "engine/EngineView.h"
#include "engine/GenerationFlags.h"

#include <QString>

class CharacterStore;
class RuleDatabase;

class Module1 {
public:
    Module1(CharacterStore& store, RuleDatabase& rules, Dice& dice, EngineView& view)
        : store_(store), rules_(rules), dice_(dice), view_(view)
    {
    }

    CharacterStore& store() { return store_; }
    RuleDatabase& rules() { return rules_; }
    Dice& dice() { return dice_; }
    EngineView& view() { return view_; }
    GenerationFlags flags;

    // Dice, characteristics, noble titles and the log.
    int Roll1Die() { return dice_.roll(); }
    int Roll2Dice();
    static QString Hx(int value);
    // Raises the characteristic named by the 4th to 6th characters of a table
    // entry such as "+1 Str" by one, up to 15.
    void IncAttribute(const QString& entry);
    // Lowers "Str", "Dex", "End" or "Int" by one, down to 0 (aging).
    void DecAttribute(const QString& key);
    void SetNobility(Sex sex);
    void AddToLog(const QString& line);

    // Terms, aging and rank.
    void SetTerm(int term, int assignment);
    void IncAge();
    void IncRank();

    // Skill tables and the skill picker.
    QStringList GetAllSkills();
    QString GetSkillDescription(const QString& name);
    QStringList GetSkillSet(const QString& generic);
    QStringList GetBranchSkillSet(const QString& branch);
    QString GetBranchTableSkill(const QString& branch);
    QString GetBranchSkill(const QString& branchKey);
    QString GetServiceTableSkill(const QString& category);
    QString GetSkillTableSkill(const QString& category);
    // Resolves flags.SkillSelection (a generic skill) to a specific one.
    void DoSkillPicker();
    // Learns a skill chosen in the picker: the two weapon groups expand.
    void LearnPicked(const QString& choice);
    // Learns a training entry: "Gun Combat" and "Gunnery" go to the picker.
    void LearnTrainingEntry(const QString& entry);

    // Branches.
    // Social 9+: page 3; Education 9+ or Intelligence 10+: page 4;
    // otherwise a rolled branch and the page the caller names.
    void BranchRouting(int noChoicePage);
    void GetBranch();
    // The branch table: a total of 1D plus modifiers.
    static QString BranchFor(int total, bool officer);
    // Records a branch, or in officer cross-training the next assignment's
    // branch; `chosen` for the free choice of page 3 (its own log lines).
    void RecordBranch(const QString& branch, bool chosen);

    // Assignments.
    QString GetAssignment();
    void DoAssignment(const QString& assignment);
    int GetSurvival(const QString& branch, const QString& assignment);
    int GetDecoration(const QString& branch, const QString& assignment);
    bool GetPromotion(const QString& branch, const QString& assignment);
    bool GetSkill(const QString& branch, const QString& assignment);
    // The end of every assignment: a year older, then the next assignment
    // (page 13 for an aide, else page 5) or, after the fourth, reenlistment.
    void EndAssignment();

    // Special duty.
    QString GetSpecialDuty(int roll);
    void DoSpecialDuty(const QString& duty);
    void DoOCS();
    QStringList GetXTSet();
    // Splits "Naval Attache/Aide" by a further 1D.
    QString SplitAttacheAide(const QString& duty);

    // Mustering out.
    QString GetMaterialBenefit(bool rankModifier);
    int GetCashBenefit();
    QStringList GetBladeSet();
    QString GetWeaponDescription(const QString& name);

    // List operations with a rule attached.
    void AddSkill(const QString& name);
    void AddBenefit(const QString& name);
    void CheckSkillLimit();

private:
    int rollNumber(const char* query, const QString& branch, const QString& assignment);
    void school(const QString& duty);
    void takeTableEntry(const QString& entry, const QStringList& picked);
    void enterOCS();

    QString drawEntry(const char* query, const QString& key, int total);

    void stepCharacteristic(const QString& key, int delta, const char* logFormat);

    CharacterStore& store_;
    RuleDatabase& rules_;
    Dice& dice_;
    EngineView& view_;
};
