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
    for (const QStringList& row : rows) addTopLevelItem(new QTreeWidgetItem(row));
}

void ResultList::setRowColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
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
