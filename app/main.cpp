// Corvantis: start-up. The application object builds the menu bar and opens
// the main window, which locates the two databases in the resource folder.
// A file named on the command line is how the Linux desktop asks for a
// character file to be opened; the program takes no other arguments.
#include "app/widgets/App.h"

#include <cstdio>

int main(int argc, char** argv)
{
    App app(argc, argv);
    app.start();
    // Qt has already taken its own options out of the arguments.
    const QStringList arguments = App::arguments().mid(1);
    if (!arguments.isEmpty())
        app.Event_OpenDocument(arguments.front());
    if (arguments.size() > 1)
        std::fprintf(stderr, "corvantis: opens one character file; ignoring the other arguments\n");
    return App::exec();
}
