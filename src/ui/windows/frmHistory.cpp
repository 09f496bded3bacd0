#include "ui/windows/frmHistory.h"

#include "session/cTrans.h"
#include "ui/windows/AppIcon.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
const QColor kCurrent(128, 0, 0);
const QColor kRedo(128, 128, 0);

// The row icon: a small card with an arrow.
QIcon moveIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2.5, 8, 11), 1.5, 1.5);
    p.setPen(QPen(QColor(30, 110, 50), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(14, 8));
    p.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
    p.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
    return QIcon(pm);
}
} // namespace

frmHistory::frmHistory(const cTrans &log, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("Game History"));
    setWindowIcon(applicationIcon());

    lvHistory_ = new QTreeWidget(this);
    lvHistory_->setObjectName(QStringLiteral("lvHistory"));
    lvHistory_->setRootIsDecorated(false);
    lvHistory_->setUniformRowHeights(true);
    lvHistory_->setHeaderLabels({QString(), QStringLiteral("Source"), QStringLiteral("Destination"),
                                 QStringLiteral("Cards")});
    lvHistory_->header()->setStretchLastSection(false);
    lvHistory_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lvHistory_);
    layout->addLayout(buttons);
    fill(log);
    resize(560, 420);
}

void frmHistory::fill(const cTrans &log)
{
    const QIcon icon = moveIcon();
    QList<QTreeWidgetItem *> items;
    QTreeWidgetItem *current = nullptr;
    for (const HistoryRow &row : log.CreateLV()) {
        auto *item = new QTreeWidgetItem(
            {QString::number(row.number), row.source, row.destination, QString::number(row.cards)});
        item->setIcon(0, icon);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        if (row.mark != HistoryRow::Mark::None) {
            const bool isCurrent = row.mark == HistoryRow::Mark::Current;
            for (int c = 0; c < 4; ++c) {
                item->setForeground(c, isCurrent ? kCurrent : kRedo);
                if (isCurrent && c > 0) {
                    QFont bold = item->font(c);
                    bold.setBold(true);
                    item->setFont(c, bold);
                }
            }
            if (isCurrent)
                current = item;
        }
        items << item;
    }
    lvHistory_->addTopLevelItems(items);
    if (current)
        lvHistory_->scrollToItem(current);
}

} // namespace cardova::ui
