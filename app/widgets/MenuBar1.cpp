#include "app/widgets/MenuBar1.h"

const MenuItemSpec* menuBar1Items(int* count)
{
    // On Linux the Command key of the original layout is Ctrl.
    static const MenuItemSpec items[] = {
        {"FileMenu", "&File", "FileOpenMenuItem", "Open Character…", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"FileMenu", "&File", nullptr, "", {}},
        {"FileMenu", "&File", "FileSaveMenuItem", "Save Character…", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"FileMenu", "&File", "FilePageSetupMenuItem", "Page &Setup…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {"FileMenu", "&File", "FilePrintMenuItem", "Print VLB Form 2…", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"FileMenu", "&File", "FileQuit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"EditMenu", "&Edit", "EditUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"EditMenu", "&Edit", nullptr, "", {}},
        {"EditMenu", "&Edit", "EditCut", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"EditMenu", "&Edit", "EditCopy", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"EditMenu", "&Edit", "EditPaste", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"EditMenu", "&Edit", "EditClear", "&Delete", {}},
        {"EditMenu", "&Edit", nullptr, "", {}},
        {"EditMenu", "&Edit", "EditSelectAll", "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"ViewMenu", "View", "ShowLogMenuItem", "Show Log", {}},
        {"ViewMenu", "View", "ShowSkillsMenuItem", "Show Skills", {}},
        {"HelpMenu", "&Help", "AboutMenuItem", "About Corvantis", {}},
        {"HelpMenu", "&Help", nullptr, "", {}},
    };
    *count = static_cast<int>(std::size(items));
    return items;
}
