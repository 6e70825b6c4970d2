#include "ui/frmPodaciOProjektu.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

namespace ui {
namespace {

constexpr int kFieldLeft = 1320;
constexpr int kFieldWidth = 5760;

QLineEdit* lineField(QWidget* parent, const char* name, const QString& text, int top) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setFont(uiFont(9.75));
    field->setGeometry(twipsRect(kFieldLeft, top, kFieldWidth, 345));
    field->setMaxLength(kProjectLineLimit);
    field->setCursorPosition(0);
    return field;
}

}  // namespace

frmPodaciOProjektu::frmPodaciOProjektu(const ProjectData& data, QWidget* parent)
    : FixedDialog(parent, "frmPodaciOProjektu", "Podaci o projektu", 7320, 4080), original_(data) {
    const QFont font = uiFont(9.75);
    const struct {
        const char* caption;
        int top;
    } labels[] = {{"Projekat", 165}, {"Element", 600}, {"Projektant", 1035}, {"Napomena", 1470}};
    for (const auto& l : labels) addLabel(this, nullptr, l.caption, twipsRect(120, l.top, 1140, 315), font);

    projekat_ = lineField(this, "txtProjekat", data.projekat, 150);
    element_ = lineField(this, "txtElement", data.element, 585);
    projektant_ = lineField(this, "txtProjektant", data.projektant, 1020);
    napomena_ = new QPlainTextEdit(data.napomena, this);
    napomena_->setObjectName("txtNapomena");
    napomena_->setFont(font);
    napomena_->setGeometry(twipsRect(kFieldLeft, 1455, kFieldWidth, 1920));
    napomena_->setTabChangesFocus(true);
    shownNote_ = napomena_->toPlainText();

    auto* ok = addButton(this, "cmdURedu", "U redu", twipsRect(4500, 3540, 1215, 375), font);
    auto* cancel = addButton(this, "cmdOdustani", "Odustani", twipsRect(5865, 3540, 1215, 375), font);
    connect(ok, &QPushButton::clicked, this, &frmPodaciOProjektu::uRedu);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    projekat_->setFocus();
}

ProjectData frmPodaciOProjektu::data() const {
    // The editor hands back a non-breaking space as a plain one: a note
    // nobody changed keeps its own text.
    const QString shown = napomena_->toPlainText();
    const QString note = shown == shownNote_ ? original_.napomena : shown;
    return {projekat_->text(), element_->text(), projektant_->text(), note};
}

// Only what a design file can keep leaves the window.
void frmPodaciOProjektu::uRedu() {
    const ProjectData d = data();
    const struct {
        const char* item;
        const QString& text;
        bool multiLine;
        QWidget* field;
    } items[] = {{"Projekat", d.projekat, false, projekat_},
                 {"Element", d.element, false, element_},
                 {"Projektant", d.projektant, false, projektant_},
                 {"Napomena", d.napomena, true, napomena_}};
    for (const auto& item : items) {
        const QString refusal = projectTextRefusal(item.item, item.text, item.multiLine);
        if (refusal.isEmpty()) continue;
        showWarning(this, refusal);
        item.field->setFocus();
        return;
    }
    accept();
}

}  // namespace ui
