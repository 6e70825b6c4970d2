#pragma once

#include <QStringList>
#include <QTreeWidget>

namespace ui {

// A list view in report layout: column headers, rows of texts, one colour for all
// rows, and "Kopiraj" in its context menu to take the rows into other programs.
class ResultList : public QTreeWidget {
public:
    ResultList(QWidget* parent, const char* name, const QStringList& headers);

    void setRows(const QList<QStringList>& rows);
    void setRowColour(const QColor& colour);
    QStringList rowTexts(int column) const;

    // The rows as a saved file holds them: the columns of a row joined by a
    // blank, every row ended by CR LF.
    QString asText() const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void paintRow(QTreeWidgetItem* item) const;

    QColor rowColour_;  // none until set: the rows take the list's text colour
};

}  // namespace ui
