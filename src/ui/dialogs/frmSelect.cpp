#include "ui/dialogs/frmSelect.h"

#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "ui/dialogs/ChooserLists.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/GameRulesText.h"
#include "ui/dialogs/RulesPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
constexpr int kGameIdRole = Qt::UserRole; // tree nodes of games carry their id
}

frmSelect::frmSelect(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), tree_(new QTreeWidget(this)), players_(new QComboBox(this)),
      rules_(new RulesPanel(this)), play_(new QPushButton(QStringLiteral("Play"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      create_(new QPushButton(QStringLiteral("Create a New Game"), this))
{
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(ctx.data.ProdName());
    applyWindowIcon(*this);
    showMessage = informationBox(this, ctx.data.ProdName());
    buildLayout();

    fillPlayers(*players_, ctx.data, playerImage());
    if (players_->count() > 0)
        players_->setCurrentIndex(0);
    selectText(*players_, ctx.data.CurPlayer());

    fillTree();
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { nodeChanged(current); });
    nodeChanged(tree_->currentItem());

    connect(play_, &QPushButton::clicked, this, &frmSelect::play);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSelect::buildLayout()
{
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setIconSize(QSize(16, 16));
    tree_->setMinimumSize(220, 300);
    players_->setObjectName(QStringLiteral("imcPlayer"));
    players_->setIconSize(QSize(16, 16));
    play_->setObjectName(QStringLiteral("cmdPlay"));
    play_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    create_->setObjectName(QStringLiteral("cmdCreate"));
    // The games wizard does not exist yet; the button must not pretend.
    create_->setEnabled(false);

    auto *playerRow = new QHBoxLayout;
    playerRow->addWidget(new QLabel(QStringLiteral("Player :"), this));
    playerRow->addWidget(players_, 1);

    auto *right = new QVBoxLayout;
    right->addLayout(playerRow);
    right->addSpacing(6);
    right->addWidget(rules_, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(tree_, 1);
    top->addLayout(right, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(create_);
    buttons->addStretch(1);
    buttons->addWidget(play_);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

void frmSelect::fillTree()
{
    const cData &data = ctx_.data;
    standardRoot_ = new QTreeWidgetItem(tree_, {QStringLiteral("Standard Games")});
    standardRoot_->setIcon(0, groupImage());
    QTreeWidgetItem *selected = nullptr;
    for (int16_t i = 1; i <= 3 && i <= data.TotalGames(); ++i) {
        auto *item = new QTreeWidgetItem(standardRoot_, {data.GetGName(i)});
        item->setIcon(0, gameImage());
        item->setData(0, kGameIdRole, int(i));
        if (!selected || item->text(0) == data.LastGName())
            selected = item;
    }
    customRoot_ = new QTreeWidgetItem(tree_, {QStringLiteral("Custom Games")});
    customRoot_->setIcon(0, groupImage());
    // Custom games are listed but never preselected.
    for (int16_t i = 4; i <= data.TotalGames(); ++i) {
        auto *item = new QTreeWidgetItem(customRoot_, {data.GetGName(i)});
        item->setIcon(0, gameImage());
        item->setData(0, kGameIdRole, int(i));
    }
    tree_->expandAll();
    tree_->setCurrentItem(selected);
}

QString frmSelect::selectedGame() const
{
    const QTreeWidgetItem *item = tree_->currentItem();
    if (!item || !item->parent())
        return {};
    return item->text(0);
}

void frmSelect::nodeChanged(QTreeWidgetItem *item)
{
    // A group node keeps the last game's rules on show but cannot be played.
    const QString game = item && item->parent() ? item->text(0) : QString();
    if (!game.isEmpty()) {
        const RulesTexts texts = rulesTexts(ctx_.custom, game);
        rules_->showRules(texts);
        play_->setEnabled(texts.problem.isEmpty());
    } else {
        play_->setEnabled(false);
    }
}

void frmSelect::setCreateGame(std::function<void()> openWizard)
{
    create_->setEnabled(bool(openWizard));
    disconnect(create_, &QPushButton::clicked, this, nullptr);
    if (!openWizard)
        return;
    connect(create_, &QPushButton::clicked, this, [this, openWizard] {
        reject();
        // The wizard opens once this dialog's own loop has ended.
        QObject *owner = parentWidget() ? static_cast<QObject *>(parentWidget()) : qApp;
        QTimer::singleShot(0, owner, openWizard);
    });
}

void frmSelect::play()
{
    const QString game = selectedGame();
    if (game.isEmpty())
        return; // a group node is no game
    // A game file that went bad since the list was made is reported while
    // the dialog stays open, so the player can choose another game.
    GameRecord record;
    QString problem = ctx_.custom.LoadRecord(game, &record);
    if (!problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    hide(); // the deal is seen on a free table
    if (players_->currentIndex() >= 0)
        ctx_.data.SetCurPlayer(players_->currentText());
    if (dealRandom) {
        accept();
        dealRandom(game);
        return;
    }
    problem = NewGame(ctx_, game, RandomGameNo(ctx_));
    if (!problem.isEmpty())
        showMessage(problem);
    accept();
}

} // namespace cardova::ui
