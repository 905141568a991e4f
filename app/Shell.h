#pragma once
// The application's menu commands and the show/hide state of its secondary
// windows, without widgets. The View menu items keep that state in their own
// texts ("Show Log" / "Hide Log"). The window application gives a ShellView
// that shows the real windows; the driver gives none.

#include <QObject>
#include <QString>

class Main;

class ShellView {
public:
    virtual ~ShellView() = default;
    virtual void setLogWindowVisible(bool visible) = 0;
    virtual void setSkillsWindowVisible(bool visible) = 0;
    virtual void showAboutBox() = 0;
    virtual void menuTextsChanged() = 0;
};

class Shell : public QObject {
    Q_OBJECT
public:
    explicit Shell(Main& main, ShellView* view = nullptr);

    const QString& showLogText() const { return showLogText_; }
    const QString& showSkillsText() const { return showSkillsText_; }
    bool logWindowCreated() const { return logCreated_; }

    bool _ShowLogMenuItem_Action();
    bool _ShowSkillsMenuItem_Action();
    bool _AboutMenuItem_Action();

    // The windows closed with their close boxes.
    void logWindowClosed();
    void skillsWindowClosed();

private:
    void ensureLogWindow();
    void setTexts(const QString& log, const QString& skills);

    Main& main_;
    ShellView* view_;
    QString showLogText_ = QStringLiteral("Show Log");
    QString showSkillsText_ = QStringLiteral("Show Skills");
    bool logCreated_ = false;
};
