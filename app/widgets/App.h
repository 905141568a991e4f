#pragma once
// The application object: the main window, the menu bar and its handlers,
// and the secondary windows (log, skill browser, about box), each created on
// first use and then kept.

#include "app/Shell.h"
#include "engine/Dice.h"

#include <QApplication>
#include <QHash>
#include <QPointer>

#include <memory>

class AboutBox;
class LogWindow;
class MainWindow;
class QAction;
class QPrinter;
class SkillBrowser;

class App : public QApplication, public ShellView {
    Q_OBJECT
public:
    // The resource folder is the bundle's, found from the executable, unless
    // a tool that lives outside the bundle names one.
    App(int& argc, char** argv, const QString& resourceFolder = QString());
    ~App() override;

    // Builds the menus and the main window and shows it.
    void start();

    // ShellView
    void setLogWindowVisible(bool visible) override;
    void setSkillsWindowVisible(bool visible) override;
    void showAboutBox() override;
    void menuTextsChanged() override;

    bool _AboutMenuItem_Action();
    bool _ShowLogMenuItem_Action();
    bool _FilePrintMenuItem_Action();
    bool _FilePageSetupMenuItem_Action();
    bool _ShowSkillsMenuItem_Action();
    bool _FileOpenMenuItem_Action();
    bool _FileSaveMenuItem_Action();

    // The desktop asks for a file to be opened: from the command line on
    // Linux (`corvantis FILE.vcx2`), by a file-open event on the Mac.
    void Event_OpenDocument(const QString& path);

    // Printing: the last confirmed page setup, kept until the program quits.
    QString PrintSettings;
    std::unique_ptr<QPrinter> PrintSetup;

protected:
    bool event(QEvent* event) override;

private:
    void buildMenuBar();
    LogWindow& logWindow();
    void placeBesideMainWindow(QWidget* window);

    Dice dice_;
    QString resources_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<Shell> shell_;
    LogWindow* log_ = nullptr;
    SkillBrowser* skills_ = nullptr;
    AboutBox* about_ = nullptr;
    QHash<QString, QAction*> items_;
    QStringList pendingOpens_; // files the desktop handed over before the window existed
};
