// The pages of the wizard: each page's placard and the controls on it.
#include "wizard/layout/ControlSpec.h"

#include "wizard/Form.h"

#include <array>

using K = ControlKind;

namespace {

// Every page but page 5 holds one placard; the page's controls lie on it.
#define PLACARD(name) {name, -1, K::Placard, 18, 220, 566, 279, ""}
#define CONTINUE(name, enabled) {name, -1, K::PushButton, 498, 464, 74, 20, "Continue", enabled}

const std::vector<ControlSpec> enlistment = {
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

const std::vector<ControlSpec> academy = {
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

const std::vector<ControlSpec> honours = {
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

// Pages whose controls come with their own steps of the sequence: for now
// only their placards.
const std::vector<ControlSpec> branchSoc = {
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

const std::vector<ControlSpec> branchDM = {
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

const std::vector<ControlSpec> assignment = {};

const std::vector<ControlSpec> officer = {
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
const std::vector<ControlSpec> command = {PLACARD("CommandPlacard")};
const std::vector<ControlSpec> specialDuty = {PLACARD("SpecialDutyPlacard")};
const std::vector<ControlSpec> branchXT = {PLACARD("BranchXTPlacard")};
const std::vector<ControlSpec> reenlist = {PLACARD("ReenlistPlacard")};
const std::vector<ControlSpec> specialist = {PLACARD("SpecialistPlacard")};
const std::vector<ControlSpec> branchOCS = {PLACARD("BranchOCSPlacard")};
const std::vector<ControlSpec> aide = {PLACARD("AidePlacard")};
const std::vector<ControlSpec> finalPage = {PLACARD("FinalPlacard")};
const std::vector<ControlSpec> survival = {PLACARD("SurvivalPlacard")};
const std::vector<ControlSpec> skill = {PLACARD("SkillPlacard")};
const std::vector<ControlSpec> muster = {PLACARD("MusterPlacard")};

const std::array<const std::vector<ControlSpec>*, Form::PageCount> pages = {
    &enlistment, &academy, &honours, &branchSoc, &branchDM, &assignment,
    &officer,    &command, &specialDuty, &branchXT, &reenlist, &specialist,
    &branchOCS,  &aide,    &finalPage, &survival, &skill,    &muster,
};

} // namespace

const std::vector<ControlSpec>& pageLayout(int page)
{
    return *pages.at(static_cast<size_t>(page));
}
