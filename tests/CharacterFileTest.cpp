// The character file on its own: what is written where, how values are
// encoded, and how the reader treats files it did not write.
#include "charfile/CharacterFile.h"
#include "charfile/SafeXml.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using charfile::read;
using charfile::write;

CharacterRecord sample()
{
    CharacterRecord r;
    r.creationDate = r.modificationDate = "3/4/26";
    r.name = "Kira Vance";
    r.nobleTitle = "Baroness";
    r.characteristics = {"C", "7", "8", "9", "A", "B"};
    r.age = "34";
    r.collegeGrad = true;
    r.collegeHonors = true;
    r.cash = 25000;
    r.retired = true;
    r.pension = true;
    r.pensionAmount = 4000;
    r.homeTechLevel = 10;
    r.navy = "Imperial";
    r.branch = "Line";
    r.terms = "4";
    r.officer = true;
    r.rank = "Commander";
    r.rankNumber = 5;
    r.assignments = {{"Recruiting", 2}, {"Attache", 1}};
    r.awards = {{"MCUF", 1}};
    r.skills = {{"Pilot", 3}, {"Vacc Suit", 1}};
    r.possessions = {{"Middle Passage", 2}, {"Rovanteers' Aid", 1}};
    r.log = "Age=18\nTerm 0 Assignment 0\n";
    return r;
}

QString xml(const CharacterRecord& r = sample())
{
    return QString::fromUtf8(write(r));
}

// The value of one attribute of the first element with that name.
QString attributeOf(const QString& text, const QString& element, const QString& attribute)
{
    const QRegularExpression re("<" + element + "\\b[^>]*\\s" + attribute + "=\"([^\"]*)\"");
    const auto match = re.match(text);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("<absent>");
}

TEST(CharacterFileFormat, EncodesValuesAsTheFileCarriesThem)
{
    struct Case {
        int value;
        const char* hex;
    };
    for (const Case& c : {Case{-1, "0"}, Case{0, "0"}, Case{9, "9"}, Case{12, "C"}, Case{15, "F"}, Case{16, "F"}})
        EXPECT_EQ(charfile::hexDigit(c.value), c.hex) << c.value;

    struct Text {
        const char* text;
        int unhx;
        int decimal;
    };
    for (const Text& t : {Text{"C", 12, 0}, Text{"c", 0, 0}, Text{"7", 7, 7}, Text{"", 0, 0}, Text{"10", 0, 10},
                          Text{"42 years", 0, 42}, Text{"-7", 0, -7}, Text{"x5", 0, 0}, Text{"99999999999", 0, 2147483647},
                          Text{"-99999999999", 0, -2147483647 - 1}}) {
        EXPECT_EQ(charfile::unhx(t.text), t.unhx) << t.text;
        EXPECT_EQ(charfile::leadingInt(t.text), t.decimal) << t.text;
    }
}

TEST(CharacterFileFormat, WritesElementsAndAttributesInTheirOrder)
{
    const QString text = xml();
    EXPECT_TRUE(text.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<character_file>\n  <file_info "));
    const QStringList order = {"<file_info", "<character ", "<worlds", "<world ", "<world ", "<career", "<service",
                               "<assignments", "<assignment ", "<assignment ", "<awards", "<award ", "<skills",
                               "<skill ", "<skill ", "<possessions", "<possession ", "<possession ", "<creation_log"};
    qsizetype at = 0;
    for (const QString& tag : order) {
        const qsizetype next = text.indexOf(tag, at);
        ASSERT_GE(next, at) << qPrintable(tag) << " out of order";
        at = next + 1;
    }
    QRegularExpression attributes("<character ([^>]*)>");
    QStringList names;
    for (const auto& m : QRegularExpression("(\\w+)=\"").globalMatch(attributes.match(text).captured(1)))
        names << m.captured(1);
    EXPECT_EQ(names, QStringList({"name", "noble_title", "str", "dex", "end", "int", "edu", "soc", "age", "apparent_age",
                                  "counter_ID", "college_grad", "college_honors", "cash", "retired", "pension",
                                  "pension_amount", "VLB_member", "psionics_trained"}));
    EXPECT_EQ(attributeOf(text, "character", "str"), "C");
    EXPECT_EQ(attributeOf(text, "character", "apparent_age"), "34");
    EXPECT_EQ(attributeOf(text, "character", "counter_ID"), "");
    EXPECT_EQ(attributeOf(text, "character", "psionics_trained"), "No");
    EXPECT_EQ(attributeOf(text, "world", "UWP"), "0000000A");
    EXPECT_TRUE(text.contains("type=\"Discharge\" sector=\"\" subsector=\"\" hex_number=\"\" UWP=\"00000000\""));
    EXPECT_EQ(attributeOf(text, "assignment", "number"), "2");
    EXPECT_EQ(attributeOf(text, "skill", "level"), "3");
}

TEST(CharacterFileFormat, EmptyListsAreStillWritten)
{
    CharacterRecord r = sample();
    r.assignments.clear();
    r.awards.clear();
    r.skills.clear();
    r.possessions.clear();
    const QString text = xml(r);
    for (const char* empty : {"<assignments/>", "<awards/>", "<skills/>", "<possessions/>"})
        EXPECT_TRUE(text.contains(empty)) << empty;
    const auto back = read(text.toUtf8(), "x.vcx2");
    ASSERT_TRUE(back.record) << qPrintable(back.error);
    EXPECT_TRUE(back.record->awards.empty());
}

TEST(CharacterFileFormat, TheSecondRankNumberFollowsTheRank)
{
    struct Case {
        bool officer;
        int rank;
        const char* written;
    };
    for (const Case& c : {Case{true, 1, "1"}, Case{true, 2, "1"}, Case{true, 3, "2"}, Case{true, 6, "5"}, Case{true, 7, "6"},
                          Case{true, 8, "6"}, Case{true, 10, "6"}, Case{true, 0, "<absent>"}, Case{true, 11, "<absent>"},
                          Case{false, 3, "0"}, Case{false, 0, "0"}}) {
        CharacterRecord r = sample();
        r.officer = c.officer;
        r.rankNumber = c.rank;
        const QString text = xml(r);
        EXPECT_EQ(attributeOf(text, "service", "rank_number"), QString::number(c.rank));
        EXPECT_EQ(attributeOf(text, "service", "rovanteer_rank_number"), c.written) << c.officer << " rank " << c.rank;
    }
}

TEST(CharacterFileFormat, ReadsBackWhatItWrote)
{
    CharacterRecord r = sample();
    r.name = "Kira \"Ace\" <Vance> & Co\ttab";
    r.log = "Age=18\n  indented line\r\nquote \" amp & lt < gt >\n\nafter a blank line\n";
    const auto back = read(write(r), "x.vcx2");
    ASSERT_TRUE(back.record) << qPrintable(back.error);
    const CharacterRecord& b = *back.record;
    EXPECT_EQ(b.name, r.name);
    EXPECT_EQ(b.log, r.log);
    EXPECT_EQ(b.characteristics, r.characteristics);
    EXPECT_EQ(b.creationDate, "3/4/26");
    EXPECT_EQ(b.homeTechLevel, 10);
    EXPECT_EQ(b.skills, r.skills);
    EXPECT_EQ(b.possessions, r.possessions);
    EXPECT_EQ(b.assignments, r.assignments);
    EXPECT_EQ(b.awards, r.awards);
    EXPECT_TRUE(b.collegeHonors && b.pension && b.officer && b.retired);
    EXPECT_EQ(b.rankNumber, 5);
    EXPECT_EQ(b.cash, 25000);
    EXPECT_EQ(b.pensionAmount, 4000);
    // Saving what was read gives the same file again.
    EXPECT_EQ(write(b), write(r));
}

TEST(CharacterFileFormat, CharactersXmlCannotHoldAreLeftOut)
{
    CharacterRecord r = sample();
    r.name = QString("Ki") + QChar(0x01) + "ra" + QChar(0xD800);
    const auto back = read(write(r), "x.vcx2");
    ASSERT_TRUE(back.record) << qPrintable(back.error);
    EXPECT_EQ(back.record->name, "Kira");
}

TEST(CharacterFileFormat, LayoutBetweenElementsDoesNotMatter)
{
    const QString indented = xml();
    QString flat = indented;
    flat.replace(QRegularExpression(">\\s+<"), "><");
    QString tabs = indented;
    tabs.replace("  ", "\t");
    const auto reference = read(indented.toUtf8(), "x.vcx2");
    ASSERT_TRUE(reference.record);
    for (const QString& variant : {flat, tabs}) {
        const auto other = read(variant.toUtf8(), "x.vcx2");
        ASSERT_TRUE(other.record) << qPrintable(other.error);
        EXPECT_EQ(write(*other.record), write(*reference.record));
    }
}

TEST(CharacterFileFormat, AnotherSchemaIsRefused)
{
    QString text = xml();
    text.replace("schema=\"1\"", "schema=\"2\"");
    const auto result = read(text.toUtf8(), "x.vcx2");
    EXPECT_FALSE(result.record);
    EXPECT_EQ(result.error, "Expected document type: 1, got type: 2");
}

struct Hostile {
    const char* what;
    QByteArray bytes;
    const char* message; // a part of the message shown
};

QByteArray replaced(const char* from, const char* to)
{
    return xml().replace(from, to).toUtf8();
}

std::vector<Hostile> hostileFiles()
{
    const QByteArray good = xml().toUtf8();
    QByteArray latin1 = good;
    latin1.replace("Kira Vance", "K\xe9ra Vance");
    QByteArray deep = "<?xml version=\"1.0\"?>";
    for (int i = 0; i < 100; ++i)
        deep += "<a>";
    QByteArray many = "<character_file>";
    for (int i = 0; i < 20000; ++i)
        many += "<x/>";
    many += "</character_file>";
    return {
        {"empty", "", "is not well-formed XML"},
        {"truncated", good.left(good.size() / 2), "is not well-formed XML: Premature end of document (line"},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "not valid UTF-8"},
        {"not UTF-8", latin1, "the byte at line 4, column 21 is not valid UTF-8"},
        {"another encoding", replaced("encoding=\"UTF-8\"", "encoding=\"ISO-8859-1\""), "declares the encoding ISO-8859-1"},
        {"wrong root", "<?xml version=\"1.0\"?><html><body/></html>", "its root element is <html>, not <character_file>"},
        {"no file_info", replaced("<file_info", "<file_data"), "it does not begin with <file_info>"},
        {"no character", "<character_file><file_info schema=\"1\"/></character_file>", "it does not end with <character>"},
        {"missing children", replaced("<possessions>", "<possessions_gone>").replace("</possessions>", "</possessions_gone>"),
         "<character> holds <possessions_gone> where <possessions> belongs"},
        {"children out of order",
         QString(xml()).replace("<skills>", "<skillsX>").replace("</skills>", "</skillsX>").replace("<career>", "<skills>")
             .replace("</career>", "</skills>").replace("<skillsX>", "<career>").replace("</skillsX>", "</career>").toUtf8(),
         "<character> holds <skills> where <career> belongs"},
        {"awards not last", replaced("<awards>", "<awards_x>").replace("</awards>", "</awards_x>"),
         "<service> does not hold <assignments> first and <awards> last"},
        {"a stranger in a list", replaced("<skill name=\"Pilot\"", "<weapon name=\"Pilot\""), "<skills> holds <weapon>"},
        {"huge attribute", replaced("name=\"Kira Vance\"", ("name=\"" + QByteArray(2 << 20, 'x') + "\"").constData()),
         "larger than any character file"},
        {"absurd count", replaced("level=\"3\"", "level=\"2000000000\""), "the skill \"Pilot\" has a level of 2000000000"},
        {"too many elements", many, "it has more than 10000 elements"},
        {"too deep", deep, "nested more than 16 deep"},
        {"entity bomb",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [<!ENTITY lol \"lol\"><!ENTITY lol2 \"&lol;&lol;&lol;&lol;\">]>\n"
         "<character_file><file_info schema=\"&lol2;\"/></character_file>",
         "document type declaration"},
        {"external entity",
         "<?xml version=\"1.0\"?><!DOCTYPE c [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><character_file>&x;</character_file>",
         "document type declaration"},
        {"undeclared entity", replaced("name=\"Kira Vance\"", "name=\"&x;\""), "is not well-formed XML"},
    };
}

TEST(CharacterFileFormat, HostileAndMalformedFilesAreRefusedWithAReason)
{
    for (const Hostile& h : hostileFiles()) {
        const auto result = read(h.bytes, "bad.vcx2");
        EXPECT_FALSE(result.record) << h.what;
        EXPECT_TRUE(result.error.startsWith("\u201C" "bad.vcx2\u201D is not ")) << h.what << ": " << qPrintable(result.error);
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(h.message))) << h.what << ": " << qPrintable(result.error);
    }
}

TEST(CharacterFileFormat, InvalidUtf8IsPlacedByLineAndCharacter)
{
    struct Case {
        QByteArray bytes;
        std::optional<std::pair<int, int>> at;
    };
    for (const Case& c : {Case{"plain\ntext", std::nullopt}, Case{"\xc3\xa9t\xc3\xa9", std::nullopt},
                          Case{"ab\ncd\xff", std::pair{2, 3}}, Case{"\xc3\xa9\xc0\x80", std::pair{1, 2}},
                          Case{"\xed\xa0\x80", std::pair{1, 1}}, Case{"ok\xe2\x82", std::pair{1, 3}},
                          Case{"\xf4\x90\x80\x80", std::pair{1, 1}}})
        EXPECT_EQ(firstInvalidUtf8(c.bytes), c.at) << c.bytes.toHex().constData();
}

} // namespace
