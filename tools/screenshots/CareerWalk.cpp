#include "tools/screenshots/CareerWalk.h"

#include "tools/screenshots/Camera.h"
#include "tools/screenshots/DialogAnswerer.h"
#include "wizard/Main.h"
#include "wizard/widgets/MainWindow.h"

#include <QApplication>

#include <cstdio>
#include <initializer_list>
#include <vector>

namespace {

// What each page shows, for its file name; page 5 never rests on screen.
const char* const PageWhat[Form::PageCount] = {
    "enlistment",       "academy",    "honours",      "branch-choice", "branch-roll",  "assignment",
    "officer-training", "command",    "special-duty", "cross-training", "reenlistment", "specialist-school",
    "ocs-branch",       "aide",       "final",        "survival",       "skill",        "mustering-out",
};

// The pages a walk must photograph: all but the assignment cycle.
bool photographed(int page)
{
    return page != 5;
}

// Past this many moves a character is stuck.
constexpr int MaxMoves = 3000;

} // namespace

// A character as the walk plays it: who it is, the characteristics "Roll"
// gives it (twelve dice, two for each), and the choices before service.
struct CharacterPlan {
    const char* name;
    int sex;       // SexRadioButton member
    int techLevel; // HomeTLPopupMenu item
    std::vector<int> characteristics;
    int navy;   // ServiceRadioButton member
    int school; // NARadioButton member: academy, college, enlistment
    bool notc;
    bool honours;
    std::vector<int> aims; // the pages this character is for
};

namespace {

const std::vector<CharacterPlan>& plans()
{
    static const std::vector<CharacterPlan> all = {
        // An academy graduate with honours and Social 11: chooses a branch,
        // trains as an officer, tries command, picks special duties.
        {"Ilse Varrow", 1, 0, {4, 4, 4, 5, 4, 4, 4, 5, 4, 5, 5, 6}, 0, 0, false, true,
         {0, 1, 2, 3, 6, 7, 8, 10, 13, 14, 15, 16, 17}},
        // Enlisted with Social 11: cross-trains, goes to specialist school,
        // then picks a branch among those trained in.
        {"Tomas Quell", 0, 2, {4, 5, 4, 4, 4, 5, 3, 4, 3, 4, 5, 6}, 2, 2, false, false, {3, 8, 9, 10, 11, 12, 15, 16, 17}},
        // A college graduate in NOTC with Social 7: the branch is rolled.
        {"Dara Moss", 1, 4, {3, 4, 4, 4, 4, 4, 4, 4, 5, 5, 3, 4}, 1, 1, true, false, {4, 6, 7, 10, 17}},
    };
    return all;
}

} // namespace

CareerWalk::CareerWalk(MainWindow& window, Camera& camera, DialogAnswerer& dialogs, std::uint64_t seed)
    : window_(window), main_(window.main()), dice_(window.main().engine().dice()), camera_(camera), dialogs_(dialogs),
      seed_(seed)
{
    // Entering the assignment cycle rolls the assignment first: two sixes
    // make it a special duty, while the character still has one to show.
    // The page signal comes before the page's entry logic runs.
    QObject::connect(&main_.form(), &Form::pageChanged, &window_, [this](int page) {
        if (page == 5 && steerToSpecialDuty_ && dice_.queued() == 0)
            queue({6, 6});
    });
}

QString CareerWalk::shotName(int page)
{
    return QStringLiteral("page-%1-%2").arg(page, 2, 10, QLatin1Char('0')).arg(QLatin1String(PageWhat[page]));
}

bool CareerWalk::missing(int page) const
{
    return photographed(page) && !camera_.took(shotName(page));
}

bool CareerWalk::aimsMissing(const CharacterPlan& plan, std::initializer_list<int> pages) const
{
    for (int page : pages)
        for (int aim : plan.aims)
            if (aim == page && missing(page))
                return true;
    return false;
}

void CareerWalk::queue(std::initializer_list<int> faces)
{
    for (int face : faces)
        dice_.queue(face);
}

bool CareerWalk::usable(const QString& name, int index)
{
    const Control* control = main_.form().find(name, index);
    return control != nullptr && main_.usable(*control);
}

int CareerWalk::anyUsable(const QString& group)
{
    std::vector<int> members;
    for (const Control* member : main_.form().group(group))
        if (main_.usable(*member))
            members.push_back(member->index());
    if (members.empty())
        return -1;
    return members[std::uniform_int_distribution<size_t>(0, members.size() - 1)(choices_)];
}

void CareerWalk::photographShownPage()
{
    QApplication::processEvents();
    const int page = main_.form().currentPage();
    // Page 0 is empty until "Roll" shows its placard.
    if (page == 0 && !main_.form().at(QStringLiteral("NavyPlacard")).visible())
        return;
    if (missing(page))
        camera_.shoot(&window_, shotName(page));
}

std::optional<QString> CareerWalk::run(int maxCharacters)
{
    camera_.shoot(&window_, QStringLiteral("page-00-before-roll"));
    int played = 0;
    for (; played < maxCharacters; ++played) {
        bool done = dialogs_.sawSkillPicker() && dialogs_.sawWeaponDialog();
        for (int page = 0; page < Form::PageCount && done; ++page)
            done = !missing(page);
        if (done)
            break;
        dice_.reseed(seed_ + static_cast<std::uint64_t>(played));
        choices_.seed(seed_ + static_cast<std::uint64_t>(played));
        if (auto error = playCharacter(plans()[static_cast<size_t>(played) % plans().size()]))
            return error;
    }
    QStringList missed;
    for (int page = 0; page < Form::PageCount; ++page)
        if (missing(page))
            missed << QStringLiteral("page %1 (%2)").arg(page).arg(QLatin1String(PageWhat[page]));
    if (!dialogs_.sawSkillPicker())
        missed << QStringLiteral("the skill picker");
    if (!dialogs_.sawWeaponDialog())
        missed << QStringLiteral("the weapon dialog");
    if (!missed.isEmpty())
        return QStringLiteral("not reached by the %1 characters played: %2").arg(played).arg(missed.join(QStringLiteral(", ")));
    std::fprintf(stderr, "screenshots: every page reached by %d characters\n", played);
    return std::nullopt;
}

std::optional<QString> CareerWalk::playCharacter(const CharacterPlan& plan)
{
    main_.type(QStringLiteral("NameText"), QString::fromUtf8(plan.name));
    main_.select(QStringLiteral("SexRadioButton"), plan.sex);
    main_.popup(QStringLiteral("HomeTLPopupMenu"), plan.techLevel);
    dice_.clearQueue();
    for (int face : plan.characteristics)
        dice_.queue(face);
    main_.press(QStringLiteral("UPPButton"));
    photographShownPage();
    for (int moves = 0; main_.form().currentPage() != 14; ++moves) {
        if (moves == MaxMoves)
            return QStringLiteral("%1 is stuck on page %2").arg(QString::fromUtf8(plan.name)).arg(main_.form().currentPage());
        steerToSpecialDuty_ = aimsMissing(plan, {8, 9, 11, 13});
        if (auto error = move(plan))
            return error;
        photographShownPage();
    }
    return std::nullopt;
}

std::optional<QString> CareerWalk::move(const CharacterPlan& plan)
{
    const auto pick = [this](const char* group, int member) {
        if (member >= 0)
            main_.select(QLatin1String(group), member);
    };
    const int page = main_.form().currentPage();
    dice_.clearQueue();
    switch (page) {
    case 0: // enlists at the first attempt
        pick("ServiceRadioButton", plan.navy);
        queue({6, 6});
        break;
    case 1: {
        pick("NARadioButton", plan.school);
        if (plan.notc && usable(QStringLiteral("NACheckBox")))
            main_.check(QStringLiteral("NACheckBox"), true);
        const int honours = plan.honours ? 6 : 1;
        if (plan.school == 0)
            queue({6, 6, 6, 6, honours, honours}); // admitted, graduates
        else if (plan.school == 1 && plan.notc)
            queue({6, 6, 6, 6, 6, 6, honours, honours}); // admitted, graduates, NOTC
        else if (plan.school == 1)
            queue({6, 6, 6, 6, honours, honours});
        break;
    }
    case 2:
        pick("HonorsRadioButton", 2); // neither school
        break;
    case 3:
        // Line or Crew offers the survival modifier on most assignments.
        pick("BranchSocRadioButton", usable(QStringLiteral("BranchSocRadioButton"), 0) ? 0 : anyUsable("BranchSocRadioButton"));
        break;
    case 6:
        pick("OfficerRadioButton", anyUsable("OfficerRadioButton"));
        break;
    case 7:
        pick("CommandRadioButton", 0);
        break;
    case 8: {
        // The duty roll, for the special duty page still to be shown.
        const bool officer = main_.store().GetBool(QStringLiteral("Officer"));
        main_.check(QStringLiteral("SpecialDutyCheckBox"), false);
        if (officer && missing(13))
            queue({4, 6}); // attaché or aide, then the aide's post
        else if (!officer && missing(9))
            queue({1}); // cross-training
        else if (!officer && missing(11))
            queue({2}); // specialist school
        break;
    }
    case 9:
        pick("BranchXTRadioButton", anyUsable("BranchXTRadioButton"));
        break;
    case 10: {
        // Serves on while the character has pages left to show.
        const int term = main_.store().GetInt(QStringLiteral("Term"));
        bool stays = false;
        for (int aim : plan.aims)
            stays = stays || (aim != 10 && aim != 14 && aim != 17 && missing(aim));
        if (stays && term < 6 && usable(QStringLiteral("ReenlistRadioButton"), 0)) {
            pick("ReenlistRadioButton", 0);
            queue({6, 6});
        } else {
            pick("ReenlistRadioButton", 1);
            queue({1, 1}); // only a twelve keeps a character in service
        }
        break;
    }
    case 12:
        pick("BranchOCSRadioButton", anyUsable("BranchOCSRadioButton"));
        break;
    case 13:
        pick("AideRadioButton", 4); // training, in command
        if (usable(QStringLiteral("AideCheckBox")))
            main_.check(QStringLiteral("AideCheckBox"), true);
        break;
    case 15:
        main_.popup(QStringLiteral("SurvivalPopupMenu"), 0);
        queue({6, 6}); // survives
        break;
    case 16:
        pick("SkillRadioButton", anyUsable("SkillRadioButton"));
        break;
    case 17:
        if (!dialogs_.sawWeaponDialog() && usable(QStringLiteral("MusterRadioButton"), 0)) {
            pick("MusterRadioButton", 0);
            main_.check(QStringLiteral("MusterCheckbox"), false);
            queue({4}); // a blade
        } else {
            pick("MusterRadioButton", anyUsable("MusterRadioButton"));
        }
        break;
    default: // pages 4 and 11 need no choice
        break;
    }
    if (main_.form().currentPage() != page)
        return std::nullopt; // a choice moved the page on
    Control* next = main_.continueButton();
    if (next == nullptr || !main_.usable(*next))
        return QStringLiteral("%1: Continue cannot be pressed on page %2").arg(QString::fromUtf8(plan.name)).arg(page);
    main_.press(next->name());
    return std::nullopt;
}
