#include "app/Shell.h"

#include "wizard/Main.h"

namespace {
const QString ShowLog = QStringLiteral("Show Log");
const QString HideLog = QStringLiteral("Hide Log");
const QString ShowSkills = QStringLiteral("Show Skills");
const QString HideSkills = QStringLiteral("Hide Skills");
} // namespace

Shell::Shell(Main& main, ShellView* view) : main_(main), view_(view)
{
    // The log window comes into being with the first line or reset.
    connect(&main_.log(), &LogModel::touched, this, [this] { ensureLogWindow(); });
}

void Shell::ensureLogWindow()
{
    if (logCreated_)
        return;
    logCreated_ = true;
    // A new log window is shown, and says so in the menu.
    if (view_)
        view_->setLogWindowVisible(true);
    setTexts(HideLog, showSkillsText_);
}

void Shell::setTexts(const QString& log, const QString& skills)
{
    showLogText_ = log;
    showSkillsText_ = skills;
    if (view_)
        view_->menuTextsChanged();
}

bool Shell::_ShowLogMenuItem_Action()
{
    if (showLogText_ == ShowLog) {
        const bool wasCreated = logCreated_;
        ensureLogWindow();
        if (wasCreated && view_)
            view_->setLogWindowVisible(true);
        setTexts(HideLog, showSkillsText_);
    } else if (showLogText_ == HideLog) {
        if (view_)
            view_->setLogWindowVisible(false);
        setTexts(ShowLog, showSkillsText_);
    }
    return true;
}

bool Shell::_ShowSkillsMenuItem_Action()
{
    if (showSkillsText_ == ShowSkills) {
        if (view_)
            view_->setSkillsWindowVisible(true);
        setTexts(showLogText_, HideSkills);
    } else if (showSkillsText_ == HideSkills) {
        if (view_)
            view_->setSkillsWindowVisible(false);
        setTexts(showLogText_, ShowSkills);
    }
    return true;
}

bool Shell::_AboutMenuItem_Action()
{
    if (view_)
        view_->showAboutBox();
    return true;
}

void Shell::logWindowClosed()
{
    setTexts(ShowLog, showSkillsText_);
}

void Shell::skillsWindowClosed()
{
    setTexts(showLogText_, ShowSkills);
}
