// Corvantis: start-up. The application object builds the menu bar and opens
// the main window, which locates the two databases in the resource folder.
#include "app/widgets/App.h"

int main(int argc, char** argv)
{
    App app(argc, argv);
    app.start();
    return App::exec();
}
