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

frmPodaciOProjektu::frmPodaciOProjektu(const core::ProjectData& data, QWidget* parent)
    : FixedDialog(parent, "frmPodaciOProjektu", "Podaci o projektu", 7320, 4080), original_(data) {
    const QFont font = uiFont(9.75);
    const struct {
        const char* caption;
        int top;
    } labels[] = {{"Projekat", 165}, {"Element", 600}, {"Projektant", 1035}, {"Napomena", 1470}};
    for (const auto& l : labels) addLabel(this, nullptr, l.caption, twipsRect(120, l.top, 1140, 315), font);

    projekat_ = lineField(this, "txtProjekat", QString::fromStdString(data.projekat), 150);
    element_ = lineField(this, "txtElement", QString::fromStdString(data.element), 585);
    projektant_ = lineField(this, "txtProjektant", QString::fromStdString(data.projektant), 1020);
    napomena_ = new QPlainTextEdit(QString::fromStdString(data.napomena), this);
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

QString frmPodaciOProjektu::note() const {
    // The editor hands back a non-breaking space as a plain one: a note
    // nobody changed keeps its own text.
    const QString shown = napomena_->toPlainText();
    return shown == shownNote_ ? QString::fromStdString(original_.napomena) : shown;
}

core::ProjectData frmPodaciOProjektu::data() const {
    return {projekat_->text().toStdString(), element_->text().toStdString(), projektant_->text().toStdString(),
            note().toStdString()};
}

// Only what a design file can keep leaves the window.
void frmPodaciOProjektu::uRedu() {
    const struct {
        const char* item;
        QString text;
        bool multiLine;
        QWidget* field;
    } items[] = {{"Projekat", projekat_->text(), false, projekat_},
                 {"Element", element_->text(), false, element_},
                 {"Projektant", projektant_->text(), false, projektant_},
                 {"Napomena", note(), true, napomena_}};
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
