#include "print/CharacterSheet.h"

#include <QBuffer>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The form was laid out for Helvetica's widths; fontconfig maps the name to
// a metric-compatible face where Helvetica itself is absent. No style hint:
// given one, Qt passes over that alias for the generic sans-serif face,
// whose wider letters overrun the boxes.
constexpr auto FontFamily = "Helvetica";

// Sizes are pixel sizes: under the point scale of printCharacterSheet a pixel
// is a point, so a 12 point heading stays 12 points at any device resolution
// (a point size would be converted with the device's dpi a second time).
QFont sheetFont(int size, bool bold, bool italic)
{
    QFont font(QString::fromLatin1(FontFamily));
    // Unhinted advances scale with the page, so a text is as wide on a
    // 1200 dpi printer as on the 72 dpi PDF.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

enum class Style { Heading, Label };

QFont formFont(Style style)
{
    return style == Style::Heading ? sheetFont(12, true, false) : sheetFont(7, false, false);
}

// One row of the blank form: a framed box, its printed caption, or both.
struct FormItem {
    QRectF box; // a null rectangle: a caption that stands on its own
    qreal penWidth;
    const char* caption; // empty: a box without a caption
    QPointF at;          // left end of the caption's baseline
    Style style;
};

constexpr auto H = Style::Heading;
constexpr auto L = Style::Label;
constexpr QRectF NoBox;

constexpr FormItem Form[] = {
    {{60, 60, 353, 460}, 4, "", {}, L},
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
    // The cash box starts one point left of the column edge at 327 that the
    // boxes above it share; the form has always been drawn that way.
    {{326, 428, 86, 23}, 1, "20. Cash", {328, 435}, L},
    {{60, 451, 353, 69}, 1, "21. Material Benefits", {65, 458}, L},
    {NoBox, 0, "VLB Form 2-Corvantis", {60, 532}, H},
    {NoBox, 0, "Personal Data and History", {264, 532}, H},
    {NoBox, 0, "Printed by Corvantis, a naval career character generator.", {60, 552}, L},
    {NoBox, 0, "The game and its setting belong to their rights holders; this form is an unofficial aid.", {60, 560}, L},
};

void drawForm(QPainter& painter)
{
    painter.setBrush(Qt::NoBrush);
    for (const FormItem& item : Form) {
        if (!item.box.isNull()) {
            QPen pen(Qt::black, item.penWidth);
            pen.setJoinStyle(Qt::MiterJoin); // square corners on the heavy outer frame
            painter.setPen(pen);
            painter.drawRect(item.box);
        }
        if (*item.caption) {
            painter.setPen(Qt::black);
            painter.setFont(formFont(item.style));
            painter.drawText(item.at, QString::fromLatin1(item.caption));
        }
    }
}

// The character's entries, in italics.
constexpr int EntrySize = 11;

struct Entry {
    QPointF at;
    QString text;
    int size = EntrySize;
};

// A list field flows down a column, then into the next; the last column
// takes whatever is left, however far down that runs.
struct ListLayout {
    QStringList SheetData::*source;
    int size;
    std::array<qreal, 3> columns;
    int columnCount;
    int rowsPerColumn;
    qreal firstBaseline;
    qreal lineStep;
};

constexpr ListLayout SpecialAssignments{&SheetData::specialAssignments, 11, {75, 225}, 2, 4, 193, 13};
constexpr ListLayout Decorations{&SheetData::decorations, 11, {75, 225}, 2, 3, 262, 13};
constexpr ListLayout Skills{&SheetData::skills, 9, {75, 185, 295}, 3, 9, 331, 11};
constexpr ListLayout Benefits{&SheetData::benefits, 11, {75, 225}, 2, 4, 469, 13};

void appendList(std::vector<Entry>& entries, const SheetData& data, const ListLayout& layout)
{
    // Sorted case-sensitively so that the same character always prints alike.
    QStringList items = data.*layout.source;
    items.sort();
    for (int i = 0; i < items.size(); ++i) {
        const int column = std::min(i / layout.rowsPerColumn, layout.columnCount - 1);
        const int row = i - column * layout.rowsPerColumn;
        entries.push_back({{layout.columns[column], layout.firstBaseline + row * layout.lineStep}, items[i], layout.size});
    }
}

QString yesNo(bool flag)
{
    return flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

// Nothing rather than "Cr0": an empty field reads as none.
QString credits(int amount)
{
    return amount > 0 ? QStringLiteral("Cr") + QString::number(amount) : QString();
}

QString serviceAbbreviation(const QString& navy)
{
    static const std::pair<const char*, const char*> abbreviations[] = {
        {"Imperial", "Imp. Navy"},
        {"Subsector", "Sub. Navy"},
        {"Planetary", "Pl. Navy"},
    };
    for (const auto& [name, shortName] : abbreviations)
        if (navy == QLatin1String(name))
            return QString::fromLatin1(shortName);
    return {};
}

std::vector<Entry> sheetEntries(const SheetData& data)
{
    std::vector<Entry> entries = {
        {{346, 80}, data.date},
        {{72, 101}, data.name},
        {{206, 101}, data.nobleTitle},
        {{288, 101}, data.upp},
        {{346, 101}, data.age},
        {{384, 101}, data.techLevel},
        {{68, 147}, data.rank},
        {{205, 147}, yesNo(data.academy)},
        {{271, 147}, yesNo(data.college)},
        {{339, 147}, yesNo(data.honors)},
        {{382, 147}, yesNo(data.notc)},
        {{68, 170}, serviceAbbreviation(data.navy)},
        {{137, 170}, data.branch},
        {{210, 170}, data.terms},
        {{274, 170}, yesNo(data.retired)},
        {{339, 170}, credits(data.pension)},
    };
    appendList(entries, data, SpecialAssignments);
    appendList(entries, data, Decorations);
    appendList(entries, data, Skills);
    entries.push_back({{339, 446}, credits(data.cash)});
    appendList(entries, data, Benefits);
    return entries;
}

void drawEntries(QPainter& painter, const SheetData& data)
{
    painter.setPen(Qt::black);
    for (const Entry& entry : sheetEntries(data)) {
        if (entry.text.isEmpty())
            continue;
        painter.setFont(sheetFont(entry.size, false, true));
        painter.drawText(entry.at, entry.text);
    }
}

} // namespace

void drawCharacterSheet(QPainter& painter, const SheetData& data)
{
    // White under everything, from device edge to device edge whatever the
    // painter's scale: a fresh image is not white, nor is every paper.
    painter.save();
    painter.resetTransform();
    if (const QPaintDevice* device = painter.device())
        painter.fillRect(QRect(0, 0, device->width(), device->height()), Qt::white);
    painter.restore();

    drawForm(painter);
    drawEntries(painter, data);
}

void printCharacterSheet(QPaintDevice& device, const SheetData& data)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    drawCharacterSheet(painter, data);
}

QByteArray characterSheetPdf(const SheetData& data)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(72);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        writer.setTitle(QStringLiteral("VLB Form 2-Corvantis"));
        writer.setCreator(QStringLiteral("Corvantis"));
        // The page is written out when the painter ends, inside this call.
        printCharacterSheet(writer, data);
    }
    return pdf;
}
