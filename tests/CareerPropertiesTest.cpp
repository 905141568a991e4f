// Whole careers played by the random player, checked for what must hold of
// every one of them. CORVANTIS_CAREERS sets how many (default 300).
#include "play/AutoPlayer.h"
#include "rules/RuleDatabase.h"
#include "tests/Fixtures.h"
#include "wizard/Main.h"

#include <QRegularExpression>

namespace {

TEST(CareerProperties, EveryCareerKeepsItsInvariants)
{
    TempCharacterDb db;
    const int count = qEnvironmentVariableIsSet("CORVANTIS_CAREERS") ? qEnvironmentVariableIntValue("CORVANTIS_CAREERS") : 300;
    const QRegularExpression termLine(QStringLiteral("^Term (\\d+) Assignment (\\d+)$"));
    int failures = 0;

    AutoOptions options;
    options.seed = 1000;
    options.count = count;
    options.quiet = true;
    options.inspect = [&](Main& main, int, std::uint64_t seed) {
        const auto fail = [&](const QString& what) {
            ADD_FAILURE() << "seed " << seed << ": " << qPrintable(what);
            ++failures;
        };
        if (failures > 10)
            return; // enough to go on
        CharacterStore& store = main.store();
        const QStringList& log = main.log().lines();
        Form& form = main.form();
        if (form.currentPage() != 14)
            fail(QStringLiteral("ended on page %1").arg(form.currentPage()));

        // Term and age agree with the log.
        int lastTerm = -1;
        for (int i = 0; i < log.size(); ++i) {
            const auto match = termLine.match(log[i]);
            if (match.hasMatch()) {
                lastTerm = match.captured(1).toInt();
                if (!main.log().isBold(i))
                    fail(QStringLiteral("term line %1 is not bold").arg(i));
            }
        }
        if (lastTerm != store.GetInt(QStringLiteral("Term")) || form.at(QStringLiteral("TermText")).caption() != QString::number(lastTerm))
            fail(QStringLiteral("term %1 but the log's last term line says %2").arg(store.GetInt(QStringLiteral("Term"))).arg(lastTerm));
        QString lastAge;
        for (const QString& line : log)
            if (line.startsWith(QLatin1String("Age=")))
                lastAge = line.mid(4);
        if (lastAge != QString::number(store.GetInt(QStringLiteral("Age"))) || form.at(QStringLiteral("AgeText")).caption() != lastAge)
            fail(QStringLiteral("age %1 but the log says %2").arg(store.GetInt(QStringLiteral("Age"))).arg(lastAge));

        // Ranks stay on their ladders.
        const int rank = store.GetInt(QStringLiteral("Rank"));
        const bool officer = store.GetBool(QStringLiteral("Officer"));
        if (rank < 0 || rank > (officer ? 10 : 9))
            fail(QStringLiteral("rank %1 off the %2 ladder").arg(rank).arg(officer ? "officer" : "enlisted"));

        // At most three cash rolls, no empty skill, no database trouble.
        if (log.filter(QRegularExpression(QStringLiteral("^Cash benefit: CR"))).size() > 3)
            fail(QStringLiteral("more than three cash rolls"));
        for (const auto& [skill, level] : store.SkillRows())
            if (skill.isEmpty() || level < 1)
                fail(QStringLiteral("a skill \"%1\" at level %2").arg(skill).arg(level));
        if (log.contains(QStringLiteral(" +1")))
            fail(QStringLiteral("an empty skill was logged"));
        const bool died = log.contains(QStringLiteral("Character suffered death"));
        if (!died && store.GetBool(QStringLiteral("Retired")) != (store.GetInt(QStringLiteral("Term")) >= 5))
            fail(QStringLiteral("retired after %1 terms?").arg(store.GetInt(QStringLiteral("Term"))));
        if (died && log.contains(QStringLiteral("Total Rolls")))
            fail(QStringLiteral("the dead mustered out"));
    };
    const auto error = playAuto(builtResources(), db.path(), options);
    EXPECT_FALSE(error.has_value()) << qPrintable(error.value_or(QString()));
}

} // namespace
