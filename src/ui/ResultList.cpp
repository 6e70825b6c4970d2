#include "ui/ResultList.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>

#include "ui/Fonts.h"

namespace ui {

ResultList::ResultList(QWidget* parent, const char* name, const QStringList& headers) : QTreeWidget(parent) {
    setObjectName(name);
    setHeaderLabels(headers);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setFont(uiFont(9.75));
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
}

void ResultList::setRows(const QList<QStringList>& rows) {
    clear();
    for (const QStringList& row : rows) {
        auto* item = new QTreeWidgetItem(row);
        paintRow(item);
        addTopLevelItem(item);
    }
}

// The colour is the list's text colour and each row's own, so every row
// reports it, whichever way it is asked.
void ResultList::setRowColour(const QColor& colour) {
    rowColour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
    for (int i = 0; i < topLevelItemCount(); ++i) paintRow(topLevelItem(i));
}

void ResultList::paintRow(QTreeWidgetItem* item) const {
    if (!rowColour_.isValid()) return;
    for (int c = 0; c < columnCount(); ++c) item->setForeground(c, rowColour_);
}

QStringList ResultList::rowTexts(int column) const {
    QStringList texts;
    for (int i = 0; i < topLevelItemCount(); ++i) texts << topLevelItem(i)->text(column);
    return texts;
}

QString ResultList::asText() const {
    QString text;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QStringList columns;
        for (int c = 0; c < columnCount(); ++c) columns << topLevelItem(i)->text(c);
        text += columns.join(' ') + "\r\n";
    }
    return text;
}

void ResultList::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction("Kopiraj");
    copy->setObjectName("mnuKopiraj");
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(asText()); });
    menu.exec(event->globalPos());
}

}  // namespace ui
