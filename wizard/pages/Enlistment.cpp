// Page 0: enlistment in one of the three navies.
#include "wizard/Main.h"

void Main::registerEnlistment()
{
    entryLogic_.insert(0, [this] { EnterEnlistment(); });
    selectHandlers_.insert(QStringLiteral("ServiceRadioButton"), [this](int index) {
        form_.at(QStringLiteral("ServiceButton")).setEnabled(index >= 0 && index <= 2);
    });
}

void Main::EnterEnlistment()
{
    form_.at(QStringLiteral("ServiceButton")).setEnabled(form_.selectedIndex(QStringLiteral("ServiceRadioButton")) >= 0);
}
