#pragma once

#include <string>
#include <variant>

#include "reports/CalculationDocument.h"

// The document's texts one line after another, cells of a row joined by a
// space, and a figure as a line naming its size, so a whole document can be
// compared byte for byte.
inline std::string documentText(const reports::CalculationDocument& doc) {
    std::string text = doc.title + "\n";
    auto addTable = [&](const reports::Table& t) {
        for (const auto& row : t.rows) {
            std::string line;
            for (const std::string& cell : row) {
                if (cell.empty()) continue;
                if (!line.empty()) line += ' ';
                line += cell;
            }
            text += line + "\n";
        }
    };
    auto addFigure = [&](const reports::Figure& f) {
        text += "[slika " + std::to_string(static_cast<int>(f.widthTwips)) + "x" +
                std::to_string(static_cast<int>(f.heightTwips)) + "] " + f.caption + "\n";
    };
    auto addBlocks = [&](const std::vector<reports::Block>& blocks) {
        for (const auto& block : blocks) {
            if (const auto* t = std::get_if<reports::Table>(&block)) addTable(*t);
            if (const auto* l = std::get_if<reports::TextLine>(&block)) text += l->text + "\n";
            if (const auto* p = std::get_if<reports::Paragraph>(&block)) text += p->text + "\n";
            if (const auto* f = std::get_if<reports::Figure>(&block)) addFigure(*f);
            if (const auto* tf = std::get_if<reports::TableBesideFigure>(&block)) {
                addTable(tf->table);
                addFigure(tf->figure);
            }
        }
    };
    addBlocks(doc.project);
    for (const auto& section : doc.sections) {
        text += section.title + "\n";
        addBlocks(section.blocks);
    }
    return text;
}
