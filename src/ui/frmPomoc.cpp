#include "ui/frmPomoc.h"

#include <QListWidget>
#include <QPushButton>

#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {

frmPomoc::frmPomoc(QWidget* parent) : FixedDialog(parent, "frmPomoc", "Pomoc", 4650, 2220) {
    auto* list = new QListWidget(this);
    list->setObjectName("lstPomoc");
    list->setFont(uiFont(9.75));
    list->setGeometry(twipsRect(45, 45, 4560, 1740));
    list->addItems({
        "Program omogucava proracun pocetne sile",
        "prethodnog naprezanja za posmatrani betonski",
        "presek.",
        "",
        "Faze analize se sastoje iz sledecih koraka:",
        "   1. Nakon startovanja programa u odgovara-",
        "       juca textualna polja se unose dimenzije po-",
        "       precnog preseka, staticki uticaji i koeficijent",
        "       efikasnosti prethodnog naprezanja.            ",
        "   2. U podajucem meniju -Definisi- se usvajaju",
        "       dopusteni naponi i vrsta kablova.",
        "   3. U padajucem meniju -Proracun- se startuje",
        "       numericka analiza.",
    });

    auto* ok = new QPushButton("U redu", this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(twipsRect(3600, 1845, 915, 330));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace ui
