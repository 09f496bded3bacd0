#include "DialogTestSupport.h"

#include "rules/ClassicGames.h"
#include "session/Lifecycle.h"
#include "settings/GameFile.h"
#include "ui/dialogs/frmSelect.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidgetItemIterator>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::frmSelect;

namespace {

class SelectDialogTest : public DialogFixture {
protected:
    QStringList children(const frmSelect &dlg, int root)
    {
        QStringList names;
        const QTreeWidgetItem *node = control<QTreeWidget>(dlg, "TreeView1")->topLevelItem(root);
        for (int i = 0; node && i < node->childCount(); ++i)
            names << node->child(i)->text(0);
        return names;
    }
    QString current(const frmSelect &dlg)
    {
        const QTreeWidgetItem *item = control<QTreeWidget>(dlg, "TreeView1")->currentItem();
        return item ? item->text(0) : QString();
    }
    QString text(const frmSelect &dlg, const char *label) { return control<QLabel>(dlg, label)->text(); }
    // The group of rules beyond the eight values is not on show.
    bool moreRulesHidden(const frmSelect &dlg) { return control<QLabel>(dlg, "lbMoreRules")->parentWidget()->isHidden(); }
    // Makes the tree node with that text current, as a click does.
    void pick(frmSelect &dlg, const QString &name)
    {
        auto *tree = control<QTreeWidget>(dlg, "TreeView1");
        const auto found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        tree->setCurrentItem(found.first());
    }
    void writeCustomGames()
    {
        writeFile(QStringLiteral("Spider Lane.gam"), "2,13,4,8,10,9,1,0\r\n");
        writeFile(QStringLiteral("Avenue.gam"), "0,0,0,4,13,7,1,1\r\n");
        writeFile(QStringLiteral("Broken.gam"), "1,2\r\n");
        reloadGames();
    }
};

TEST_F(SelectDialogTest, TreeHoldsStandardThenCustomGamesAndPreselectsTheLastStandardGame)
{
    writeCustomGames();
    ctx->data.SetLastGName(QStringLiteral("Lawn"));
    frmSelect dlg(*ctx);
    EXPECT_EQ(dlg.windowTitle(), "Cardova");
    auto *tree = control<QTreeWidget>(dlg, "TreeView1");
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Standard Games");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "Custom Games");
    EXPECT_EQ(tree->topLevelItem(2)->text(0), "Classic games");
    EXPECT_EQ(children(dlg, 0), QStringList({"Klondike", "Klondike Plus", "Lawn"}));
    EXPECT_EQ(children(dlg, 1), QStringList({"Avenue", "Broken", "Spider Lane"}));
    EXPECT_EQ(current(dlg), "Lawn");
    // The rules of the preselected game are on show at once.
    EXPECT_EQ(text(dlg, "lbName"), "Lawn");
    EXPECT_EQ(text(dlg, "lbGOrder"), "Card Arranging Order : Down Same Suit");
    EXPECT_EQ(text(dlg, "lbGBase"), "Base Card : King");
    EXPECT_EQ(text(dlg, "lbGCards"), "Initial Cards : 1");
    EXPECT_EQ(text(dlg, "lbHPiles"), "No. of Piles : 7");
    EXPECT_EQ(text(dlg, "lbHOrder"), "Card Arranging Order : Down Alternate Color");
    EXPECT_EQ(text(dlg, "lbHSpace"), "Space Filling Card : Any Card");
    EXPECT_EQ(text(dlg, "lbHAK"), "Ace-King Wrapping : False");
    EXPECT_EQ(text(dlg, "lbHMulti"), "Multi Card Move : True");
    // A game of the eight values alone reads as it always has.
    EXPECT_TRUE(moreRulesHidden(dlg));
    EXPECT_TRUE(control<QLabel>(dlg, "lbClassicNote")->isHidden());
    EXPECT_TRUE(control<QPushButton>(dlg, "cmdPlay")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(dlg, "cmdCreate")->isEnabled());
    EXPECT_EQ(control<QPushButton>(dlg, "cmdCreate")->text(), "Create a New Game");

    // Handed the wizard, "Create a New Game" closes the dialog, then opens it.
    int wizards = 0;
    dlg.setCreateGame([&] { ++wizards; });
    dlg.show();
    control<QPushButton>(dlg, "cmdCreate")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(wizards, 0); // not inside the dialog's own turn
    QCoreApplication::processEvents();
    EXPECT_EQ(wizards, 1);
}

TEST_F(SelectDialogTest, ACustomLastGameIsNeverPreselectedAndNoCustomGamesLeaveTheGroupEmpty)
{
    writeCustomGames();
    ctx->data.SetLastGName(QStringLiteral("Avenue"));
    {
        frmSelect dlg(*ctx);
        EXPECT_EQ(current(dlg), "Klondike");
        EXPECT_EQ(text(dlg, "lbHSpace"), "Space Filling Card : King");
    }
    QFile::remove(dataDir() + "Spider Lane.gam");
    QFile::remove(dataDir() + "Avenue.gam");
    QFile::remove(dataDir() + "Broken.gam");
    reloadGames();
    frmSelect dlg(*ctx);
    EXPECT_EQ(children(dlg, 0).size(), 3);
    EXPECT_TRUE(children(dlg, 1).isEmpty());
}

TEST_F(SelectDialogTest, ClickingACustomGameShowsItsRulesAndADamagedOneANote)
{
    writeCustomGames();
    frmSelect dlg(*ctx);
    pick(dlg, QStringLiteral("Spider Lane"));
    EXPECT_EQ(text(dlg, "lbName"), "Spider Lane");
    EXPECT_EQ(text(dlg, "lbGOrder"), "Card Arranging Order : Up Regardless of Suit");
    EXPECT_EQ(text(dlg, "lbGBase"), "Base Card : Random");
    EXPECT_EQ(text(dlg, "lbGCards"), "Initial Cards : 4");
    EXPECT_EQ(text(dlg, "lbHPiles"), "No. of Piles : 9");
    EXPECT_EQ(text(dlg, "lbHOrder"), "Card Arranging Order : Up or Down Alternate Color");
    EXPECT_EQ(text(dlg, "lbHSpace"), "Space Filling Card : Jack");
    EXPECT_EQ(text(dlg, "lbHAK"), "Ace-King Wrapping : True");
    EXPECT_EQ(text(dlg, "lbHMulti"), "Multi Card Move : False");
    EXPECT_TRUE(moreRulesHidden(dlg));

    pick(dlg, QStringLiteral("Broken"));
    EXPECT_EQ(text(dlg, "lbName"), "Broken");
    EXPECT_TRUE(text(dlg, "lbProblem").contains("cannot be loaded")) << text(dlg, "lbProblem").toStdString();
    EXPECT_TRUE(text(dlg, "lbGOrder").isEmpty());
    EXPECT_TRUE(text(dlg, "lbHMulti").isEmpty());
    EXPECT_FALSE(control<QPushButton>(dlg, "cmdPlay")->isEnabled());

    // A sound game afterwards hides the note again.
    pick(dlg, QStringLiteral("Avenue"));
    EXPECT_TRUE(control<QLabel>(dlg, "lbProblem")->isHidden());
    EXPECT_EQ(text(dlg, "lbHPiles"), "No. of Piles : 7");
}

TEST_F(SelectDialogTest, PlayStartsTheSelectedGameForTheSelectedPlayer)
{
    writeCustomGames();
    frmSelect dlg(*ctx);
    EXPECT_EQ(entries(*control<QComboBox>(dlg, "imcPlayer")), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(control<QComboBox>(dlg, "imcPlayer")->currentText(), "Ann");
    choose(*control<QComboBox>(dlg, "imcPlayer"), QStringLiteral("Bob"));
    pick(dlg, QStringLiteral("Avenue"));
    dlg.show();
    control<QPushButton>(dlg, "cmdPlay")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGName(), "Avenue");
    EXPECT_EQ(ctx->data.CurPlayer(), "Bob");
    EXPECT_EQ(ctx->data.GetRecent(1), "Avenue");
}

TEST_F(SelectDialogTest, PlayOnAGroupNodeStartsNothingAndKeepsTheDialogOpen)
{
    frmSelect dlg(*ctx);
    dlg.show();
    pick(dlg, QStringLiteral("Custom Games"));
    auto *play = control<QPushButton>(dlg, "cmdPlay");
    EXPECT_FALSE(play->isEnabled());
    QMetaObject::invokeMethod(play, "clicked"); // even if the click got through
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.GetRecent(1), "");
}

TEST_F(SelectDialogTest, PlayOnAGameWhoseFileWentBadSaysSoAndStaysOpen)
{
    writeCustomGames();
    frmSelect dlg(*ctx);
    QStringList messages;
    dlg.showMessage = [&](const QString &m) { messages << m; };
    dlg.show();
    pick(dlg, QStringLiteral("Avenue"));
    writeFile(QStringLiteral("Avenue.gam"), "oops");
    control<QPushButton>(dlg, "cmdPlay")->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("Avenue"));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(ctx->GameRunning());
}

TEST_F(SelectDialogTest, CancelLeavesTheRunningGameAndThePlayerAsTheyWere)
{
    start(QStringLiteral("Klondike"), 4711);
    const QStringList table = tableauText(*ctx);
    frmSelect dlg(*ctx);
    dlg.show();
    choose(*control<QComboBox>(dlg, "imcPlayer"), QStringLiteral("Bob"));
    pick(dlg, QStringLiteral("Lawn"));
    control<QPushButton>(dlg, "cmdCancel")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGName(), "Klondike");
    EXPECT_EQ(ctx->data.CurGNo().toText(), "4711");
    EXPECT_EQ(ctx->data.CurPlayer(), "Ann");
    EXPECT_EQ(tableauText(*ctx), table);
    EXPECT_FALSE(QFile::exists(ctx->scores.scoreFilePath(QStringLiteral("Ann"))));
}

QStringList classicNames()
{
    QStringList names;
    for (const ClassicGame &g : classicGames())
        names << QString::fromLatin1(g.name);
    return names;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(SelectDialogTest, TheClassicsNotAddedYetStandUnderTheirOwnHeadingWithTheirRules)
{
    writeCustomGames();
    // FreeCell was added before: it is one of the player's games now.
    ASSERT_EQ(ctx->custom.SaveGame(QStringLiteral("FreeCell"), *classicRecord(QStringLiteral("FreeCell"))), "");
    reloadGames();
    frmSelect dlg(*ctx);
    QStringList notAdded = classicNames();
    notAdded.removeOne(QStringLiteral("FreeCell"));
    EXPECT_EQ(children(dlg, 1), QStringList({"Avenue", "Broken", "FreeCell", "Spider Lane"}));
    EXPECT_EQ(children(dlg, 2), notAdded);
    EXPECT_EQ(children(dlg, 2).size(), 10);

    // A classic shows its eight values and, below them, what else makes it.
    pick(dlg, QStringLiteral("Canfield"));
    EXPECT_EQ(text(dlg, "lbName"), "Canfield");
    EXPECT_EQ(text(dlg, "lbGBase"), "Base Card : Random");
    EXPECT_EQ(text(dlg, "lbHPiles"), "No. of Piles : 4");
    EXPECT_FALSE(moreRulesHidden(dlg));
    const QString canfield = text(dlg, "lbMoreRules");
    for (const char *rule : {"three cards at a time", "reserve of thirteen cards", "filled at once from the reserve",
                             "whole tableau pile", "base card of all four"})
        EXPECT_TRUE(canfield.contains(QLatin1String(rule))) << rule << " in " << canfield.toStdString();
    EXPECT_TRUE(control<QLabel>(dlg, "lbClassicNote")->isVisibleTo(&dlg));
    EXPECT_TRUE(control<QPushButton>(dlg, "cmdPlay")->isEnabled());

    // An added classic describes itself from its file the same way.
    pick(dlg, QStringLiteral("FreeCell"));
    EXPECT_TRUE(text(dlg, "lbMoreRules").contains(QLatin1String("Four free cells"))) << text(dlg, "lbMoreRules").toStdString();
    EXPECT_FALSE(control<QLabel>(dlg, "lbClassicNote")->isVisibleTo(&dlg));

    // Every classic has rules of its own to show; a plain game hides them again.
    for (const QString &name : notAdded) {
        pick(dlg, name);
        EXPECT_FALSE(moreRulesHidden(dlg)) << name.toStdString();
        EXPECT_FALSE(text(dlg, "lbMoreRules").isEmpty()) << name.toStdString();
    }
    pick(dlg, QStringLiteral("Klondike Plus"));
    EXPECT_TRUE(moreRulesHidden(dlg));
    pick(dlg, QStringLiteral("Classic games"));
    EXPECT_FALSE(control<QPushButton>(dlg, "cmdPlay")->isEnabled());
}

TEST_F(SelectDialogTest, PlayOnAClassicWritesItsFileStartsItAndListsItAsThePlayersOwn)
{
    const QString game = QStringLiteral("Baker's Game");
    ASSERT_FALSE(QFile::exists(ctx->custom.gamePath(game)));
    {
        frmSelect dlg(*ctx);
        choose(*control<QComboBox>(dlg, "imcPlayer"), QStringLiteral("Bob"));
        pick(dlg, game);
        dlg.show();
        control<QPushButton>(dlg, "cmdPlay")->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_FALSE(dlg.isVisible());
    }
    GameRecord saved;
    ASSERT_EQ(readGameFile(ctx->custom.gamePath(game), &saved), "");
    EXPECT_TRUE(saved == *classicRecord(game));
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGName(), game);
    EXPECT_EQ(ctx->data.CurPlayer(), "Bob");
    EXPECT_EQ(ctx->data.GetRecent(1), game);
    EXPECT_GT(ctx->data.GetGameID(game), 3);
    // Eight piles dealt in rows, four empty cells: the classic is on the table.
    EXPECT_EQ(ctx->games.Piles(kFreeCell), 4);
    EXPECT_EQ(tableauText(*ctx).size(), 8);

    // From now on it is listed with the player's games, not under the classics.
    frmSelect again(*ctx);
    EXPECT_EQ(children(again, 1), QStringList({game}));
    EXPECT_FALSE(children(again, 2).contains(game));
    EXPECT_EQ(children(again, 2).size(), int(classicGames().size()) - 1);
}

TEST_F(SelectDialogTest, AClassicWhoseFileAppearedMeanwhileIsLeftAsItWas)
{
    frmSelect dlg(*ctx);
    QStringList messages;
    dlg.showMessage = [&](const QString &m) { messages << m; };
    dlg.show();
    pick(dlg, QStringLiteral("FreeCell"));
    // Another game of that name is written while the dialog is open.
    writeFile(QStringLiteral("FreeCell.gam"), "0,0,0,4,13,7,1,1\r\n");
    control<QPushButton>(dlg, "cmdPlay")->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QLatin1String("FreeCell")) && messages[0].contains(QLatin1String("exists already")))
        << messages[0].toStdString();
    EXPECT_EQ(fileBytes(ctx->custom.gamePath(QStringLiteral("FreeCell"))), "0,0,0,4,13,7,1,1\r\n");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(ctx->GameRunning());
}

TEST_F(SelectDialogTest, WithEveryClassicAddedTheirHeadingGoes)
{
    for (const ClassicGame &g : classicGames())
        ASSERT_EQ(ctx->custom.SaveGame(QString::fromLatin1(g.name), g.record), "");
    reloadGames();
    frmSelect dlg(*ctx);
    auto *tree = control<QTreeWidget>(dlg, "TreeView1");
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(children(dlg, 1).size(), int(classicGames().size()));
}

TEST_F(SelectDialogTest, TheButtonsStayPutWhicheverGameIsChosen)
{
    writeCustomGames();
    saveManyRulesVariant();
    reloadGames();
    frmSelect dlg(*ctx);
    dlg.show();
    QCoreApplication::processEvents();
    auto *play = control<QPushButton>(dlg, "cmdPlay");
    const QSize opened = dlg.size();
    const QPoint playAt = play->mapTo(&dlg, QPoint(0, 0));
    auto *tree = control<QTreeWidget>(dlg, "TreeView1");
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        tree->setCurrentItem(*it);
        QCoreApplication::processEvents();
        EXPECT_EQ(dlg.size(), opened) << (*it)->text(0).toStdString();
        EXPECT_EQ(play->mapTo(&dlg, QPoint(0, 0)), playAt) << (*it)->text(0).toStdString();
    }
    // The rules of the game chosen at the start are the ones on show.
    EXPECT_EQ(text(dlg, "lbName"), "Streets and Alleys");
}

} // namespace
