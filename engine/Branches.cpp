// Branch routing, the branch table and recording a branch.
#include "engine/Module1.h"

#include "store/CharacterStore.h"

QString Module1::BranchFor(int total, bool officer)
{
    if (total <= 0)
        return QStringLiteral("Technical");
    switch (total) {
    case 1:
    case 2: return officer ? QStringLiteral("Line") : QStringLiteral("Crew");
    case 3: return QStringLiteral("Engineering");
    case 4: return officer ? QStringLiteral("Gunnery") : QStringLiteral("Engineering");
    case 5: return officer ? QStringLiteral("Line") : QStringLiteral("Gunnery");
    case 6: return officer ? QStringLiteral("Flight") : QStringLiteral("Gunnery");
    default: return QStringLiteral("Medical");
    }
}

void Module1::BranchRouting(int noChoicePage)
{
    if (store_.GetInt(QStringLiteral("Social")) >= 9) {
        view_.setPage(3);
    } else if (store_.GetInt(QStringLiteral("Education")) >= 9 || store_.GetInt(QStringLiteral("Intelligence")) >= 10) {
        view_.setPage(4);
    } else {
        GetBranch();
        view_.setPage(noChoicePage);
    }
}

void Module1::GetBranch()
{
    const bool officer = store_.GetBool(QStringLiteral("Officer"));
    const int modifier = store_.GetString(QStringLiteral("NavyType")) == QLatin1String("Imperial") ? -2 : 0;
    const QString current = view_.headerText(HeaderField::Branch);
    // Never the current branch: the table's six totals always hold two.
    QString branch;
    do {
        branch = BranchFor(Roll1Die() + modifier, officer);
    } while (branch == current);
    RecordBranch(branch, false);
}

void Module1::RecordBranch(const QString& branch, bool chosen)
{
    if (!flags.OfficerXT) {
        view_.setHeaderText(HeaderField::Branch, branch);
        store_.SaveStr(QStringLiteral("Branch"), branch);
        AddToLog((chosen ? QStringLiteral("Selected ") : QStringLiteral("Assigned to ")) + branch + QStringLiteral(" branch"));
    } else {
        flags.OfficerXTBranch = branch;
        AddToLog(chosen ? branch + QStringLiteral(" branch selected for cross training")
                        : QStringLiteral("Next assignment in the ") + branch + QStringLiteral(" branch"));
    }
    store_.AddXT(branch);
}
