#include "wizard/layout/LayoutRow.h"

using K = ControlKind;

const std::vector<LayoutRow>& headerLayout()
{
    static const std::vector<LayoutRow> header = {
        {"NameLabel", -1, K::Label, 19, 36, 107, 20, "Character Name:"},
        {"NameText", -1, K::EditField, 132, 35, 144, 22, ""},
        {"HomeTLLabel", -1, K::Label, 291, 36, 63, 20, "Home TL:"},
        {"HomeTLPopupMenu", -1, K::PopupMenu, 363, 35, 59, 20, "15|14|13|12|11|10|9|8|7", true, false, "Home World Tech Level"},
        {"SexGroupBox", -1, K::GroupBox, 442, 12, 143, 52, "Sex"},
        {"SexRadioButton", 0, K::RadioButton, 451, 35, 59, 20, "Male", true, true},
        {"SexRadioButton", 1, K::RadioButton, 512, 35, 66, 20, "Female"},
        {"Line1", -1, K::Line, 19, 83, 566, 1},
        {"UPPLabel", -1, K::Label, 19, 102, 29, 20, "UPP:"},
        {"StrText", -1, K::Field, 54, 102, 14, 22, "", true, false, "Strength"},
        {"DexText", -1, K::Field, 74, 102, 14, 22, "", true, false, "Dexterity"},
        {"EndText", -1, K::Field, 94, 102, 14, 22, "", true, false, "Endurance"},
        {"IntText", -1, K::Field, 114, 102, 14, 22, "", true, false, "Intelligence"},
        {"EduText", -1, K::Field, 134, 102, 14, 22, "", true, false, "Education"},
        {"SocText", -1, K::Field, 154, 102, 14, 22, "", true, false, "Social Standing"},
        {"NobilityLabel", -1, K::Label, 195, 102, 76, 20, "Noble Title:"},
        {"NobilityText", -1, K::Field, 274, 104, 84, 20, ""},
        {"UPPButton", -1, K::PushButton, 510, 103, 74, 20, "Roll"},
        {"Line2", -1, K::Line, 19, 145, 566, 1},
        {"AgeLabel", -1, K::Label, 19, 163, 33, 20, "Age:"},
        {"AgeText", -1, K::Field, 53, 163, 24, 22, ""},
        {"NavyLabel", -1, K::Label, 78, 163, 40, 20, "Navy:"},
        {"NavyText", -1, K::Field, 120, 165, 63, 20, ""},
        {"BranchLabel", -1, K::Label, 186, 163, 50, 20, "Branch:"},
        {"BranchText", -1, K::Field, 238, 165, 78, 20, ""},
        {"RankLabel", -1, K::Label, 317, 163, 40, 20, "Rank:"},
        {"RankText", -1, K::Field, 359, 165, 164, 20, ""},
        {"TermLabel", -1, K::Label, 529, 163, 40, 20, "Term:"},
        {"TermText", -1, K::Field, 570, 163, 15, 22, ""},
    };
    return header;
}
