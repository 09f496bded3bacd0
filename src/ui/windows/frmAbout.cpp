#include "ui/windows/frmAbout.h"

#include "settings/cData.h"
#include "ui/windows/AppIcon.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace cardova::ui {

frmAbout::frmAbout(const cData &data, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + data.ProdName());
    setWindowIcon(applicationIcon());

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(applicationIcon().pixmap(96, 96));
    auto *name = new QLabel(data.ProdName(), this);
    name->setObjectName(QStringLiteral("lblName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    name->setFont(big);
    auto *version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(CARDOVA_VERSION)), this);
    auto *notes = new QLabel(
        QStringLiteral("A patience game for one player: Klondike, Klondike Plus, Lawn\n"
                       "and every game you design in the games wizard.\n\n"
                       "Cards, backs, tables and sounds are made by the program itself.\n"
                       "Your games, scores and settings stay on this computer."),
        this);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(notes);
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

} // namespace cardova::ui
