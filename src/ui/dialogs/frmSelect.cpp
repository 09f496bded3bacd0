#include "ui/dialogs/frmSelect.h"

#include "rules/ClassicGames.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/NamedGame.h"
#include "ui/dialogs/ChooserLists.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/GameRulesText.h"
#include "ui/dialogs/RulesPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
constexpr int kGameIdRole = Qt::UserRole; // tree nodes of games carry their id
// Tree nodes of classics not added yet carry this instead of an id.
constexpr int kClassicRole = Qt::UserRole + 1;
constexpr QSize kOpeningSize(560, 500);
}

frmSelect::frmSelect(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), tree_(new QTreeWidget(this)), players_(new QComboBox(this)),
      rules_(new RulesPanel(this)), play_(new QPushButton(QStringLiteral("Play"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      create_(new QPushButton(QStringLiteral("Create a New Game"), this)),
      classicNote_(new QLabel(QStringLiteral("Play adds this classic game to your own games and starts it."), this))
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
    // Room for the three groups with the classics listed, without scrolling.
    resize(sizeHint().expandedTo(kOpeningSize));

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
    right->addWidget(rules_);
    // What Play does to a classic, right under its rules.
    classicNote_->setObjectName(QStringLiteral("lbClassicNote"));
    classicNote_->setWordWrap(true);
    classicNote_->setStyleSheet(QStringLiteral("color: rgb(85, 85, 85);"));
    classicNote_->hide();
    right->addWidget(classicNote_);
    right->addStretch(1);

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
    // The classics not added yet: one click adds and plays one. With every
    // classic added the heading goes too.
    const QStringList classics = classicsNotAdded(data);
    if (!classics.isEmpty()) {
        classicRoot_ = new QTreeWidgetItem(tree_, {QStringLiteral("Classic games")});
        classicRoot_->setIcon(0, groupImage());
        for (const QString &name : classics) {
            auto *item = new QTreeWidgetItem(classicRoot_, {name});
            item->setIcon(0, gameImage());
            item->setData(0, kClassicRole, true);
        }
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

bool frmSelect::classicSelected() const
{
    const QTreeWidgetItem *item = tree_->currentItem();
    return item && item->data(0, kClassicRole).toBool();
}

void frmSelect::nodeChanged(QTreeWidgetItem *item)
{
    // A group node keeps the last game's rules on show but cannot be played.
    const QString game = item && item->parent() ? item->text(0) : QString();
    const bool classic = item && item->data(0, kClassicRole).toBool();
    classicNote_->setVisible(classic);
    if (game.isEmpty()) {
        play_->setEnabled(false);
        return;
    }
    const RulesTexts texts = rulesOf(item);
    rules_->showRules(texts);
    play_->setEnabled(texts.problem.isEmpty());
}

RulesTexts frmSelect::rulesOf(const QTreeWidgetItem *item) const
{
    const QString game = item->text(0);
    // A classic not added yet has no file: its rules come from its record.
    const auto classic = item->data(0, kClassicRole).toBool() ? classicRecord(game) : std::nullopt;
    return classic ? rulesTexts(game, *classic) : rulesTexts(ctx_.custom, game);
}

void frmSelect::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only now do the rules have their real width to be measured at.
    if (!heightReserved_) {
        heightReserved_ = true;
        reserveRulesHeight();
    }
}

void frmSelect::reserveRulesHeight()
{
    // The game whose rules take the most room: its sentences, and for a
    // classic the note under them. Measured without showing each game.
    const int noteHeight = classicNote_->heightForWidth(rules_->width());
    QTreeWidgetItem *tallest = nullptr;
    int most = 0;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if (!(*it)->parent())
            continue;
        const bool classic = (*it)->data(0, kClassicRole).toBool();
        const int height = rules_->moreRulesHeight(rulesOf(*it)) + (classic ? noteHeight : 0);
        if (height > most) {
            most = height;
            tallest = *it;
        }
    }
    if (!tallest)
        return; // every game reads from its eight values alone
    // Shown once, it raises the window's minimum size and with it the
    // window; the chosen game's rules then stand in that room.
    nodeChanged(tallest);
    layout()->activate();
    nodeChanged(tree_->currentItem());
    layout()->activate();
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
    if (classicSelected() && !addSelectedClassic())
        return;
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

bool frmSelect::addSelectedClassic()
{
    const NamedGame added = addClassicGame(ctx_, selectedGame());
    if (!added.problem.isEmpty()) {
        // The dialog stays open: another game can be chosen.
        showMessage(added.problem);
        return false;
    }
    // From now on the game is a designed game like any other.
    QTreeWidgetItem *item = tree_->currentItem();
    item->setData(0, kClassicRole, QVariant());
    item->setData(0, kGameIdRole, int(ctx_.data.GetGameID(added.name)));
    classicNote_->hide();
    return true;
}

} // namespace cardova::ui
