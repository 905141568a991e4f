#pragma once
// A row of a layout table: one control with its place and first state.
// Positions are left, top, width, height in window coordinates.

#include "wizard/Control.h"

#include <vector>

struct LayoutRow {
    const char* name;
    int index; // member of a radio group, or -1
    ControlKind kind;
    int x, y, w, h;
    // The caption; lines of a multi-line label are separated by '\n', the
    // items of a popup menu by '|'.
    const char* caption = "";
    bool enabled = true;
    bool checked = false;
    const char* tooltip = "";
    bool visible = true;
};

// The window header, above the page panel.
const std::vector<LayoutRow>& headerLayout();
// The controls of one page, its placard first.
const std::vector<LayoutRow>& pageLayout(int page);

// The type of a control where it differs from the window's own.
enum class FontStyle { Normal, Bold, Italic, NarrowBold };
FontStyle fontStyleOf(const QString& name);

// Where a caption sits across its box, where it differs from its kind's
// own (a label reads from the left).
enum class TextAlignment { Natural, Right, Centre };
TextAlignment textAlignmentOf(const QString& name);
