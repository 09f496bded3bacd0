#include "ui/dialogs/dlGInput.h"

#include "ui/dialogs/DialogImages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cardova::ui {

dlGInput::dlGInput(const QString &caption, QWidget *parent)
    : QDialog(parent), label_(new QLabel(this)), edit_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)), cancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("dlGInput"));
    setWindowTitle(caption);
    applyWindowIcon(*this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setBuddy(edit_);
    edit_->setObjectName(QStringLiteral("Text1"));
    edit_->setMinimumWidth(260);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("CancelButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(edit_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok_, &QPushButton::clicked, this, &dlGInput::ok);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void dlGInput::setUp(const QString &prompt, const QString &text)
{
    label_->setText(prompt);
    edit_->setText(text);
    edit_->selectAll();
    edit_->setFocus();
}

QString dlGInput::text() const { return edit_->text(); }

void dlGInput::ok()
{
    if (checkText && !checkText(edit_->text())) {
        edit_->setFocus();
        return;
    }
    accept();
}

} // namespace cardova::ui
