#include "ui/stats/UnreadableNote.h"

#include "ui/stats/StatTexts.h"

#include <QLabel>

namespace cardova::ui {

namespace {
const QColor kWarningText(150, 30, 20);
} // namespace

QLabel *makeUnreadableNote(QWidget *parent)
{
    auto *note = new QLabel(parent);
    note->setObjectName(QStringLiteral("lblUnreadable"));
    note->setWordWrap(true);
    // Names come from the disk: never read them as rich text.
    note->setTextFormat(Qt::PlainText);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, kWarningText);
    note->setPalette(palette);
    note->hide();
    return note;
}

void showUnreadableNote(QLabel *note, const QStringList &files)
{
    note->setText(unreadableText(files, QStringLiteral("these figures")));
    note->setVisible(!files.isEmpty());
}

} // namespace cardova::ui
