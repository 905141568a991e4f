#pragma once
// The main window's logic: the header, the page panel and every page
// handler, without a widget. The window application mirrors its Form and
// LogModel into widgets and forwards the user's clicks here; the headless
// driver does the same from a script. Both therefore run the same handlers.

#include "charfile/CharacterFields.h"
#include "charfile/FileModule.h"
#include "engine/EngineView.h"
#include "engine/Module1.h"
#include "rules/RuleDatabase.h"
#include "store/CharacterStore.h"
#include "store/DatabaseErrorSink.h"
#include "wizard/Form.h"
#include "print/SheetData.h"
#include "wizard/LogModel.h"

#include <QHash>
#include <QStringList>

#include <functional>

class Host;

class Main : public EngineView, public DatabaseErrorSink, public CharacterFields {
public:
    Main(Dice& dice, Host& host);
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;
    ~Main() override;

    Form& form() { return form_; }
    LogModel& log() { return log_; }
    Module1& engine() { return engine_; }
    CharacterStore& store() { return store_; }
    RuleDatabase& rules() { return rules_; }
    FileModule& file() { return file_; }

    // Window opening: locates the two databases in the resource folder.
    void Event_Open(const QString& resourceFolder);
    const QString& resourceFolder() const { return resourceFolder_; }
    // Window closing: resets the character store.
    void Event_Close();
    void ResetData();

    // What a user can do. Each call is one user action: the database errors
    // it raises are shown together when it ends. A control that is disabled,
    // hidden or not on the shown page cannot be used (usable() says so).
    bool usable(const Control& control) const;
    void type(const QString& name, const QString& text);
    void select(const QString& name, int index);
    void check(const QString& name, bool on);
    void popup(const QString& name, int item);
    void press(const QString& name);
    // The shown page's Continue button, or nullptr (page 5, page 14).
    Control* continueButton();

    // EngineView, for the engine.
    void setHeaderText(HeaderField field, const QString& text) override;
    QString headerText(HeaderField field) const override;
    Sex selectedSex() const override;
    int homeTechLevel() const override;
    void appendLog(const QString& line) override;
    void boldLastLogLine() override;
    void setPage(int page) override;
    QString pickSkill(const QString& label, const QStringList& offered, const Describe& describe) override;
    void notify(const QString& text) override;

    // CharacterFields, for saving and opening.
    QString fieldText(const QString& control) const override;
    void setFieldText(const QString& control, const QString& text) override;
    QString homeTechLevelText() const override;
    void selectHomeTechLevel(int level) override;
    QString logText() const override;
    void setLogText(const QString& text) override;
    void resetToFinalPage() override;

    // What the printed sheet shows of the character on screen.
    SheetData sheetData();

    // DatabaseErrorSink, for the store and the rule database.
    void databaseError(int code, const QString& message) override;

    // Runs f as one user action (nested calls join the outer action).
    void action(const std::function<void()>& f);

private:
    void PagePanel1_Change();
    void UPPButton_Action();
    // Page handlers, one file a page: entry logic and control handlers.
    void registerEnlistment();
    void EnterEnlistment();
    void ServiceButton_Action();

    void registerAcademy();
    void EnterAcademy();
    void NAButton_Action();
    void Induct();

    void registerHonours();
    void EnterHonours();
    void HonorsButton_Action();
    void MedicalSchool();
    void FlightSchool();
    // The honours page's routing: an officer trains on page 6, anyone else
    // on page 5 with the enlisted.
    void HonoursRouting();

    void registerBranchPages();
    void EnterBranchSoc();
    void BranchSocButton_Action();
    void EnterBranchDM();
    void BranchDMButton_Action();

    void registerFirstTerm();
    void EnterAssignment();
    void EnlistedTraining();
    void EnterOfficerTraining();
    void OfficerButton_Action();

    void registerAssignmentPages();
    void AssignmentCycle();
    void EnterCommand();
    void CommandButton_Action();
    void AideButton_Action();

    void registerSpecialDutyPages();
    void EnterSpecialDuty();
    void SpecialDutyButton_Action();
    void EnterBranchXT();
    void BranchXTButton_Action();
    void EnterSpecialist();
    void SpecialistButton_Action();
    void EnterBranchOCS();
    void BranchOCSButton_Action();

    void registerSurvivalAndSkillPages();
    void EnterSurvival();
    void EnterSkill();
    void SkillButton_Action();

    void registerReenlistment();
    void EnterReenlist();
    void ReenlistButton_Action();
    void ContinueIntoNewTerm();

    void registerMusteringOut();
    void EnterMuster();
    void MusterButton_Action();

public:
    // Mustering out: one roll on the material table.
    void DoMaterialBenefit();
    int CashRolls = 0;
    int TotalRolls = 0;

private:
    // Shared steps of the pre-service pages.
    void ageStep(int years);
    void educationStep(int gain);
    void setEnabled(std::initializer_list<const char*> names, bool enabled);
    bool selected(const char* group, int index);
    // Selecting a member enables the page's Continue button.
    void enablingGroup(const char* group, const char* button, int members);

    void flushMessages();

    Dice& dice_;
    Host& host_;
    Form form_;
    LogModel log_;
    CharacterStore store_;
    RuleDatabase rules_;
    Module1 engine_;
    FileModule file_;

    QHash<QString, std::function<void()>> pressHandlers_;
    QHash<QString, std::function<void(int)>> selectHandlers_;
    QHash<QString, std::function<void(bool)>> checkHandlers_;
    QHash<int, std::function<void()>> entryLogic_;

    QString resourceFolder_;
    int actionDepth_ = 0;
    QStringList pendingErrors_;
};
