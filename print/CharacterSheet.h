#pragma once
// The printed one-page character sheet: the blank form with the character's
// entries written into it.

#include "print/SheetData.h"

#include <QByteArray>

class QPaintDevice;
class QPainter;

// Draws the sheet with the painter's units taken as points and its origin at
// the top-left of the printable area.
void drawCharacterSheet(QPainter& painter, const SheetData& data);

// Paints the sheet on any device (printer, PDF writer, image), scaling so
// that one unit is one point whatever the device's resolution.
void printCharacterSheet(QPaintDevice& device, const SheetData& data);

// The sheet as a one-page US Letter PDF without margins.
QByteArray characterSheetPdf(const SheetData& data);
