#include "wizard/Main.h"

#include "wizard/Host.h"

#include <QDir>

namespace {

const char* headerControl(HeaderField field)
{
    switch (field) {
    case HeaderField::Str: return "StrText";
    case HeaderField::Dex: return "DexText";
    case HeaderField::End: return "EndText";
    case HeaderField::Int: return "IntText";
    case HeaderField::Edu: return "EduText";
    case HeaderField::Soc: return "SocText";
    case HeaderField::Nobility: return "NobilityText";
    case HeaderField::Age: return "AgeText";
    case HeaderField::Navy: return "NavyText";
    case HeaderField::Branch: return "BranchText";
    case HeaderField::Rank: return "RankText";
    case HeaderField::Term: return "TermText";
    }
    return "";
}

// Each page's Continue button, by page number (page 5 and page 14 have none).
const char* const ContinueButtons[Form::PageCount] = {
    "ServiceButton", "NAButton",       "HonorsButton",      "BranchSocButton", "BranchDMButton", nullptr,
    "OfficerButton", "CommandButton",  "SpecialDutyButton", "BranchXTButton",  "ReenlistButton", "SpecialistButton",
    "BranchOCSButton", "AideButton",   nullptr,             "SurvivalButton",  "SkillButton",    "MusterButton",
};

} // namespace

Main::Main(Dice& dice, Host& host)
    : dice_(dice), host_(host), store_(this), rules_(this), engine_(store_, rules_, dice_, *this),
      file_(store_, *this)
{
    pressHandlers_.insert(QStringLiteral("UPPButton"), [this] { UPPButton_Action(); });
    registerEnlistment();
    registerAcademy();
    registerHonours();
    registerBranchPages();
    registerFirstTerm();
    registerAssignmentPages();
    registerSpecialDutyPages();
    registerSurvivalAndSkillPages();
    registerReenlistment();
    registerMusteringOut();
}

Main::~Main() = default;

void Main::Event_Open(const QString& resourceFolder)
{
    resourceFolder_ = resourceFolder;
    const QDir folder(resourceFolder);
    rules_.setFile(folder.filePath(QStringLiteral("staticdata.rsd")));
    store_.setFile(folder.filePath(QStringLiteral("chardata.rsd")));
}

void Main::Event_Close()
{
    action([this] { ResetData(); });
}

// ---- user actions ----------------------------------------------------------

void Main::action(const std::function<void()>& f)
{
    ++actionDepth_;
    f();
    if (--actionDepth_ == 0)
        flushMessages();
}

void Main::databaseError(int code, const QString& message)
{
    pendingErrors_ << databaseErrorText(code, message);
    if (actionDepth_ == 0)
        flushMessages();
}

void Main::flushMessages()
{
    if (pendingErrors_.isEmpty())
        return;
    // One box per distinct message, in order of first occurrence, so that a
    // dead database costs the user one box per action, not thirty.
    QStringList distinct;
    QList<int> counts;
    for (const QString& text : std::as_const(pendingErrors_)) {
        const auto at = distinct.indexOf(text);
        if (at < 0) {
            distinct << text;
            counts << 1;
        } else {
            ++counts[at];
        }
    }
    pendingErrors_.clear();
    for (qsizetype i = 0; i < distinct.size(); ++i)
        if (counts[i] > 1)
            distinct[i] += QStringLiteral("\n\n(%1 times)").arg(counts[i]);
    host_.showMessages(distinct);
}

bool Main::usable(const Control& control) const
{
    if (!control.enabled() || !control.visible())
        return false;
    if (control.page() < 0)
        return true;
    if (control.page() != form_.currentPage())
        return false;
    const Control* placard = const_cast<Form&>(form_).placard(control.page());
    return placard == nullptr || placard->visible();
}

void Main::type(const QString& name, const QString& text)
{
    action([&] { form_.at(name).setCaption(text); });
}

void Main::select(const QString& name, int index)
{
    action([&] {
        form_.at(name, index).setChecked(true);
        if (auto handler = selectHandlers_.value(name))
            handler(index);
    });
}

void Main::check(const QString& name, bool on)
{
    action([&] {
        form_.at(name).setChecked(on);
        if (auto handler = checkHandlers_.value(name))
            handler(on);
    });
}

void Main::popup(const QString& name, int item)
{
    action([&] { form_.at(name).setCurrentItem(item); });
}

void Main::press(const QString& name)
{
    action([&] {
        if (auto handler = pressHandlers_.value(name))
            handler();
    });
}

Control* Main::continueButton()
{
    const char* name = ContinueButtons[form_.currentPage()];
    return name ? form_.find(QLatin1String(name)) : nullptr;
}

// ---- EngineView ---------------------------------------------------------------

void Main::setHeaderText(HeaderField field, const QString& text)
{
    form_.at(QLatin1String(headerControl(field))).setCaption(text);
}

QString Main::headerText(HeaderField field) const
{
    return const_cast<Form&>(form_).at(QLatin1String(headerControl(field))).caption();
}

QString Main::pickSkill(const QString& label, const QStringList& offered, const Describe& describe)
{
    return host_.pickSkill(label, offered, describe);
}

void Main::notify(const QString& text)
{
    pendingErrors_ << text;
    if (actionDepth_ == 0)
        flushMessages();
}

Sex Main::selectedSex() const
{
    switch (form_.selectedIndex(QStringLiteral("SexRadioButton"))) {
    case 0: return Sex::Male;
    case 1: return Sex::Female;
    default: return Sex::None;
    }
}

int Main::homeTechLevel() const
{
    return const_cast<Form&>(form_).at(QStringLiteral("HomeTLPopupMenu")).currentText().toInt();
}

void Main::appendLog(const QString& line)
{
    log_.append(line);
}

void Main::boldLastLogLine()
{
    log_.boldLast();
}

// ---- shared steps of the pages ----------------------------------------------

void Main::ageStep(int years)
{
    const int age = store_.GetInt(QStringLiteral("Age")) + years;
    store_.SaveInt(QStringLiteral("Age"), age);
    setHeaderText(HeaderField::Age, QString::number(age));
    engine_.AddToLog(QStringLiteral("Age=") + QString::number(age));
}

void Main::educationStep(int gain)
{
    engine_.AddToLog(QStringLiteral("Edu +") + QString::number(gain));
    const int education = store_.GetInt(QStringLiteral("Education")) + gain;
    store_.SaveInt(QStringLiteral("Education"), education);
    setHeaderText(HeaderField::Edu, Module1::Hx(education));
}

void Main::setEnabled(std::initializer_list<const char*> names, bool enabled)
{
    for (const char* name : names)
        form_.at(QLatin1String(name)).setEnabled(enabled);
}

bool Main::selected(const char* group, int index)
{
    return form_.at(QLatin1String(group), index).checked();
}

void Main::enablingGroup(const char* group, const char* button, int members)
{
    const QString buttonName = QLatin1String(button);
    selectHandlers_.insert(QLatin1String(group), [this, buttonName, members](int index) {
        form_.at(buttonName).setEnabled(index >= 0 && index < members);
    });
}

// ---- the page panel --------------------------------------------------------

void Main::setPage(int page)
{
    form_.setCurrentPage(page);
    // Entry logic runs at once, also when the page set is the one shown:
    // the assignment cycle and "Roll" both rely on it.
    PagePanel1_Change();
}

void Main::PagePanel1_Change()
{
    const int page = form_.currentPage();
    if (page == 4 || page == 8 || page == 11 || page == 15) {
        if (Control* button = continueButton()) {
            button->setEnabled(true);
            button->setDefault(true);
        }
    }
    if (auto entry = entryLogic_.value(page))
        entry();
}

void Main::ResetData()
{
    static const char* const characteristics[][2] = {
        {"Strength", "StrText"},     {"Dexterity", "DexText"}, {"Endurance", "EndText"},
        {"Intelligence", "IntText"}, {"Education", "EduText"}, {"Social", "SocText"},
    };
    for (const auto& [attribute, field] : characteristics) {
        store_.SaveInt(QLatin1String(attribute), 0);
        form_.at(QLatin1String(field)).setCaption(QString());
    }
    form_.at(QStringLiteral("NobilityText")).setCaption(QString());
    store_.SaveInt(QStringLiteral("Age"), 0);
    form_.at(QStringLiteral("AgeText")).setCaption(QString());
    store_.SaveInt(QStringLiteral("Term"), 0);
    form_.at(QStringLiteral("TermText")).setCaption(QString());
    store_.SaveInt(QStringLiteral("Assignment"), 0);

    for (const char* flag : {"Academy", "Honors", "College", "NOTC", "Medic", "Flight"})
        store_.SaveBool(QLatin1String(flag), false);
    store_.SaveInt(QStringLiteral("Rank"), 0);
    store_.SaveBool(QStringLiteral("Officer"), false);
    form_.at(QStringLiteral("RankText")).setCaption(QString());

    store_.SaveBool(QStringLiteral("Retired"), false);
    store_.SaveInt(QStringLiteral("Pension"), 0);
    form_.at(QStringLiteral("NavyText")).setCaption(QString());
    store_.SaveStr(QStringLiteral("NavyType"), QString());
    form_.at(QStringLiteral("BranchText")).setCaption(QString());
    store_.SaveStr(QStringLiteral("Branch"), QString());

    store_.DeleteSkills();
    store_.DeleteDecorations();
    store_.DeleteSAs();
    store_.DeleteBenefits();
    store_.SaveInt(QStringLiteral("Cash"), 0);
    store_.DeleteXT();

    engine_.flags.reset();
    file_.clearDates();

    form_.at(QStringLiteral("ServiceRadioButton"), 0).setChecked(true);

    // Undo what refused admissions disabled for the previous character.
    for (int i : {0, 1}) {
        form_.at(QStringLiteral("NARadioButton"), i).setEnabled(true);
        form_.at(QStringLiteral("HonorsRadioButton"), i).setEnabled(true);
    }
    for (const char* name : {"NALabel1", "NALabel2", "NALabel3", "CollegeLabel1", "CollegeLabel2", "CollegeLabel3",
                             "NACheckBox", "HonorsLabel1", "HonorsLabel2", "HonorsLabel3", "HonorsLabel4",
                             "HonorsLabel5", "HonorsLabel6"})
        form_.at(QLatin1String(name)).setEnabled(true);

    form_.at(QStringLiteral("NavyPlacard")).setVisible(false);
    setPage(0);
    log_.clear();
}
