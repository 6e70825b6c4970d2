#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/Design.h"
#include "drawing/Primitives.h"

// The calculation document handed to the checking engineer: every input, the
// section, the force limits with the numbers put in, the cables, the stress
// check and the conclusion, as texts the page layout only has to place.

namespace reports {

// Printed at the top of every page, with "Strana X od Y" that only the page
// layout knows.
struct DocumentHeader {
    std::string program;  // "prednaprezanje 1.0.0"
    std::string date;     // "08.12.2026"
    core::ProjectData project;  // the note is not printed
};

// How the cells of a column stand in it.
enum class Align {
    Left,
    Right,
    NumbersRight,  // a number to the right, a word to the left
};

struct Column {
    Align align = Align::Left;
    bool endsGroup = false;  // a wider gap follows it
};

// Cells of one row, placed in aligned columns; a column the table does not
// describe is a left-aligned one of no group.
struct Table {
    std::vector<std::vector<std::string>> rows;
    std::vector<Column> columns;
};

// One line of text ("1/Nk0>=(0.755+0.39442)/(...)= ..."); where it runs
// past the margin it goes on under itself, indented, broken after a blank.
struct TextLine {
    std::string text;
    bool bold = false;
};

// Sentences, broken into lines where the page needs it.
struct Paragraph {
    std::string text;
};

// A drawing as the window paints it: width x height twips from the top left.
struct Figure {
    drawing::Drawing drawing;
    double widthTwips = 0;
    double heightTwips = 0;
    std::string caption;  // printed under it
};

// A table beside a figure, the figure on the right.
struct TableBesideFigure {
    Table table;
    Figure figure;
};

using Block = std::variant<Table, TextLine, Paragraph, Figure, TableBesideFigure>;

struct Section {
    std::string title;  // "1. Ulazni podaci"
    std::vector<Block> blocks;
};

struct CalculationDocument {
    DocumentHeader header;
    std::string title;
    std::vector<Block> project;  // under the title: the project data in full, the note with its line breaks
    std::vector<Section> sections;
};

// The document of a design that has passed the checks the cable window opens after.
CalculationDocument calculationDocument(const core::Design& design, DocumentHeader header);

}  // namespace reports
