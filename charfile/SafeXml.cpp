#include "charfile/SafeXml.h"

#include <QXmlStreamReader>

QString XmlElement::attribute(const char* key) const
{
    const QLatin1String wanted(key);
    for (const auto& [attributeName, value] : attributes)
        if (attributeName == wanted)
            return value;
    return QString();
}

bool XmlElement::hasAttribute(const char* key) const
{
    const QLatin1String wanted(key);
    for (const auto& attribute : attributes)
        if (attribute.first == wanted)
            return true;
    return false;
}

std::optional<std::pair<int, int>> firstInvalidUtf8(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    int line = 1;
    int column = 1;
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        int length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return std::pair{line, column};
        }
        if (i + length > size)
            return std::pair{line, column};
        for (int k = 1; k < length; ++k) {
            const unsigned char next = data[i + k];
            if ((next & 0xC0u) != 0x80u)
                return std::pair{line, column};
            code = (code << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past the last plane.
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return std::pair{line, column};
        if (code == U'\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
        i += length;
    }
    return std::nullopt;
}

namespace {

QString at(const QXmlStreamReader& reader)
{
    return QStringLiteral(" (line %1, column %2)").arg(reader.lineNumber()).arg(reader.columnNumber());
}

} // namespace

XmlParse parseXmlSafely(const QByteArray& bytes, const XmlLimits& limits)
{
    if (const auto bad = firstInvalidUtf8(bytes))
        return {std::nullopt, QStringLiteral("it is not UTF-8 text: the byte at line %1, column %2 is not valid UTF-8")
                                  .arg(bad->first)
                                  .arg(bad->second)};
    // Refused before the parser sees it: a character file never has one, and
    // the stream reader has known faults with declarations in odd places.
    if (bytes.contains("<!DOCTYPE"))
        return {std::nullopt, QStringLiteral("it holds a document type declaration, which a character file never has")};

    QXmlStreamReader reader(bytes);
    std::vector<XmlElement> open; // the elements not yet closed, outermost first
    std::optional<XmlElement> root;
    int elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument: {
            const QString encoding = reader.documentEncoding().toString();
            if (!encoding.isEmpty() && encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0)
                return {std::nullopt, QStringLiteral("it declares the encoding %1; a character file is UTF-8").arg(encoding)};
            break;
        }
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return {std::nullopt, QStringLiteral("it holds a document type declaration, which a character file never has")};
        case QXmlStreamReader::StartElement: {
            if (++elements > limits.maxElements)
                return {std::nullopt, QStringLiteral("it has more than %1 elements").arg(limits.maxElements)};
            if (static_cast<int>(open.size()) >= limits.maxDepth)
                return {std::nullopt, QStringLiteral("its elements are nested more than %1 deep").arg(limits.maxDepth)};
            XmlElement element;
            element.name = reader.name().toString();
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                element.attributes.emplace_back(attribute.qualifiedName().toString(), attribute.value().toString());
            open.push_back(std::move(element));
            break;
        }
        case QXmlStreamReader::EndElement: {
            XmlElement done = std::move(open.back());
            open.pop_back();
            if (open.empty())
                root = std::move(done);
            else
                open.back().children.push_back(std::move(done));
            break;
        }
        default: // whitespace, text, comments, processing instructions
            break;
        }
    }
    if (reader.hasError()) {
        QString reason = reader.errorString();
        if (reason.endsWith(QLatin1Char('.')))
            reason.chop(1);
        return {std::nullopt, reason + at(reader), false};
    }
    if (!root)
        return {std::nullopt, QStringLiteral("it holds no element")};
    return {std::move(root), QString()};
}
