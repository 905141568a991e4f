// The printed sheet, checked through what it asks a painter to draw: the
// blank form box by box and caption by caption, the character's entries in
// their fields, lists flowing through their columns, the point scale on
// devices of other resolutions, and the PDF it makes.
#include "print/CharacterSheet.h"
#include "tests/PaintRecorder.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <ostream>

// Readable failures for the Qt types the tests compare.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

enum class Style { Heading, Label };

struct FormRow {
    QRectF box; // null: a caption alone
    qreal penWidth;
    const char* caption;
    QPointF at;
    Style style;
};

constexpr auto H = Style::Heading;
constexpr auto L = Style::Label;
constexpr QRectF NoBox;

const FormRow ExpectedForm[] = {
    {{60, 60, 353, 460}, 4, nullptr, {}, L},
    {{60, 60, 277, 23}, 1, "PERSONAL DATA AND HISTORY", {68, 77}, H},
    {{337, 60, 76, 23}, 1, "1. Date of Preparation", {339, 70}, L},
    {{60, 83, 137, 23}, 1, "2. Name", {65, 90}, L},
    {{197, 83, 82, 23}, 1, "3. Noble Title", {199, 90}, L},
    {{279, 83, 58, 23}, 1, "4. UPP", {281, 90}, L},
    {{337, 83, 38, 23}, 1, "5. Age", {339, 90}, L},
    {{375, 83, 38, 23}, 1, "6. TL", {377, 90}, L},
    {{60, 106, 353, 23}, 1, "SERVICE HISTORY", {68, 122}, H},
    {{60, 129, 137, 23}, 1, "7. Final Rank", {65, 136}, L},
    {{197, 129, 65, 23}, 1, "8. Academy Grad?", {199, 136}, L},
    {{262, 129, 65, 23}, 1, "9. College Grad?", {264, 136}, L},
    {{327, 129, 43, 23}, 1, "10. Honors?", {329, 136}, L},
    {{370, 129, 43, 23}, 1, "11. NOTC?", {372, 136}, L},
    {{60, 152, 65, 23}, 1, "12. Service", {65, 159}, L},
    {{125, 152, 72, 23}, 1, "13. Branch", {127, 159}, L},
    {{197, 152, 65, 23}, 1, "14. Terms Served", {199, 159}, L},
    {{262, 152, 65, 23}, 1, "15. Retired?", {264, 159}, L},
    {{327, 152, 86, 23}, 1, "16. Retirement Pay", {329, 159}, L},
    {{60, 175, 353, 69}, 1, "17. Special Assignments", {65, 182}, L},
    {{60, 244, 353, 69}, 1, "18. Awards and Decorations", {65, 251}, L},
    {{60, 313, 353, 115}, 1, "19. Skills", {65, 320}, L},
    {{60, 428, 267, 23}, 1, "INVENTORY", {68, 444}, H},
    {{326, 428, 86, 23}, 1, "20. Cash", {328, 435}, L},
    {{60, 451, 353, 69}, 1, "21. Material Benefits", {65, 458}, L},
    {NoBox, 0, "VLB Form 2-Corvantis", {60, 532}, H},
    {NoBox, 0, "Personal Data and History", {264, 532}, H},
    {NoBox, 0, "Printed by Corvantis, a naval career character generator.", {60, 552}, L},
    {NoBox, 0, "The game and its setting belong to their rights holders; this form is an unofficial aid.", {60, 560}, L},
};

// An italic entry as the tests compare it: text, baseline start, size.
struct Placed {
    QString text;
    QPointF at;
    int size = 11;
    bool operator==(const Placed&) const = default;
};

void PrintTo(const Placed& placed, std::ostream* out)
{
    *out << '"' << placed.text.toStdString() << "\" at (" << placed.at.x() << ", " << placed.at.y() << ") size "
         << placed.size;
}

PaintRecording drawSheet(const SheetData& data)
{
    return recordPainting([&](QPainter& painter) { drawCharacterSheet(painter, data); });
}

std::vector<Placed> entries(const PaintRecording& recording)
{
    std::vector<Placed> placed;
    for (const RecordedText& text : recording.texts) {
        if (!text.italic)
            continue;
        EXPECT_FALSE(text.bold) << text.text.toStdString();
        placed.push_back({text.text, text.at, text.pixelSize});
    }
    return placed;
}

std::vector<Placed> entriesAt(const PaintRecording& recording, QPointF at)
{
    std::vector<Placed> found;
    for (const Placed& entry : entries(recording))
        if (entry.at == at)
            found.push_back(entry);
    return found;
}

SheetData exampleCharacter()
{
    SheetData data;
    data.date = QStringLiteral("12-Mar-2024");
    data.name = QStringLiteral("Avery Kestrel");
    data.nobleTitle = QStringLiteral("Baronet");
    data.upp = QStringLiteral("7A8B96");
    data.age = QStringLiteral("34");
    data.techLevel = QStringLiteral("12");
    data.rank = QStringLiteral("Commander");
    // Mixed, so that a flag written into its neighbour's field shows.
    data.academy = true;
    data.college = false;
    data.honors = true;
    data.notc = false;
    data.navy = QStringLiteral("Imperial");
    data.branch = QStringLiteral("Engineering");
    data.terms = QStringLiteral("4");
    data.retired = true;
    data.pension = 4000;
    data.cash = 25000;
    data.specialAssignments = {QStringLiteral("Command College-1"), QStringLiteral("Attache-1")};
    data.decorations = {QStringLiteral("Meritorious Conduct-1"), QStringLiteral("Combat Ribbon-2")};
    data.skills = {QStringLiteral("Vacc Suit-1"), QStringLiteral("Engineering-2"), QStringLiteral("Admin-1")};
    data.benefits = {QStringLiteral("Middle Passage-2"), QStringLiteral("Blade-1")};
    return data;
}

TEST(CharacterSheetForm, BoxesAsLaidOut)
{
    const PaintRecording recording = drawSheet({});
    std::vector<RecordedRect> frames;
    for (const RecordedRect& rect : recording.rects)
        if (rect.framed)
            frames.push_back(rect);

    size_t next = 0;
    for (const FormRow& row : ExpectedForm) {
        if (row.box.isNull())
            continue;
        SCOPED_TRACE(row.caption ? row.caption : "outer frame");
        ASSERT_LT(next, frames.size());
        const RecordedRect& frame = frames[next++];
        EXPECT_EQ(frame.rect, row.box);
        EXPECT_EQ(frame.penWidth, row.penWidth);
        EXPECT_EQ(frame.penColor, QColor(Qt::black));
        EXPECT_FALSE(frame.filled);
    }
    EXPECT_EQ(next, frames.size()) << "frames beyond the form";
}

TEST(CharacterSheetForm, CaptionsAsLaidOut)
{
    const PaintRecording recording = drawSheet({});
    std::vector<RecordedText> captions;
    for (const RecordedText& text : recording.texts)
        if (!text.italic)
            captions.push_back(text);

    size_t next = 0;
    for (const FormRow& row : ExpectedForm) {
        if (!row.caption)
            continue;
        SCOPED_TRACE(row.caption);
        ASSERT_LT(next, captions.size());
        const RecordedText& caption = captions[next++];
        EXPECT_EQ(caption.text, QString::fromLatin1(row.caption));
        EXPECT_EQ(caption.at, row.at);
        EXPECT_EQ(caption.pixelSize, row.style == H ? 12 : 7);
        EXPECT_EQ(caption.bold, row.style == H);
        EXPECT_EQ(caption.color, QColor(Qt::black));
    }
    EXPECT_EQ(next, captions.size()) << "captions beyond the form";
}

TEST(CharacterSheetForm, WhitePageUnderEverything)
{
    const PaintRecording recording = drawSheet(exampleCharacter());
    ASSERT_FALSE(recording.rects.empty());
    const RecordedRect& first = recording.rects.front();
    EXPECT_EQ(first.sequence, 0) << "the page is whitened before anything is drawn";
    EXPECT_TRUE(first.filled);
    EXPECT_FALSE(first.framed);
    EXPECT_EQ(first.fillColor, QColor(Qt::white));
    EXPECT_EQ(first.rect, QRectF(0, 0, 612, 792));
    for (size_t i = 1; i < recording.rects.size(); ++i)
        EXPECT_FALSE(recording.rects[i].filled) << "a fill over the form at " << i;
}

// The form's widths were laid out for Helvetica: the face it resolves to
// must be one cut to the same metrics, in every style the sheet uses.
TEST(CharacterSheetForm, FontsResolveToHelveticaMetrics)
{
    const QStringList metricCompatible = {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                          QStringLiteral("Nimbus Sans L"), QStringLiteral("TeX Gyre Heros")};
    const PaintRecording recording = drawSheet(exampleCharacter());
    ASSERT_FALSE(recording.texts.empty());
    for (const RecordedText& text : recording.texts) {
        const QFontInfo info(text.font);
        SCOPED_TRACE(text.text.toStdString());
        EXPECT_TRUE(metricCompatible.contains(info.family())) << info.family().toStdString();
        EXPECT_EQ(info.bold(), text.bold);
        EXPECT_EQ(info.italic(), text.italic);
    }
}

TEST(CharacterSheetValues, FullCharacterInItsFieldsInOrder)
{
    const std::vector<Placed> expected = {
        {"12-Mar-2024", {346, 80}},
        {"Avery Kestrel", {72, 101}},
        {"Baronet", {206, 101}},
        {"7A8B96", {288, 101}},
        {"34", {346, 101}},
        {"12", {384, 101}},
        {"Commander", {68, 147}},
        {"Yes", {205, 147}},
        {"No", {271, 147}},
        {"Yes", {339, 147}},
        {"No", {382, 147}},
        {"Imp. Navy", {68, 170}},
        {"Engineering", {137, 170}},
        {"4", {210, 170}},
        {"Yes", {274, 170}},
        {"Cr4000", {339, 170}},
        {"Attache-1", {75, 193}},
        {"Command College-1", {75, 206}},
        {"Combat Ribbon-2", {75, 262}},
        {"Meritorious Conduct-1", {75, 275}},
        {"Admin-1", {75, 331}, 9},
        {"Engineering-2", {75, 342}, 9},
        {"Vacc Suit-1", {75, 353}, 9},
        {"Cr25000", {339, 446}},
        {"Blade-1", {75, 469}},
        {"Middle Passage-2", {75, 482}},
    };
    EXPECT_EQ(entries(drawSheet(exampleCharacter())), expected);
}

TEST(CharacterSheetValues, NewCharacterBeforeEnlistment)
{
    SheetData data;
    data.name = QStringLiteral("Avery Kestrel");
    const std::vector<Placed> expected = {
        {"Avery Kestrel", {72, 101}},
        {"No", {205, 147}},
        {"No", {271, 147}},
        {"No", {339, 147}},
        {"No", {382, 147}},
        {"No", {274, 170}},
    };
    // Nothing in Service, Retirement Pay or Cash: not even "Cr0".
    EXPECT_EQ(entries(drawSheet(data)), expected);
}

TEST(CharacterSheetValues, ServiceAbbreviatedForTheThreeNaviesOnly)
{
    const struct {
        const char* navy;
        const char* printed; // empty: nothing drawn
    } cases[] = {
        {"Imperial", "Imp. Navy"},
        {"Subsector", "Sub. Navy"},
        {"Planetary", "Pl. Navy"},
        {"imperial", ""},
        {"Merchant", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.navy);
        SheetData data;
        data.navy = QString::fromLatin1(c.navy);
        const std::vector<Placed> found = entriesAt(drawSheet(data), {68, 170});
        if (*c.printed)
            EXPECT_EQ(found, (std::vector<Placed>{{c.printed, {68, 170}}}));
        else
            EXPECT_TRUE(found.empty());
    }
}

TEST(CharacterSheetValues, CreditsOnlyAboveZeroWithoutSeparators)
{
    const struct {
        int amount;
        const char* printed; // empty: nothing drawn
    } cases[] = {
        {0, ""},
        {-500, ""},
        {1, "Cr1"},
        {1234567, "Cr1234567"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount);
        SheetData data;
        data.pension = c.amount;
        data.cash = c.amount;
        const PaintRecording recording = drawSheet(data);
        for (const QPointF field : {QPointF(339, 170), QPointF(339, 446)}) {
            const std::vector<Placed> found = entriesAt(recording, field);
            if (*c.printed)
                EXPECT_EQ(found, (std::vector<Placed>{{c.printed, field}}));
            else
                EXPECT_TRUE(found.empty()) << "at " << field.x() << ", " << field.y();
        }
    }
}

TEST(CharacterSheetLists, SortedCaseSensitivelyDownTheFirstColumnThenTheNext)
{
    SheetData data;
    data.specialAssignments = {"recruiting-1", "Zero-G Drill-1", "Attache-1", "attache-2", "Courier Duty-1"};
    std::vector<Placed> listed;
    for (const Placed& entry : entries(drawSheet(data)))
        if (entry.text != QLatin1String("No"))
            listed.push_back(entry);
    const std::vector<Placed> expected = {
        {"Attache-1", {75, 193}},
        {"Courier Duty-1", {75, 206}},
        {"Zero-G Drill-1", {75, 219}},
        {"attache-2", {75, 232}},
        {"recruiting-1", {225, 193}},
    };
    EXPECT_EQ(listed, expected);
}

QStringList numberedEntries(int count)
{
    // Given last first, so the sheet's sort has work to do.
    QStringList items;
    for (int i = count - 1; i >= 0; --i)
        items << QStringLiteral("Entry %1-1").arg(i, 2, 10, QLatin1Char('0'));
    return items;
}

// Where chosen entries of a long list land: the breaks between columns and
// the last column running on past its row count (and past its box).
TEST(CharacterSheetLists, ColumnsBreakAndTheLastRunsOn)
{
    const struct {
        const char* list;
        QStringList SheetData::*field;
        int count;
        int size;
        std::vector<std::pair<int, QPointF>> spots; // entry index, baseline start
    } cases[] = {
        {"special assignments", &SheetData::specialAssignments, 9, 11,
         {{3, {75, 232}}, {4, {225, 193}}, {8, {225, 245}}}},
        {"decorations", &SheetData::decorations, 8, 11, {{2, {75, 288}}, {3, {225, 262}}, {7, {225, 314}}}},
        {"ten skills", &SheetData::skills, 10, 9, {{0, {75, 331}}, {8, {75, 419}}, {9, {185, 331}}}},
        {"thirty skills", &SheetData::skills, 30, 9,
         {{17, {185, 419}}, {18, {295, 331}}, {26, {295, 419}}, {27, {295, 430}}, {29, {295, 452}}}},
        {"benefits", &SheetData::benefits, 9, 11, {{3, {75, 508}}, {4, {225, 469}}, {8, {225, 521}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        SheetData data;
        data.*c.field = numberedEntries(c.count);
        const std::vector<Placed> drawn = entries(drawSheet(data));
        std::vector<Placed> listed;
        for (const Placed& entry : drawn)
            if (entry.text.startsWith(QLatin1String("Entry ")))
                listed.push_back(entry);
        ASSERT_EQ(listed.size(), size_t(c.count)) << "every entry drawn once";
        for (const auto& [index, at] : c.spots) {
            SCOPED_TRACE(index);
            EXPECT_EQ(listed[index], (Placed{QStringLiteral("Entry %1-1").arg(index, 2, 10, QLatin1Char('0')), at, c.size}));
        }
    }
}

PaintRecording printOn(PaintRecorder& device, const SheetData& data)
{
    printCharacterSheet(device, data);
    return device.recording();
}

// 300 by 150 dpi: a fractional, unequal scale, so that integer division or
// swapped axes show.
TEST(CharacterSheetPrint, SamePointCoordinatesAtAnyResolution)
{
    PaintRecorder points;
    PaintRecorder fine(300, 150);
    const PaintRecording expected = printOn(points, exampleCharacter());
    const PaintRecording scaled = printOn(fine, exampleCharacter());
    const qreal sx = 300 / 72.0;
    const qreal sy = 150 / 72.0;
    const auto near = [](QPointF a, QPointF b) { return qAbs(a.x() - b.x()) < 1e-6 && qAbs(a.y() - b.y()) < 1e-6; };

    ASSERT_EQ(scaled.texts.size(), expected.texts.size());
    for (size_t i = 0; i < expected.texts.size(); ++i) {
        const RecordedText& text = scaled.texts[i];
        SCOPED_TRACE(text.text.toStdString());
        const QPointF inPoints(text.at.x() / sx, text.at.y() / sy);
        EXPECT_TRUE(near(inPoints, expected.texts[i].at)) << inPoints.x() << ", " << inPoints.y();
        EXPECT_EQ(text.pixelSize, expected.texts[i].pixelSize);
    }
    ASSERT_EQ(scaled.rects.size(), expected.rects.size());
    for (size_t i = 0; i < expected.rects.size(); ++i) {
        const QRectF rect = scaled.rects[i].rect;
        const QRectF want = expected.rects[i].rect;
        SCOPED_TRACE(i);
        EXPECT_TRUE(near(QPointF(rect.left() / sx, rect.top() / sy), want.topLeft()));
        EXPECT_TRUE(near(QPointF(rect.right() / sx, rect.bottom() / sy), want.bottomRight()));
    }
}

int occurrences(const QByteArray& text, const QRegularExpression& pattern)
{
    int count = 0;
    for (auto it = pattern.globalMatch(QString::fromLatin1(text)); it.hasNext(); it.next())
        ++count;
    return count;
}

TEST(CharacterSheetPdf, OneLetterPage)
{
    const QByteArray pdf = characterSheetPdf(exampleCharacter());
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(occurrences(pdf, QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 1);
    const QRegularExpression mediaBox(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]"));
    const QRegularExpressionMatch match = mediaBox.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(match.hasMatch());
    std::vector<double> corners;
    for (const QString& number : match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        corners.push_back(number.toDouble());
    EXPECT_EQ(corners, (std::vector<double>{0, 0, 612, 792}));
}

// The document information as a PDF text string: UTF-16BE behind its mark.
QByteArray pdfTextString(const QString& text)
{
    QByteArray bytes("(\xFE\xFF");
    for (const QChar c : text)
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    return bytes.append(')');
}

TEST(CharacterSheetPdf, NamedForTheForm)
{
    const QByteArray pdf = characterSheetPdf({});
    EXPECT_TRUE(pdf.contains("/Title " + pdfTextString(QStringLiteral("VLB Form 2-Corvantis"))));
    EXPECT_TRUE(pdf.contains("/Creator " + pdfTextString(QStringLiteral("Corvantis"))));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
