#pragma once
// A cautious XML reader for small documents from untrusted files. It refuses
// what a character file never holds (a document type declaration, so no
// entity is ever declared, expanded or fetched; an encoding other than
// UTF-8; invalid UTF-8), bounds the element count and the nesting, and hands
// back a plain element tree with whitespace, text, comments and processing
// instructions dropped, so children can be counted and reached by position.

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

struct XmlElement {
    QString name;
    std::vector<std::pair<QString, QString>> attributes; // in document order
    std::vector<XmlElement> children;

    // The attribute's value; a missing attribute reads as empty text.
    QString attribute(const char* key) const;
    bool hasAttribute(const char* key) const;
};

struct XmlLimits {
    int maxElements = 10000;
    int maxDepth = 16;
};

struct XmlParse {
    std::optional<XmlElement> root;
    QString error; // a sentence about the document, without its name
    bool wellFormed = true; // false when the error is the XML parser's own
};

XmlParse parseXmlSafely(const QByteArray& bytes, const XmlLimits& limits);

// Where the first byte that is not UTF-8 lies, as line and column (both from
// 1; the column counts characters), or nothing when the text is clean.
std::optional<std::pair<int, int>> firstInvalidUtf8(const QByteArray& bytes);
