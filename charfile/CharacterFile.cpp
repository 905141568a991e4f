#include "charfile/CharacterFile.h"

#include "charfile/SafeXml.h"

#include <QXmlStreamWriter>

#include <limits>

namespace charfile {

QString hexDigit(int value)
{
    static const char digits[] = "0123456789ABCDEF";
    return QString(QLatin1Char(digits[value < 0 ? 0 : value > 15 ? 15 : value]));
}

int unhx(const QString& text)
{
    if (text.size() != 1)
        return 0;
    const char16_t c = text.front().unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return 0;
}

int leadingInt(const QString& text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        i = 1;
    // Wider than int, and saturating, so that an absurd number stays a
    // large one instead of wrapping round to a different sign.
    long long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        value = std::min<long long>(value * 10 + (text[i].unicode() - u'0'), 1LL << 40);
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::optional<int> rovanteerRankNumber(int rank)
{
    if (rank >= 1 && rank <= 2)
        return 1;
    if (rank >= 3 && rank <= 6)
        return rank - 1;
    if (rank >= 7 && rank <= 10)
        return 6;
    return std::nullopt;
}

// ---- writing -----------------------------------------------------------------

namespace {

// Characters XML 1.0 cannot carry at all, not even as a reference (control
// characters pasted into the name field, say), are left out: written, they
// would make a file that no reader accepts.
QString xmlSafe(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            safe += c;
            safe += text[++i];
            continue;
        }
        const char16_t u = c.unicode();
        const bool allowed = u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF) || (u >= 0xE000 && u <= 0xFFFD);
        if (allowed)
            safe += c;
    }
    return safe;
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

class Writer {
public:
    explicit Writer(QByteArray* bytes) : xml_(bytes)
    {
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(2);
    }
    void start(const char* name) { xml_.writeStartElement(QLatin1String(name)); }
    void end() { xml_.writeEndElement(); }
    void empty(const char* name) { xml_.writeEmptyElement(QLatin1String(name)); }
    void attribute(const char* name, const QString& value) { xml_.writeAttribute(QLatin1String(name), xmlSafe(value)); }
    void attribute(const char* name, int value) { attribute(name, QString::number(value)); }
    void attribute(const char* name, bool value) { attribute(name, yesNo(value)); }
    void list(const char* container, const char* element, const char* count, const std::vector<CountedName>& rows)
    {
        start(container);
        for (const auto& [name, number] : rows) {
            empty(element);
            attribute("name", name);
            attribute(count, number);
        }
        end();
    }
    QXmlStreamWriter& xml() { return xml_; }

private:
    QXmlStreamWriter xml_;
};

void writeWorld(Writer& w, const char* type, const QString& uwp)
{
    w.empty("world");
    w.attribute("name", QString());
    w.attribute("type", QLatin1String(type));
    for (const char* blank : {"sector", "subsector", "hex_number"})
        w.attribute(blank, QString());
    w.attribute("UWP", uwp);
}

const char* const CharacteristicKeys[6] = {"str", "dex", "end", "int", "edu", "soc"};

} // namespace

QByteArray write(const CharacterRecord& r)
{
    QByteArray bytes;
    Writer w(&bytes);
    w.xml().writeStartDocument();
    w.start("character_file");

    w.empty("file_info");
    w.attribute("schema", QStringLiteral("1"));
    w.attribute("creation_date", r.creationDate);
    w.attribute("modification_date", r.modificationDate);

    w.start("character");
    w.attribute("name", r.name);
    w.attribute("noble_title", r.nobleTitle);
    for (int i = 0; i < 6; ++i)
        w.attribute(CharacteristicKeys[i], r.characteristics[static_cast<size_t>(i)]);
    w.attribute("age", r.age);
    w.attribute("apparent_age", r.age);
    w.attribute("counter_ID", QString());
    w.attribute("college_grad", r.collegeGrad);
    w.attribute("college_honors", r.collegeGrad && r.collegeHonors);
    w.attribute("cash", r.cash);
    w.attribute("retired", r.retired);
    w.attribute("pension", r.pension);
    w.attribute("pension_amount", r.pensionAmount);
    w.attribute("VLB_member", r.rovanteersAid);
    w.attribute("psionics_trained", false);

    w.start("worlds");
    writeWorld(w, "Home", QStringLiteral("0000000") + hexDigit(r.homeTechLevel));
    writeWorld(w, "Discharge", QStringLiteral("00000000"));
    w.end();

    w.start("career");
    w.start("service");
    w.attribute("name", r.navy);
    w.attribute("branch", r.branch);
    w.attribute("terms", r.terms);
    w.attribute("officer", r.officer);
    w.attribute("rank", r.rank);
    w.attribute("rank_number", r.rankNumber);
    if (!r.officer)
        w.attribute("rovanteer_rank_number", 0);
    else if (const auto number = rovanteerRankNumber(r.rankNumber))
        w.attribute("rovanteer_rank_number", *number);
    w.attribute("academy_grad", r.academyGrad);
    w.attribute("academy_honors", r.academyGrad && r.academyHonors);
    w.list("assignments", "assignment", "number", r.assignments);
    w.list("awards", "award", "number", r.awards);
    w.end(); // service
    w.end(); // career

    w.list("skills", "skill", "level", r.skills);
    w.list("possessions", "possession", "number", r.possessions);
    w.empty("creation_log");
    w.attribute("text", r.log);
    w.end(); // character

    w.end(); // character_file
    w.xml().writeEndDocument();
    return bytes;
}

// ---- reading -----------------------------------------------------------------

namespace {

// The shape the reader relies on, checked before any value is taken, so that
// a file of another shape is refused whole instead of being half-read.
std::optional<QString> shapeError(const XmlElement& character)
{
    static const char* const parts[5] = {"worlds", "career", "skills", "possessions", "creation_log"};
    const auto& children = character.children;
    for (size_t i = 0; i < 5; ++i) {
        if (i >= children.size())
            return QStringLiteral("<character> lacks its <%1> element").arg(QLatin1String(parts[i]));
        if (children[i].name != QLatin1String(parts[i]))
            return QStringLiteral("<character> holds <%1> where <%2> belongs").arg(children[i].name, QLatin1String(parts[i]));
    }
    const XmlElement& worlds = children[0];
    if (worlds.children.empty() || worlds.children.front().name != QLatin1String("world"))
        return QStringLiteral("<worlds> does not begin with the home <world>");
    const XmlElement& career = children[1];
    if (career.children.empty() || career.children.front().name != QLatin1String("service"))
        return QStringLiteral("<career> does not begin with <service>");
    const XmlElement& service = career.children.front();
    if (service.children.size() < 2 || service.children.front().name != QLatin1String("assignments") ||
        service.children.back().name != QLatin1String("awards"))
        return QStringLiteral("<service> does not hold <assignments> first and <awards> last");

    struct ListShape {
        const XmlElement& list;
        const char* element;
    };
    for (const ListShape& shape : {ListShape{service.children.front(), "assignment"}, ListShape{service.children.back(), "award"},
                                   ListShape{children[2], "skill"}, ListShape{children[3], "possession"}})
        for (const XmlElement& row : shape.list.children)
            if (row.name != QLatin1String(shape.element))
                return QStringLiteral("<%1> holds <%2> where only <%3> belongs").arg(shape.list.name, row.name, QLatin1String(shape.element));
    return std::nullopt;
}

// A list's rows with their counts; an error when a count is past what any
// character earns, since each count is re-added one at a time.
std::optional<QString> readList(const XmlElement& list, const char* count, std::vector<CountedName>& rows, int& additions)
{
    for (const XmlElement& row : list.children) {
        const int number = leadingInt(row.attribute(count));
        if (number > MaxCount)
            return QStringLiteral("the %1 \"%2\" has a %3 of %4, more than the %5 a character can have")
                .arg(row.name, row.attribute("name"), QLatin1String(count))
                .arg(number)
                .arg(MaxCount);
        additions += std::max(number, 0);
        if (additions > MaxAdditions)
            return QStringLiteral("its lists hold more than %1 entries in all").arg(MaxAdditions);
        rows.emplace_back(row.attribute("name"), number);
    }
    return std::nullopt;
}

bool yes(const XmlElement& element, const char* key)
{
    return element.attribute(key) == QLatin1String("Yes");
}

} // namespace

ReadResult read(const QByteArray& bytes, const QString& fileName)
{
    const QString quoted = QStringLiteral("\u201C") + fileName + QStringLiteral("\u201D");
    auto notCharacterFile = [&](const QString& why) {
        return ReadResult{std::nullopt, quoted + QStringLiteral(" is not a character file: ") + why + QLatin1Char('.')};
    };

    if (bytes.size() > MaxFileSize)
        return notCharacterFile(QStringLiteral("at %1 bytes it is larger than any character file (at most %2)").arg(bytes.size()).arg(MaxFileSize));
    XmlLimits limits;
    limits.maxElements = MaxElements;
    XmlParse parsed = parseXmlSafely(bytes, limits);
    if (!parsed.root) {
        if (!parsed.wellFormed)
            return {std::nullopt, quoted + QStringLiteral(" is not well-formed XML: ") + parsed.error + QLatin1Char('.')};
        return notCharacterFile(parsed.error);
    }
    const XmlElement& root = *parsed.root;
    if (root.name != QLatin1String("character_file"))
        return notCharacterFile(QStringLiteral("its root element is <%1>, not <character_file>").arg(root.name));
    if (root.children.empty() || root.children.front().name != QLatin1String("file_info"))
        return notCharacterFile(QStringLiteral("it does not begin with <file_info>"));
    const XmlElement& info = root.children.front();
    const QString schema = info.attribute("schema");
    if (schema != QLatin1String("1"))
        return {std::nullopt, QStringLiteral("Expected document type: 1, got type: ") + schema};
    if (root.children.size() < 2 || root.children.back().name != QLatin1String("character"))
        return notCharacterFile(QStringLiteral("it does not end with <character>"));
    const XmlElement& character = root.children.back();
    if (const auto error = shapeError(character))
        return notCharacterFile(*error);

    CharacterRecord r;
    r.creationDate = info.attribute("creation_date");
    r.modificationDate = info.attribute("modification_date");
    r.name = character.attribute("name");
    r.nobleTitle = character.attribute("noble_title");
    for (int i = 0; i < 6; ++i)
        r.characteristics[static_cast<size_t>(i)] = character.attribute(CharacteristicKeys[i]);
    r.age = character.attribute("age");
    r.collegeGrad = yes(character, "college_grad");
    r.collegeHonors = r.collegeGrad && yes(character, "college_honors");
    r.cash = leadingInt(character.attribute("cash"));
    r.retired = yes(character, "retired");
    r.pension = r.retired && yes(character, "pension");
    r.pensionAmount = leadingInt(character.attribute("pension_amount"));
    r.rovanteersAid = yes(character, "VLB_member");

    const QString uwp = character.children[0].children.front().attribute("UWP");
    r.homeTechLevel = unhx(uwp.mid(7, 1));

    const XmlElement& service = character.children[1].children.front();
    r.navy = service.attribute("name");
    r.branch = service.attribute("branch");
    r.terms = service.attribute("terms");
    r.officer = yes(service, "officer");
    r.rank = service.attribute("rank");
    r.rankNumber = leadingInt(service.attribute("rank_number"));
    r.academyGrad = yes(service, "academy_grad");
    r.academyHonors = r.academyGrad && yes(service, "academy_honors");

    int additions = 0;
    for (const auto& [list, count, rows] : {std::tuple{&service.children.front(), "number", &r.assignments},
                                            std::tuple{&service.children.back(), "number", &r.awards},
                                            std::tuple{&character.children[2], "level", &r.skills},
                                            std::tuple{&character.children[3], "number", &r.possessions}})
        if (const auto error = readList(*list, count, *rows, additions))
            return notCharacterFile(*error);

    r.log = character.children[4].attribute("text");
    return {std::move(r), QString()};
}

} // namespace charfile
