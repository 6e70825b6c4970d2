#pragma once

#include <QStringList>
#include <QTreeWidget>

namespace ui {

// A list view in report layout: column headers, rows of texts, one colour for all rows.
class ResultList : public QTreeWidget {
public:
    ResultList(QWidget* parent, const char* name, const QStringList& headers);

    void setRows(const QList<QStringList>& rows);
    void setRowColour(const QColor& colour);
    QStringList rowTexts(int column) const;
};

}  // namespace ui
