#pragma once

#include <QFont>

// A compact sans-serif, so that the captions fit the layout's boxes.
inline QFont applicationFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    return font;
}
