#include "play/AutoPlayer.h"

#include "charfile/AtomicFile.h"
#include "play/PlayHost.h"
#include "print/CharacterSheet.h"
#include "wizard/Main.h"

#include <QDir>

#include <chrono>
#include <cstdio>
#include <random>

namespace {

// Past this many actions a character is stuck, not unlucky.
constexpr int MaxActions = 10000;

// The driver's host with a random player's answers to the dialogs.
class RandomHost : public PlayHost {
public:
    explicit RandomHost(std::mt19937_64& random) : random_(random) {}

    QString pickSkill(const QString&, const QStringList& offered, const std::function<QString(const QString&)>&) override
    {
        return offered.value(pick(static_cast<int>(offered.size())));
    }

    WeaponChoice pickWeapon(const QStringList& blades, const std::function<QString(const QString&)>&,
                            const std::function<bool(const QString&)>& held) override
    {
        const QString blade = blades.value(pick(static_cast<int>(blades.size())));
        return {blade, held(blade) && pick(2) == 1};
    }

    int pick(int n)
    {
        return n <= 1 ? 0 : static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(random_));
    }

private:
    std::mt19937_64& random_;
};

void timedPress(Main& main, const QString& button, const AutoOptions& options)
{
    if (!options.timeAction) {
        main.press(button);
        return;
    }
    const int page = main.form().currentPage();
    const auto start = std::chrono::steady_clock::now();
    main.press(button);
    const auto end = std::chrono::steady_clock::now();
    options.timeAction(page, button, std::chrono::duration<double, std::milli>(end - start).count());
}

// One move of the random player on the shown page: a choice in each radio
// group, check boxes and popups at random, then Continue.
bool actOnPage(Main& main, RandomHost& host, const AutoOptions& options)
{
    Form& form = main.form();
    QStringList groupsDone;
    for (Control* control : form.controlsOnPage(form.currentPage())) {
        if (!main.usable(*control))
            continue;
        switch (control->kind()) {
        case ControlKind::RadioButton: {
            if (groupsDone.contains(control->name()))
                break;
            groupsDone << control->name();
            std::vector<int> enabled;
            for (Control* member : form.group(control->name()))
                if (main.usable(*member))
                    enabled.push_back(member->index());
            main.select(control->name(), enabled[static_cast<size_t>(host.pick(static_cast<int>(enabled.size())))]);
            break;
        }
        case ControlKind::CheckBox:
            main.check(control->name(), host.pick(2) == 1);
            break;
        case ControlKind::PopupMenu:
            main.popup(control->name(), host.pick(static_cast<int>(control->items().size())));
            break;
        default:
            break;
        }
    }
    Control* button = main.continueButton();
    if (button == nullptr || !main.usable(*button))
        return false;
    timedPress(main, button->name(), options);
    return true;
}

QString ending(Main& main)
{
    if (main.log().lines().contains(QStringLiteral("Character suffered death")))
        return QStringLiteral("died");
    return main.store().GetBool(QStringLiteral("Retired")) ? QStringLiteral("retired") : QStringLiteral("mustered out");
}

// Saves the finished character as character-NNNN.vcx2, with its printed
// sheet beside it when asked.
std::optional<QString> saveCharacter(Main& main, PlayHost& host, const QDir& folder, int number, bool pdf)
{
    const QString stem = QStringLiteral("character-%1").arg(number, 4, 10, QLatin1Char('0'));
    host.messages.clear();
    main.action([&] { main.file().DoSave(folder.filePath(stem + QStringLiteral(".vcx2"))); });
    if (!host.messages.isEmpty())
        return host.messages.join(QLatin1Char(' '));
    if (pdf) {
        if (auto reason = writeFileAtomically(folder.filePath(stem + QStringLiteral(".pdf")), characterSheetPdf(main.sheetData())))
            return QStringLiteral("could not write %1.pdf: %2").arg(stem, *reason);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> playAuto(const QString& resources, const QString& chardata, const AutoOptions& options)
{
    for (int i = 0; i < options.count; ++i) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(i);
        Dice dice(seed);
        // The player's choices come from their own generator, so that the
        // dice of a character do not depend on how its player chose.
        std::mt19937_64 choices(seed ^ 0x9e3779b97f4a7c15ULL);
        RandomHost host(choices);
        Main main(dice, host);
        main.Event_Open(resources);
        main.store().setFile(chardata);
        main.store().setScratch(!options.durable);

        main.select(QStringLiteral("SexRadioButton"), host.pick(2));
        main.popup(QStringLiteral("HomeTLPopupMenu"), host.pick(9));
        int actions = 0;
        do {
            timedPress(main, QStringLiteral("UPPButton"), options);
            ++actions;
            // A character who fails all three navies is rolled again.
            while (main.form().currentPage() == 0 && main.form().at(QStringLiteral("NavyPlacard")).visible() &&
                   actions < MaxActions) {
                actOnPage(main, host, options);
                ++actions;
            }
        } while (main.form().currentPage() == 0 && actions < MaxActions);
        while (main.form().currentPage() != 14 && actions < MaxActions) {
            actOnPage(main, host, options);
            ++actions;
        }
        if (main.form().currentPage() != 14)
            return QStringLiteral("character %1 (seed %2) did not finish within %3 actions")
                .arg(i + 1)
                .arg(seed)
                .arg(MaxActions);

        const Form& form = main.form();
        const auto text = [&](const char* name) { return const_cast<Form&>(form).at(QLatin1String(name)).caption(); };
        const QString line = QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7")
                                 .arg(i + 1, 4, 10, QLatin1Char('0'))
                                 .arg(text("NavyText"), text("BranchText"), text("RankText"))
                                 .arg(main.store().GetInt(QStringLiteral("Term")))
                                 .arg(text("AgeText"), ending(main));
        if (!options.quiet) {
            std::printf("%s\n", line.toUtf8().constData());
            std::fflush(stdout);
        }
        if (!options.outDir.isEmpty())
            if (auto error = saveCharacter(main, host, QDir(options.outDir), i + 1, options.pdf))
                return error;
        if (options.inspect)
            options.inspect(main, i, seed);
    }
    return std::nullopt;
}
