#include "ui/dialogs/DialogMessage.h"

#include "common/PrintableText.h"

#include <QMessageBox>
#include <QPointer>

namespace cardova::ui {

MessageFn informationBox(QWidget *parent, const QString &title)
{
    // The parent may be gone by the time a late message arrives.
    QPointer<QWidget> owner(parent);
    return [owner, title](const QString &text) {
        QMessageBox::information(owner.data(), title, printableText(text));
    };
}

} // namespace cardova::ui
