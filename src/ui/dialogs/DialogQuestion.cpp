#include "ui/dialogs/DialogQuestion.h"

#include "common/PrintableText.h"

#include <QMessageBox>
#include <QPointer>

namespace cardova::ui {

MessageFn errorBox(QWidget *parent, const QString &title)
{
    // The parent may be gone by the time a late message arrives.
    QPointer<QWidget> owner(parent);
    return [owner, title](const QString &text) { QMessageBox::critical(owner.data(), title, printableText(text)); };
}

AskFn questionBox(QWidget *parent, const QString &title)
{
    QPointer<QWidget> owner(parent);
    return [owner, title](const QString &question) {
        return QMessageBox::critical(owner.data(), title, printableText(question), QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
}

AskFn confirmBox(QWidget *parent, const QString &title)
{
    QPointer<QWidget> owner(parent);
    return [owner, title](const QString &question) {
        return QMessageBox::question(owner.data(), title, question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
}

} // namespace cardova::ui
