// The secondary windows: the log shows the term lines in bold and keeps its
// text across hide and show; the about box shows the build's version.
#include "app/widgets/AboutBox.h"
#include "app/widgets/LogWindow.h"
#include "app/widgets/SkillBrowser.h"
#include "wizard/LogModel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

TEST(LogWindowTest, MirrorsTheLogWithOnlyTheTermLinesBold)
{
    LogModel log;
    log.append("Age=18");
    LogWindow window(log, nullptr); // created after the first line: shows it too
    log.append("Term 0 Assignment 0");
    log.boldLast();
    log.append("Successfully enlisted in Imperial Navy");
    auto* text = window.findChild<QTextEdit*>("LogTextArea");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText(), "Age=18\nTerm 0 Assignment 0\nSuccessfully enlisted in Imperial Navy");
    const QTextDocument* doc = text->document();
    EXPECT_EQ(doc->findBlockByNumber(0).charFormat().fontWeight(), QFont::Normal);
    EXPECT_EQ(doc->findBlockByNumber(1).begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(doc->findBlockByNumber(2).begin().fragment().charFormat().fontWeight(), QFont::Normal);

    window.hide();
    window.show();
    EXPECT_EQ(text->document()->blockCount(), 3);
    log.clear();
    EXPECT_TRUE(text->toPlainText().isEmpty());
}

TEST(AboutBoxTest, ShowsMajorDotMinor)
{
    EXPECT_EQ(AboutBox::versionText(1, 2), "Version 1.2");
    AboutBox box(QString(), nullptr);
    EXPECT_EQ(box.windowTitle(), "About Corvantis");
    EXPECT_EQ(box.size(), QSize(428, 201));
    auto* version = box.findChild<QLineEdit*>("AboutVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), AboutBox::versionText(CORVANTIS_VERSION_MAJOR, CORVANTIS_VERSION_MINOR));
}

TEST(SkillBrowserTest, ListsEverySkillOnceSortedAndDescribesTheSelectedOne)
{
    int reads = 0;
    SkillBrowser browser([&] { ++reads; return QStringList({"Pilot", "Admin", "Vacc Suit"}); },
                         [](const QString& skill) { return "About " + skill; }, nullptr);
    auto* list = browser.findChild<QListWidget*>("SkillsListbox");
    auto* text = browser.findChild<QTextEdit*>("SkillsTextArea1");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(text, nullptr);
    browser.Event_Activate();
    list->setCurrentRow(1);
    EXPECT_EQ(text->toPlainText(), "About Pilot");
    // Coming back to the window reads the skills again, without doubling
    // them and without losing the one being read.
    browser.Event_Activate();
    browser.Event_Activate();
    EXPECT_EQ(reads, 3);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    EXPECT_EQ(shown, QStringList({"Admin", "Pilot", "Vacc Suit"}));
    EXPECT_EQ(text->toPlainText(), "About Pilot");
    list->setCurrentRow(2);
    EXPECT_EQ(text->toPlainText(), "About Vacc Suit");
    list->clearSelection();
    EXPECT_EQ(text->toPlainText(), "");
}

} // namespace
