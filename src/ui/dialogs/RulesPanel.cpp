#include "ui/dialogs/RulesPanel.h"

#include "ui/dialogs/GameRulesText.h"

#include <QGroupBox>
#include <QLabel>
#include <QResizeEvent>
#include <algorithm>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
// One sentence a line, each marked, so a long one that wraps still reads as
// one rule.
QString moreRulesText(const RulesTexts &t)
{
    QStringList lines;
    for (const QString &sentence : t.moreRules)
        lines << QStringLiteral("\u2022 ") + sentence;
    return lines.join(QLatin1Char('\n'));
}
} // namespace

QLabel *RulesPanel::label(const char *objectName)
{
    auto *l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

RulesPanel::RulesPanel(QWidget *parent) : QWidget(parent)
{
    name_ = label("lbName");
    QFont big = name_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    name_->setFont(big);
    problem_ = label("lbProblem");
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
    problem_->hide();

    auto *foundation = foundation_ = new QGroupBox(QStringLiteral("Foundation"), this);
    auto *fLayout = new QVBoxLayout(foundation);
    for (QLabel *l : {gOrder_ = label("lbGOrder"), gBase_ = label("lbGBase"), gCards_ = label("lbGCards")})
        fLayout->addWidget(l);

    auto *tableau = tableau_ = new QGroupBox(QStringLiteral("Tableau"), this);
    auto *tLayout = new QVBoxLayout(tableau);
    for (QLabel *l : {hPiles_ = label("lbHPiles"), hOrder_ = label("lbHOrder"), hSpace_ = label("lbHSpace"),
                      hAK_ = label("lbHAK"), hMulti_ = label("lbHMulti")})
        tLayout->addWidget(l);

    // Only a game with rules beyond the eight values shows this group.
    more_ = new QGroupBox(QStringLiteral("More Rules"), this);
    moreRules_ = label("lbMoreRules");
    moreRules_->setWordWrap(true);
    (new QVBoxLayout(more_))->addWidget(moreRules_);
    more_->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(name_);
    layout->addWidget(problem_);
    layout->addWidget(foundation);
    layout->addWidget(tableau);
    layout->addWidget(more_);
    layout->addStretch(1);
}

void RulesPanel::showRules(const RulesTexts &t)
{
    name_->setText(t.name);
    problem_->setText(t.problem);
    problem_->setVisible(!t.problem.isEmpty());
    // A game that cannot be read has no rules to group.
    foundation_->setVisible(t.problem.isEmpty());
    tableau_->setVisible(t.problem.isEmpty());
    gOrder_->setText(t.gOrder);
    gBase_->setText(t.gBase);
    gCards_->setText(t.gCards);
    hPiles_->setText(t.hPiles);
    hOrder_->setText(t.hOrder);
    hSpace_->setText(t.hSpace);
    hAK_->setText(t.hAK);
    hMulti_->setText(t.hMulti);
    moreRules_->setText(moreRulesText(t));
    more_->setVisible(t.problem.isEmpty() && !t.moreRules.isEmpty());
    // The new text reaches the group's own layout at once, but this panel's
    // layout only once the group has laid itself out again; until then it
    // would measure the old text.
    more_->updateGeometry();
    fitHeight();
}

int RulesPanel::moreRulesHeight(const RulesTexts &t) const
{
    if (!t.problem.isEmpty() || t.moreRules.isEmpty())
        return 0;
    // The label's own width inside its group, as the group leaves it.
    const QMargins group = more_->contentsMargins() + more_->layout()->contentsMargins();
    const int width = std::max(1, this->width() - group.left() - group.right());
    return moreRules_->fontMetrics()
        .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, moreRulesText(t))
        .height();
}

void RulesPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitHeight();
}

void RulesPanel::fitHeight()
{
    // Wrapped text needs more height the narrower the panel is, which a
    // window's minimum size does not follow by itself: the panel asks for
    // that height, so the window never cuts a sentence off. Before it is
    // shown the panel has no real width to measure.
    if (!isVisible())
        return;
    const int needed = layout()->heightForWidth(width());
    if (needed > 0 && needed != minimumHeight())
        setMinimumHeight(needed);
}

} // namespace cardova::ui
