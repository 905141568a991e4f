// The window as a user sees it: every caption of the header and the pages
// fits the box the layout gives it, in the application's font.
#include "app/widgets/AppFont.h"
#include "tests/Fixtures.h"
#include "wizard/Main.h"
#include "wizard/widgets/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

TEST(Layout, EveryCaptionFitsItsBox)
{
    Dice dice(1);
    MainWindow window(dice);
    window.main().Event_Open(builtResources());
    for (const auto& control : window.main().form().controls()) {
        QWidget* widget = window.findChild<QWidget*>(control->key());
        ASSERT_NE(widget, nullptr) << qPrintable(control->key());
        const bool captioned = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget);
        if (!captioned || control->caption().isEmpty())
            continue;
        QSize needed = widget->sizeHint();
        const QSize given = widget->size();
        // A push button's hint carries the style's minimum width; what must
        // fit is its text within the bevel.
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap())
            needed = QSize(given.width(), label->heightForWidth(given.width()));
        if (qobject_cast<QPushButton*>(widget))
            needed.setWidth(widget->fontMetrics().horizontalAdvance(control->caption()) + 12);
        EXPECT_LE(needed.width(), given.width() + 4) << qPrintable(control->key()) << " \"" << qPrintable(control->caption()) << "\"";
        // Buttons draw their frame within the box; only text must not be cut.
        if (qobject_cast<QLabel*>(widget)) {
            EXPECT_LE(needed.height(), given.height() + 1) << qPrintable(control->key());
        }
    }
}

TEST(Layout, TheWindowHasTheWizardsFixedSize)
{
    Dice dice(1);
    MainWindow window(dice);
    window.show();
    EXPECT_EQ(window.centralWidget()->size(), QSize(600, 518));
    EXPECT_EQ(window.windowTitle(), "Corvantis");
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(applicationFont());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
