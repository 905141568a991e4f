// The pages of the wizard: each page's placard and the controls on it.
#include "wizard/layout/LayoutRow.h"

#include "wizard/Form.h"

#include <array>

using K = ControlKind;

namespace {

// Every page but page 5 holds one placard; the page's controls lie on it.
#define PLACARD(name) {name, -1, K::Placard, 18, 220, 566, 279, ""}
#define CONTINUE(name, enabled) {name, -1, K::PushButton, 498, 464, 74, 20, "Continue", enabled}

const std::vector<LayoutRow> enlistment = {
    {"NavyPlacard", -1, K::Placard, 18, 220, 566, 279, "", true, false, "", false},
    {"ServiceLabel", -1, K::Heading, 228, 220, 150, 20, "Select Naval Service"},
    {"ServiceRadioButton", 0, K::RadioButton, 133, 252, 100, 20, "Imperial", true, true},
    {"ServiceRadioButton", 1, K::RadioButton, 250, 252, 100, 20, "Subsector"},
    {"ServiceRadioButton", 2, K::RadioButton, 367, 252, 100, 20, "Planetary"},
    {"ServiceImperialLabel", -1, K::Label, 135, 281, 100, 20, "Enlistment 9+"},
    {"ServiceSubsectorLabel", -1, K::Label, 252, 281, 100, 20, "Enlistment 8+"},
    {"ServicePlanetaryLabel", -1, K::Label, 369, 281, 100, 20, "Enlistment 7+"},
    {"ServiceDMLabel", -1, K::Label, 168, 313, 280, 20, "DM +1 if Intelligence 8+, DM +2 if Education 9+"},
    CONTINUE("ServiceButton", false),
};

const std::vector<LayoutRow> academy = {
    PLACARD("NAPlacard"),
    {"NALabel", -1, K::Heading, 48, 220, 504, 20,
     "Select Naval Academy (Soc 8+), College (with or without NOTC), or Enlistment"},
    {"NARadioButton", 0, K::RadioButton, 38, 252, 131, 20, "Naval Academy"},
    {"NARadioButton", 1, K::RadioButton, 248, 252, 72, 20, "College"},
    {"NARadioButton", 2, K::RadioButton, 469, 252, 89, 20, "Enlistment"},
    {"NALabel1", -1, K::Label, 33, 284, 62, 53, "Admission\nSuccess\nEducation\nHonors"},
    {"NALabel2", -1, K::Label, 97, 284, 29, 53, "10+\n9+\n1D-3\n9+"},
    {"NALabel3", -1, K::Label, 133, 284, 97, 53, "DM +2 if Soc 10+\nDM +2 if Int 8+\nDM +1 if Int 9+\nDM +1 if Int 9+"},
    {"CollegeLabel1", -1, K::Label, 244, 284, 62, 64, "Admission\nSuccess\nNOTC\nEducation\nHonors"},
    {"CollegeLabel2", -1, K::Label, 308, 284, 29, 64, "9+\n7+\n8+\n1D-2\n10+"},
    {"CollegeLabel3", -1, K::Label, 345, 284, 97, 64,
     "DM +2 if Edu 9+\nDM +2 if Int 8+\nDM +1 if Soc 10+\nDM +1 if Int 9+\nDM +1 if Edu 10+"},
    {"NACheckBox", -1, K::CheckBox, 242, 360, 223, 20, "Apply for Naval Officer Training Corps"},
    CONTINUE("NAButton", false),
};

const std::vector<LayoutRow> honours = {
    PLACARD("HonorsPlacard"),
    {"HonorsLabel", -1, K::Heading, 48, 220, 504, 20, "Honors Options: Select Medical School, Flight School, or Neither"},
    {"HonorsRadioButton", 0, K::RadioButton, 38, 252, 131, 20, "Medical School"},
    {"HonorsRadioButton", 1, K::RadioButton, 248, 252, 110, 20, "Flight School"},
    {"HonorsRadioButton", 2, K::RadioButton, 469, 252, 89, 20, "Neither"},
    {"HonorsLabel1", -1, K::Label, 33, 284, 62, 53, "Admission\nSuccess\nHonors"},
    {"HonorsLabel2", -1, K::Label, 97, 284, 29, 53, "9+\n8+\n11+"},
    {"HonorsLabel3", -1, K::Label, 133, 284, 97, 53, "DM +2 if Edu 10+\nDM +2 if Int 9+\nDM +1 if Edu 11+"},
    {"HonorsLabel4", -1, K::Label, 244, 284, 62, 64, "Admission\nSuccess"},
    {"HonorsLabel5", -1, K::Label, 308, 284, 29, 64, "9+\n7+"},
    {"HonorsLabel6", -1, K::Label, 345, 284, 97, 64, "DM +1 if Dex 9+\nDM +1 if Int 8+"},
    CONTINUE("HonorsButton", false),
};

const std::vector<LayoutRow> branchSoc = {
    PLACARD("BranchSocPlacard"),
    {"BranchSocLabel", -1, K::Heading, 196, 220, 212, 20, "Select Branch of Service (Soc 9+)"},
    {"BranchSocRadioButton", 0, K::RadioButton, 47, 252, 86, 20, "Line/Crew"},
    {"BranchSocRadioButton", 1, K::RadioButton, 140, 252, 60, 20, "Flight"},
    {"BranchSocRadioButton", 2, K::RadioButton, 207, 252, 80, 20, "Gunnery"},
    {"BranchSocRadioButton", 3, K::RadioButton, 291, 252, 94, 20, "Engineering"},
    {"BranchSocRadioButton", 4, K::RadioButton, 394, 252, 70, 20, "Medical"},
    {"BranchSocRadioButton", 5, K::RadioButton, 474, 252, 80, 20, "Technical"},
    CONTINUE("BranchSocButton", false),
};

const std::vector<LayoutRow> branchDM = {
    PLACARD("GAPlacard"),
    {"BranchDMLabel", -1, K::Heading, 166, 220, 268, 20, "Select Branch Assignment Options (DMs)"},
    {"BranchDMDMLabel", -1, K::Label, 195, 275, 25, 118, "Roll\n0\n1\n2\n3\n4\n5\n6\n7"},
    {"BranchDMEnlLabel", -1, K::Label, 232, 252, 72, 20, "Enlisted"},
    {"BranchDMOffLabel", -1, K::Label, 317, 252, 72, 20, "Officer"},
    {"BranchDMEnlLabel1", -1, K::Label, 232, 275, 65, 118,
     "\nTechnical\nCrew\nCrew\nEngineering\nEngineering\nGunnery\nGunnery\nMedical"},
    {"BranchDMOffLabel1", -1, K::Label, 317, 275, 65, 118,
     "\nTechnical\nLine\nLine\nEngineering\nGunnery\nLine\nFlight\nMedical"},
    {"BranchDMEduCheckBox", -1, K::CheckBox, 185, 405, 110, 20, "+2 DM (Edu 9+)"},
    {"BranchDMIntCheckBox", -1, K::CheckBox, 306, 405, 110, 20, "+2 DM (Int 10+)"},
    {"BranchDMLabel1", -1, K::Label, 168, 430, 268, 20, "Automatic -2 DM if Imperial Navy"},
    CONTINUE("BranchDMButton", true),
};

const std::vector<LayoutRow> assignment = {};

const std::vector<LayoutRow> officer = {
    PLACARD("OfficerPlacard"),
    {"OfficerLabel", -1, K::Heading, 166, 220, 270, 20, "Select First Term Officer Training Table"},
    {"OfficerTRLabel", -1, K::Label, 220, 252, 145, 20, "Total Rolls Remaining:"},
    {"OfficerTotalLabel", -1, K::Label, 365, 252, 17, 20, "2"},
    {"OfficerRadioButton", 0, K::RadioButton, 187, 283, 126, 20, "Branch Skills"},
    {"OfficerRadioButton", 1, K::RadioButton, 324, 283, 133, 20, "Staff Officer Skills"},
    {"OfficerRollLabel", -1, K::Label, 154, 304, 25, 147, "Roll\n1\n2\n3\n4\n5\n6\n7\n8\n\nDM:"},
    {"OfficerBSLabel", -1, K::Label, 207, 304, 90, 119, ""},
    {"OfficerSOLabel", -1, K::Label, 344, 304, 81, 105,
     "\nComputer\nElectronics\nGun Combat\nAdministration\nBribery\nShip Tactics"},
    {"OfficerDMLabel", -1, K::Label, 183, 434, 135, 31, "+1 DM if Subsector Navy\n+2 DM if Imperial Navy"},
    CONTINUE("OfficerButton", false),
};
const std::vector<LayoutRow> command = {
    PLACARD("CommandPlacard"),
    {"CommandLabel", -1, K::Heading, 166, 220, 270, 20, "Select Command Attempt or Staff Option"},
    {"CommandRadioButton", 0, K::RadioButton, 197, 252, 100, 20, "Command", true, true},
    {"CommandRadioButton", 1, K::RadioButton, 354, 252, 100, 20, "Staff"},
    {"CommandLabel1", -1, K::Label, 197, 284, 90, 20, "Officer Branch"},
    {"CommandLabel2", -1, K::Label, 197, 308, 80, 80, "Line\nFlight\nGunnery\nEngineering\nMedical\nTechnical"},
    {"CommandLabel3", -1, K::Label, 281, 284, 40, 20, "Roll"},
    {"CommandLabel4", -1, K::Label, 281, 308, 30, 80, "7+\n8+\n9+\n10+\n11+\n12+"},
    {"CommandLabel5", -1, K::Label, 197, 394, 200, 66,
     "DM -2 if rank O2 or less\nDM -1 if rank O4 or less\nDM +1 if Soc 11+\nDM -1 if Int 7-\nDM -1 if Edu 7-"},
    CONTINUE("CommandButton", false),
};

const std::vector<LayoutRow> specialDuty = {
    PLACARD("SpecialDutyPlacard"),
    {"SpecialDutyLabel", -1, K::Heading, 166, 220, 270, 20, "Select Special Duty Option (DM)"},
    {"SpecialDutyEnLabel", -1, K::Label, 192, 252, 120, 20, "Enlisted"},
    {"SpecialDutyOffLabel", -1, K::Label, 337, 252, 120, 20, "Officer"},
    {"SpecialDutyLabel1", -1, K::Label, 155, 275, 30, 106, "Roll\n1\n2\n3\n4\n5\n6\n7"},
    {"SpecialDutyEnLabel1", -1, K::Label, 192, 275, 140, 106,
     "\nCross-Training\nSpecialist School\nRecruiting Duty\nGunnery School\nEngineering School\n"
     "Officer Candidate School\nOfficer Candidate School"},
    {"SpecialDutyOffLabel1", -1, K::Label, 337, 275, 130, 106,
     "\nCross-Training\nIntelligence School\nRecruiting Duty\nNaval Attache/Aide\nCommand College\n"
     "Staff College\nStaff College"},
    {"SpecialDutyCheckBox", -1, K::CheckBox, 188, 405, 240, 20, "+1 DM if Soc 11+ or college educated"},
    CONTINUE("SpecialDutyButton", true),
};

const std::vector<LayoutRow> branchXT = {
    PLACARD("BranchXTPlacard"),
    {"BranchXTLabel", -1, K::Heading, 196, 220, 212, 20, "Select Branch for Cross Training"},
    {"BranchXTRadioButton", 0, K::RadioButton, 94, 252, 62, 20, "Crew"},
    {"BranchXTRadioButton", 1, K::RadioButton, 159, 252, 80, 20, "Gunnery"},
    {"BranchXTRadioButton", 2, K::RadioButton, 243, 252, 98, 20, "Engineering"},
    {"BranchXTRadioButton", 3, K::RadioButton, 346, 252, 76, 20, "Medical"},
    {"BranchXTRadioButton", 4, K::RadioButton, 426, 252, 86, 20, "Technical"},
    CONTINUE("BranchXTButton", false),
};

const std::vector<LayoutRow> reenlist = {
    PLACARD("ReenlistPlacard"),
    {"ReenlistLabel", -1, K::Heading, 166, 220, 270, 20, "Select Reenlistment Option"},
    {"ReenlistRadioButton", 0, K::RadioButton, 166, 252, 160, 20, "Attempt Reenlistment"},
    {"ReenlistRadioButton", 1, K::RadioButton, 351, 252, 110, 20, "Muster Out"},
    CONTINUE("ReenlistButton", false),
};

const std::vector<LayoutRow> specialist = {
    PLACARD("SpecialistPlacard"),
    {"SpecialistLabel", -1, K::Heading, 166, 220, 270, 20, "Select Specialist School Option (DM)"},
    {"SpecialistLabel1", -1, K::Label, 233, 249, 30, 172, "Roll\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12"},
    {"SpecialistLabel2", -1, K::Label, 270, 249, 120, 172,
     "\nAdministration\nMedical\nLiaison\nMechanical\nElectronics\nGravitics\nVehicle\nNavigation\nComputer\n"
     "Ship's Boat\nCommunications\nVacc Suit"},
    {"SpecialistLabel3", -1, K::Label, 233, 431, 30, 20, "DM:"},
    {"SpecialistPopupMenu", -1, K::PopupMenu, 270, 431, 50, 20, "0|1|2|3|4|5|6"},
    CONTINUE("SpecialistButton", true),
};

const std::vector<LayoutRow> branchOCS = {
    PLACARD("BranchOCSPlacard"),
    {"BranchOCSLabel", -1, K::Heading, 196, 220, 212, 20, "Select Branch of Service"},
    {"BranchOCSRadioButton", 0, K::RadioButton, 47, 252, 86, 20, "Line/Crew"},
    {"BranchOCSRadioButton", 1, K::RadioButton, 140, 252, 60, 20, "Flight"},
    {"BranchOCSRadioButton", 2, K::RadioButton, 207, 252, 80, 20, "Gunnery"},
    {"BranchOCSRadioButton", 3, K::RadioButton, 291, 252, 94, 20, "Engineering"},
    {"BranchOCSRadioButton", 4, K::RadioButton, 394, 252, 70, 20, "Medical"},
    {"BranchOCSRadioButton", 5, K::RadioButton, 474, 252, 80, 20, "Technical"},
    CONTINUE("BranchOCSButton", false),
};

const std::vector<LayoutRow> aide = {
    PLACARD("AidePlacard"),
    {"AideLabel", -1, K::Heading, 205, 220, 190, 20, "Select Next Assignment"},
    {"AideRadioButton", 0, K::RadioButton, 165, 252, 140, 20, "Intelligence School"},
    {"AideRadioButton", 1, K::RadioButton, 313, 252, 130, 20, "Recruiting Duty"},
    {"AideRadioButton", 2, K::RadioButton, 165, 284, 140, 20, "Command College"},
    {"AideRadioButton", 3, K::RadioButton, 313, 284, 130, 20, "Staff College"},
    {"Line3", -1, K::Line, 165, 316, 280, 1},
    {"AideRadioButton", 4, K::RadioButton, 165, 334, 88, 20, "Training"},
    {"AideRadioButton", 5, K::RadioButton, 257, 334, 98, 20, "Shore Duty"},
    {"AideRadioButton", 6, K::RadioButton, 359, 334, 80, 20, "Patrol"},
    {"AideRadioButton", 7, K::RadioButton, 165, 366, 88, 20, "Siege"},
    {"AideRadioButton", 8, K::RadioButton, 257, 366, 98, 20, "Strike"},
    {"AideRadioButton", 9, K::RadioButton, 359, 366, 80, 20, "Battle"},
    {"AideCheckBox", -1, K::CheckBox, 257, 412, 100, 20, "Command"},
    CONTINUE("AideButton", false),
};

const std::vector<LayoutRow> finalPage = {
    PLACARD("FinalPlacard"),
    {"FinalLabel", -1, K::Heading, 161, 220, 280, 20, "Completed Character Generation Sequence"},
    {"NavyLogo", -1, K::ImageWell, 267, 327, 64, 64},
};

const std::vector<LayoutRow> survival = {
    PLACARD("SurvivalPlacard"),
    {"SurvivalLabel", -1, K::Heading, 161, 220, 280, 20, "Select DM for Survival and Decoration Rolls"},
    {"SurvivalLabel1", -1, K::Label, 157, 252, 290, 60,
     "\nSelect a value to be applied as a negative DM towards the current assignment's Survival roll and a "
     "positive DM towards the current assignment's Decoration roll."},
    {"SurvivalLabel2", -1, K::Label, 238, 321, 32, 20, "DM:"},
    {"SurvivalPopupMenu", -1, K::PopupMenu, 275, 321, 50, 20, "0|1|2|3|4|5|6"},
    CONTINUE("SurvivalButton", true),
};

const std::vector<LayoutRow> skill = {
    PLACARD("SkillPlacard"),
    {"SkillLabel", -1, K::Heading, 166, 220, 270, 20, "Select Skill Table"},
    {"SkillRadioButton", 0, K::RadioButton, 53, 252, 72, 20, "Navy Life"},
    {"SkillRadioButton", 1, K::RadioButton, 123, 252, 72, 20, "Shipbrd Life"},
    {"SkillRadioButton", 2, K::RadioButton, 193, 252, 72, 20, "Shore Duty"},
    {"SkillRadioButton", 3, K::RadioButton, 263, 252, 72, 20, "Petty Officer"},
    {"SkillRadioButton", 4, K::RadioButton, 333, 252, 72, 20, "Cmd Officer"},
    {"SkillRadioButton", 5, K::RadioButton, 403, 252, 72, 20, "Staff Officer"},
    {"SkillRadioButton", 6, K::RadioButton, 473, 252, 76, 20, "Branch Skills"},
    {"SkillRollLabel", -1, K::Label, 26, 275, 30, 184, "Roll\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n\nDM:"},
    {"SkillNavLabel", -1, K::Label, 60, 288, 68, 172,
     "Brawling\n+1 Str\nCarousing\nGambling\n+1 End\n+1 Dex\n+1 End\n+1 Edu\nCarousing\nVacc Suit\n\n+4 if O1+"},
    {"SkillShipLabel", -1, K::Label, 130, 288, 68, 172,
     "Gambling\n+1 Dex\nBlade Cbt\nMechanical\nShip's Boat\nVacc Suit\nZero-G Cbt\nCommo\nAdmin\nJack-o-T\n\n+4 if O1+"},
    {"SkillShoreLabel", -1, K::Label, 200, 288, 68, 172,
     "Carousing\nVehicle\nFwd Obs\nVacc Suit\nLiaison\nVehicle\nFwd Obs\nSurvival\nVacc Suit\nBattleDress\n\n+4 if O1+"},
    {"SkillPOLabel", -1, K::Label, 270, 288, 68, 172,
     "Vacc Suit\nBlade Cbt\nGun Cbt\nMechanical\nMedical\nLeader\nZero-G Cbt\n+1 Edu\nInstruct\nAdmin\n\n"
     "+2 if E5+\n+4 if E7+"},
    {"SkillCOLabel", -1, K::Label, 340, 288, 68, 172,
     "Vehicle\n+1 End\nGun Cbt\nShip's Boat\nPilot\nShip Tactic\nLeader\n+1 Soc\nLeader\nShip Tactic\n\n"
     "+2 if O4+\n+4 if O7+"},
    {"SkillSOLabel", -1, K::Label, 410, 288, 68, 172,
     "Computer\nElectronic\nGun Cbt\nAdmin\nBribery\nShip Tactic\nFleet Tactic\n+1 Int\nShip Tactic\n"
     "Fleet Tactic\n\n+2 if O4+\n+4 if O7+"},
    {"SkillBranchLabel", -1, K::Label, 481, 275, 95, 150, ""},
    {"SkillDMLabel", -1, K::Label, 481, 431, 95, 28, "+1 if Subsector\n+2 if Imperial"},
    CONTINUE("SkillButton", true),
};

const std::vector<LayoutRow> muster = {
    PLACARD("MusterPlacard"),
    {"MusterLabel", -1, K::Heading, 166, 220, 270, 20, "Select Mustering Out Table"},
    {"MusterTRLabel", -1, K::Label, 126, 252, 145, 20, "Total Rolls Remaining:"},
    {"MusterTotalLabel", -1, K::Label, 271, 252, 17, 20, ""},
    {"MusterCRLabel", -1, K::Label, 314, 252, 142, 20, "Cash Rolls Remaining:"},
    {"MusterCashLabel", -1, K::Label, 458, 252, 17, 20, ""},
    {"MusterRadioButton", 0, K::RadioButton, 187, 283, 126, 20, "Material Benefits"},
    {"MusterRadioButton", 1, K::RadioButton, 324, 283, 133, 20, "Cash Allowances"},
    {"MusterRollLabel", -1, K::Label, 154, 304, 25, 133, "Roll\n1\n2\n3\n4\n5\n6\n7\n\nDM:"},
    {"MusterMLabel", -1, K::Label, 207, 303, 89, 105,
     "\nLow Passage\n+1 Int\n+2 Edu\nBlade\nRovanteers'\nHigh Passage\n+2 Social"},
    {"MusterCLabel", -1, K::Label, 328, 303, 50, 105, "\n1000\n5000\n5000\n10000\n20000\n50000\n50000"},
    {"MusterCheckbox", -1, K::CheckBox, 187, 414, 113, 28, "+1 DM if rank Captain or higher"},
    {"MusterDMLabel", -1, K::Label, 344, 414, 102, 31, "+1 DM if character has Gambling skill"},
    CONTINUE("MusterButton", false),
};

const std::array<const std::vector<LayoutRow>*, Form::PageCount> pages = {
    &enlistment, &academy, &honours, &branchSoc, &branchDM, &assignment,
    &officer,    &command, &specialDuty, &branchXT, &reenlist, &specialist,
    &branchOCS,  &aide,    &finalPage, &survival, &skill,    &muster,
};

} // namespace

const std::vector<LayoutRow>& pageLayout(int page)
{
    return *pages.at(static_cast<size_t>(page));
}
