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
