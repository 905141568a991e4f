#include "wizard/layout/LayoutRow.h"

#include <QHash>

FontStyle fontStyleOf(const QString& name)
{
    static const QHash<QString, FontStyle> styles = {
        // Seven table buttons share the width of the page.
        {"SkillRadioButton", FontStyle::NarrowBold},
        {"SkillRollLabel", FontStyle::Bold},
        {"SpecialDutyLabel1", FontStyle::Bold},
        {"SpecialistLabel1", FontStyle::Bold},
        {"CommandLabel1", FontStyle::Italic},
        {"CommandLabel3", FontStyle::Italic},
    };
    return styles.value(name, FontStyle::Normal);
}

TextAlignment textAlignmentOf(const QString& name)
{
    static const QHash<QString, TextAlignment> alignments = {
        // Header labels set between two fields end at the field they name,
        // rather than crowding the field before them.
        {"HomeTLLabel", TextAlignment::Right},
        {"NobilityLabel", TextAlignment::Right},
        {"NavyLabel", TextAlignment::Right},
        {"BranchLabel", TextAlignment::Right},
        {"RankLabel", TextAlignment::Right},
        {"TermLabel", TextAlignment::Right},
        // Amounts line up on their last digit.
        {"MusterCLabel", TextAlignment::Right},
        // A note under the centred heading and check boxes of its page.
        {"BranchDMLabel1", TextAlignment::Centre},
    };
    return alignments.value(name, TextAlignment::Natural);
}
