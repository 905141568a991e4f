#include "app/widgets/App.h"

#include "app/widgets/AboutBox.h"
#include "app/widgets/AppFont.h"
#include "app/widgets/LogWindow.h"
#include "app/widgets/MenuBar1.h"
#include "app/widgets/SkillBrowser.h"
#include "store/CharacterDatabaseLocation.h"
#include "store/ResourceFolder.h"
#include "wizard/Main.h"
#include "wizard/widgets/MainWindow.h"

#include "charfile/CharacterFile.h"
#include "print/CharacterSheet.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileOpenEvent>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QFont>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <utility>

App::App(int& argc, char** argv, const QString& resourceFolder) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Corvantis"));
    setApplicationVersion(QStringLiteral("%1.%2").arg(CORVANTIS_VERSION_MAJOR).arg(CORVANTIS_VERSION_MINOR));
    setFont(applicationFont());
    resources_ = resourceFolder.isEmpty() ? GetResourceFolder(applicationFilePath()) : resourceFolder;
}

App::~App()
{
    window_.reset();
}

void App::start()
{
    window_ = std::make_unique<MainWindow>(dice_);
    window_->main().Event_Open(resources_);
    // An installed bundle is read-only to its user, so the character then
    // lives in a copy in the user's data folder.
    const CharacterDatabaseLocation characters =
        characterDatabasePath(resources_, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!characters.problem.isEmpty())
        qWarning("corvantis: %s", qPrintable(characters.problem));
    window_->main().store().setFile(characters.path);
    shell_ = std::make_unique<Shell>(window_->main(), this);
    buildMenuBar();
    window_->show();
    for (const QString& path : std::exchange(pendingOpens_, {}))
        Event_OpenDocument(path);
}

void App::buildMenuBar()
{
    // What each item does; items not listed belong to later features.
    const QHash<QString, std::function<bool()>> handlers = {
        {"AboutMenuItem", [this] { return _AboutMenuItem_Action(); }},
        {"ShowLogMenuItem", [this] { return _ShowLogMenuItem_Action(); }},
        {"FilePrintMenuItem", [this] { return _FilePrintMenuItem_Action(); }},
        {"FilePageSetupMenuItem", [this] { return _FilePageSetupMenuItem_Action(); }},
        {"ShowSkillsMenuItem", [this] { return _ShowSkillsMenuItem_Action(); }},
        {"FileOpenMenuItem", [this] { return _FileOpenMenuItem_Action(); }},
        {"FileSaveMenuItem", [this] { return _FileSaveMenuItem_Action(); }},
        {"FileQuit", [this] { return window_->close(); }},
    };
    // The Edit items act on whichever text field has the keyboard focus.
    const QHash<QString, std::function<void(QLineEdit*)>> editing = {
        {"EditUndo", &QLineEdit::undo},   {"EditCut", &QLineEdit::cut},
        {"EditCopy", &QLineEdit::copy},   {"EditPaste", &QLineEdit::paste},
        {"EditClear", &QLineEdit::del},   {"EditSelectAll", &QLineEdit::selectAll},
    };

    QMenuBar* bar = window_->menuBar();
    QHash<QString, QMenu*> menus;
    int count = 0;
    const MenuItemSpec* items = menuBar1Items(&count);
    for (int i = 0; i < count; ++i) {
        const MenuItemSpec& item = items[i];
        QMenu*& menu = menus[QLatin1String(item.menu)];
        if (menu == nullptr) {
            menu = bar->addMenu(QString::fromUtf8(item.menuText));
            menu->setObjectName(QLatin1String(item.menu));
        }
        if (item.name == nullptr) {
            menu->addSeparator();
            continue;
        }
        const QString name = QLatin1String(item.name);
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(name);
        action->setShortcut(item.shortcut);
        items_.insert(name, action);
        if (const auto handler = handlers.value(name)) {
            connect(action, &QAction::triggered, this, [this, handler] { window_->main().action([&] { handler(); }); });
        } else if (const auto edit = editing.value(name)) {
            connect(action, &QAction::triggered, this, [edit] {
                if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                    edit(field);
            });
        }
    }
    menuTextsChanged();
}

void App::menuTextsChanged()
{
    if (QAction* log = items_.value(QStringLiteral("ShowLogMenuItem")))
        log->setText(shell_->showLogText());
    if (QAction* skills = items_.value(QStringLiteral("ShowSkillsMenuItem")))
        skills->setText(shell_->showSkillsText());
}

void App::placeBesideMainWindow(QWidget* window)
{
    const QRect frame = window_->frameGeometry();
    window->move(frame.right() + 8, frame.top());
}

LogWindow& App::logWindow()
{
    if (log_ == nullptr) {
        log_ = new LogWindow(window_->main().log(), window_.get());
        connect(log_, &LogWindow::closed, this, [this] { shell_->logWindowClosed(); });
        placeBesideMainWindow(log_);
    }
    return *log_;
}

void App::setLogWindowVisible(bool visible)
{
    logWindow().setVisible(visible);
}

void App::setSkillsWindowVisible(bool visible)
{
    if (skills_ == nullptr) {
        Main& main = window_->main();
        skills_ = new SkillBrowser(
            [&main] {
                QStringList names;
                main.action([&] { names = main.engine().GetAllSkills(); });
                return names;
            },
            [&main](const QString& skill) {
                QString text;
                main.action([&] { text = main.engine().GetSkillDescription(skill); });
                return text;
            },
            window_.get());
        connect(skills_, &SkillBrowser::closed, this, [this] { shell_->skillsWindowClosed(); });
    }
    skills_->setVisible(visible);
    if (visible)
        skills_->raise();
}

void App::showAboutBox()
{
    if (about_ == nullptr)
        about_ = new AboutBox(resources_, window_.get());
    about_->show();
    about_->raise();
}

bool App::_AboutMenuItem_Action() { return shell_->_AboutMenuItem_Action(); }
bool App::_ShowLogMenuItem_Action() { return shell_->_ShowLogMenuItem_Action(); }
bool App::_ShowSkillsMenuItem_Action() { return shell_->_ShowSkillsMenuItem_Action(); }

namespace {

// Where the file dialogs start: the Documents folder, or the home folder
// on a desktop that has none.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

QString characterFilter()
{
    return QStringLiteral("%1 (*%2)").arg(QLatin1String(charfile::TypeName), QLatin1String(charfile::Extension));
}

// A short readable account of a page setup: paper, orientation, margins.
QString describePageLayout(const QPageLayout& layout)
{
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    return QStringLiteral("%1;%2;%3,%4,%5,%6")
        .arg(layout.pageSize().key(),
             layout.orientation() == QPageLayout::Landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait"))
        .arg(margins.left())
        .arg(margins.top())
        .arg(margins.right())
        .arg(margins.bottom());
}

} // namespace

bool App::_FileSaveMenuItem_Action()
{
    Main& main = window_->main();
    QFileDialog dialog(window_.get(), QStringLiteral("Save Character Data"),
                       QDir(documentsFolder()).filePath(main.file().suggestedFileName()), characterFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(charfile::Extension).mid(1));
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        main.file().DoSave(dialog.selectedFiles().front());
    return true;
}

bool App::_FileOpenMenuItem_Action()
{
    QFileDialog dialog(window_.get(), QStringLiteral("Select a Character File"), documentsFolder(), characterFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setWindowModality(Qt::WindowModal);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    window_->main().file().DoOpen(chosen ? dialog.selectedFiles().front() : QString());
    return true;
}

void App::Event_OpenDocument(const QString& path)
{
    if (!window_) {
        pendingOpens_ << path;
        return;
    }
    Main& main = window_->main();
    main.action([&] { main.file().DoOpen(path); });
}

bool App::event(QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        Event_OpenDocument(static_cast<QFileOpenEvent*>(event)->file());
        return true;
    }
    return QApplication::event(event);
}

bool App::_FilePageSetupMenuItem_Action()
{
    auto setup = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (PrintSetup)
        setup->setPageLayout(PrintSetup->pageLayout());
    QPageSetupDialog dialog(setup.get(), window_.get());
    if (dialog.exec() == QDialog::Accepted) {
        PrintSettings = describePageLayout(setup->pageLayout());
        PrintSetup = std::move(setup);
    }
    return true;
}

bool App::_FilePrintMenuItem_Action()
{
    QPrinter printer(QPrinter::HighResolution);
    if (PrintSetup) {
        printer.setPrinterName(PrintSetup->printerName());
        printer.setPageLayout(PrintSetup->pageLayout());
    }
    QPrintDialog dialog(&printer, window_.get());
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return true;
    printCharacterSheet(printer, window_->main().sheetData());
    return true;
}
