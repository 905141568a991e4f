// The character on screen as the character file and the printed sheet see
// it: the header fields, the log, and the reset onto the final page.
#include "wizard/Main.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

QString Main::fieldText(const QString& control) const
{
    return const_cast<Form&>(form_).at(control).caption();
}

void Main::setFieldText(const QString& control, const QString& text)
{
    form_.at(control).setCaption(text);
}

QString Main::homeTechLevelText() const
{
    return const_cast<Form&>(form_).at(QStringLiteral("HomeTLPopupMenu")).currentText();
}

void Main::selectHomeTechLevel(int level)
{
    Control& menu = form_.at(QStringLiteral("HomeTLPopupMenu"));
    const auto row = menu.items().indexOf(QString::number(level));
    if (row >= 0)
        menu.setCurrentItem(static_cast<int>(row));
}

QString Main::logText() const
{
    return log_.text();
}

void Main::setLogText(const QString& text)
{
    // The file keeps no styling; the yearly headings are bold on screen, so
    // they are made bold again.
    static const QRegularExpression heading(QStringLiteral("^Term \\d+ Assignment \\d+$"));
    log_.setText(text, [](const QString& line) { return heading.match(line).hasMatch(); });
}

void Main::resetToFinalPage()
{
    ResetData();
    form_.at(QStringLiteral("FinalPlacard")).setVisible(true);
    setPage(14);
}

SheetData Main::sheetData()
{
    SheetData data;
    data.date = file_.creation_date.isEmpty() ? file_.today() : file_.creation_date;
    data.name = fieldText(QStringLiteral("NameText"));
    data.nobleTitle = fieldText(QStringLiteral("NobilityText"));
    for (const char* field : {"StrText", "DexText", "EndText", "IntText", "EduText", "SocText"})
        data.upp += fieldText(QLatin1String(field));
    data.age = fieldText(QStringLiteral("AgeText"));
    data.techLevel = homeTechLevelText();
    data.rank = fieldText(QStringLiteral("RankText"));
    data.academy = store_.GetBool(QStringLiteral("Academy"));
    data.college = store_.GetBool(QStringLiteral("College"));
    data.honors = store_.GetBool(QStringLiteral("Honors"));
    data.notc = store_.GetBool(QStringLiteral("NOTC"));
    data.navy = fieldText(QStringLiteral("NavyText"));
    data.branch = fieldText(QStringLiteral("BranchText"));
    data.terms = fieldText(QStringLiteral("TermText"));
    data.retired = store_.GetBool(QStringLiteral("Retired"));
    data.pension = store_.GetInt(QStringLiteral("Pension"));
    data.cash = store_.GetInt(QStringLiteral("Cash"));
    data.specialAssignments = store_.GetSAs();
    data.decorations = store_.GetDecorations();
    data.skills = store_.GetSkills();
    data.benefits = store_.GetBenefits();
    return data;
}
