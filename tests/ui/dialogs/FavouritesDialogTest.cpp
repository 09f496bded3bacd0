#include "DialogTestSupport.h"

#include "session/Lifecycle.h"
#include "ui/dialogs/frmOrgFav.h"
#include "ui/dialogs/frmPlayFav.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::frmOrgFav;
using cardova::ui::frmPlayFav;

namespace {

class FavouritesDialogTest : public DialogFixture {
protected:
    void addFav(const QString &game, const QString &number, bool asText = false)
    {
        const GameNumber no = asText ? *GameNumber::fromText(number)
                                     : GameNumber::fromNumber(number.toDouble());
        ASSERT_TRUE(ctx->scores.AddFav(game, no));
    }
    // Klondike: 4711, "77"; Lawn: 12; a game no longer in the catalogue: 5.
    void addSomeFavourites()
    {
        addFav("Klondike", "4711");
        addFav("Lawn", "12");
        addFav("Gone Game", "5");
        addFav("Klondike", "77", true);
    }
    QStringList favs(const QWidget &dlg) { return rowTexts(*control<QTreeWidget>(dlg, "lvFav")); }
    QString selectedFav(const QWidget &dlg)
    {
        const QTreeWidgetItem *row = control<QTreeWidget>(dlg, "lvFav")->currentItem();
        return row ? row->text(0) : QString();
    }
    void pickGame(frmOrgFav &dlg, const QString &game)
    {
        auto *games = control<QTreeWidget>(dlg, "lvGames");
        const auto found = games->findItems(game, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << game.toStdString();
        games->setCurrentItem(found.first());
    }
    // One tick of the dialog's half-second timer, without waiting for it.
    void tick(const QWidget &dlg) { QMetaObject::invokeMethod(control<QTimer>(dlg, "Timer1"), "timeout"); }
    bool clearEnabled(const QWidget &dlg) { return control<QPushButton>(dlg, "cmdClear")->isEnabled(); }
    QByteArray readFavourites()
    {
        QFile f(ctx->scores.favFilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    bool playEnabled(const QWidget &dlg) { return control<QPushButton>(dlg, "cmdPlay")->isEnabled(); }
};

TEST_F(FavouritesDialogTest, WithoutAFavouritesFileBothDialogsOpenEmptyAndDisabled)
{
    ASSERT_FALSE(QFile::exists(ctx->scores.favFilePath()));
    frmOrgFav org(*ctx);
    EXPECT_EQ(org.windowTitle(), "Organize Favorites");
    EXPECT_EQ(rowTexts(*control<QTreeWidget>(org, "lvGames")), QStringList({"Klondike", "Klondike Plus", "Lawn"}));
    EXPECT_EQ(control<QTreeWidget>(org, "lvGames")->headerItem()->text(0), "Game");
    EXPECT_EQ(control<QTreeWidget>(org, "lvFav")->headerItem()->text(0), "Game Number");
    EXPECT_TRUE(favs(org).isEmpty());
    tick(org);
    EXPECT_FALSE(clearEnabled(org));
    EXPECT_EQ(control<QTimer>(org, "Timer1")->interval(), 500);
    EXPECT_TRUE(control<QTimer>(org, "Timer1")->isActive());

    frmPlayFav play(*ctx);
    EXPECT_EQ(play.windowTitle(), "Play from Favorites");
    EXPECT_EQ(entries(*control<QComboBox>(play, "imcGames")), QStringList({"Klondike", "Klondike Plus", "Lawn"}));
    EXPECT_TRUE(favs(play).isEmpty());
    EXPECT_FALSE(playEnabled(play));
}

TEST_F(FavouritesDialogTest, OrganizeListsEachGamesFavouritesInOrderAndTheCurrentGameFirst)
{
    addSomeFavourites();
    addFav("Klondike", "4711"); // the same deal again is listed again
    start(QStringLiteral("Lawn"), 3);
    frmOrgFav dlg(*ctx);
    EXPECT_EQ(control<QTreeWidget>(dlg, "lvGames")->currentItem()->text(0), "Lawn");
    EXPECT_EQ(favs(dlg), QStringList({"12"}));
    pickGame(dlg, "Klondike");
    EXPECT_EQ(favs(dlg), QStringList({"4711", "77", "4711"}));
    pickGame(dlg, "Klondike Plus");
    EXPECT_TRUE(favs(dlg).isEmpty());
    // The favourite of a game no longer in the catalogue is under no game,
    // yet it counts for the button and stays in the file.
    dlg.UpdateLVFav("Gone Game");
    EXPECT_EQ(favs(dlg), QStringList({"5"}));
    EXPECT_TRUE(clearEnabled(dlg));
    EXPECT_EQ(ctx->scores.FavTop(), 5);
}

TEST_F(FavouritesDialogTest, OrganizeStartsAtTheFirstGameWhenTheCurrentOneIsNotListed)
{
    addSomeFavourites();
    ctx->data.SetCurGName(QStringLiteral("Gone Game"));
    frmOrgFav dlg(*ctx);
    EXPECT_EQ(control<QTreeWidget>(dlg, "lvGames")->currentItem()->text(0), "Klondike");
    EXPECT_EQ(favs(dlg), QStringList({"4711", "77"}));
}

TEST_F(FavouritesDialogTest, ClearDeletesTheFileAndEmptiesTheListAtOnce)
{
    addSomeFavourites();
    frmOrgFav dlg(*ctx);
    QStringList messages;
    dlg.showMessage = [&](const QString &m) { messages << m; };
    dlg.askClear = [](const QString &) { return true; };
    ASSERT_FALSE(favs(dlg).isEmpty());
    control<QPushButton>(dlg, "cmdClear")->click();
    EXPECT_FALSE(QFile::exists(ctx->scores.favFilePath()));
    EXPECT_TRUE(favs(dlg).isEmpty());
    EXPECT_EQ(ctx->scores.FavTop(), 0);
    tick(dlg);
    EXPECT_FALSE(clearEnabled(dlg));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(FavouritesDialogTest, ClearAsksFirstAndEnterOrNoKeepsEveryFavourite)
{
    addSomeFavourites();
    const QByteArray before = readFavourites();
    frmOrgFav dlg(*ctx);
    dlg.show();
    {
        // The question as the player meets it: Enter answers No.
        EnterOnNextBox enter;
        control<QPushButton>(dlg, "cmdClear")->click();
        EXPECT_TRUE(enter.answered.contains("Favorites")) << enter.answered.toStdString();
    }
    EXPECT_EQ(readFavourites(), before);
    EXPECT_EQ(favs(dlg), QStringList({"4711", "77"}));

    QStringList questions;
    dlg.askClear = [&](const QString &q) {
        questions << q;
        return false;
    };
    control<QPushButton>(dlg, "cmdClear")->click();
    EXPECT_EQ(questions, QStringList{"Are you sure you want to delete the Favorites of all Games ?"});
    EXPECT_EQ(readFavourites(), before);
    EXPECT_TRUE(clearEnabled(dlg));
    // Nor does Enter in the dialog itself reach "Clear Favorites".
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(dlg.focusWidget() ? dlg.focusWidget() : &dlg, &enter);
    EXPECT_EQ(questions.size(), 1);
}

TEST_F(FavouritesDialogTest, TheTimerFollowsTheLoadedFavourites)
{
    addSomeFavourites();
    frmOrgFav dlg(*ctx);
    EXPECT_TRUE(clearEnabled(dlg));
    ctx->scores.CloseFav();
    tick(dlg);
    EXPECT_FALSE(clearEnabled(dlg));
    ctx->scores.OpenFav();
    tick(dlg);
    EXPECT_TRUE(clearEnabled(dlg));
}

TEST_F(FavouritesDialogTest, AFavouritesFileThatCannotBeDeletedIsReported)
{
    addSomeFavourites();
    frmOrgFav dlg(*ctx);
    QStringList messages;
    dlg.showMessage = [&](const QString &m) { messages << m; };
    dlg.askClear = [](const QString &) { return true; };
    // A folder in the file's place cannot be removed as a file, even by root.
    ASSERT_TRUE(QFile::remove(ctx->scores.favFilePath()));
    ASSERT_TRUE(QDir().mkpath(ctx->scores.favFilePath() + "/inside"));
    control<QPushButton>(dlg, "cmdClear")->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("tbr.fav")) << messages[0].toStdString();
    EXPECT_TRUE(QFileInfo::exists(ctx->scores.favFilePath()));
}

TEST_F(FavouritesDialogTest, PlayFavouritesSelectsTheLastOfTheChosenGame)
{
    addSomeFavourites();
    ctx->data.SetCurGName(QStringLiteral("Klondike"));
    frmPlayFav dlg(*ctx);
    auto *games = control<QComboBox>(dlg, "imcGames");
    EXPECT_EQ(games->currentText(), "Klondike");
    EXPECT_EQ(favs(dlg), QStringList({"4711", "77"}));
    EXPECT_EQ(selectedFav(dlg), "77");
    EXPECT_TRUE(playEnabled(dlg));
    choose(*games, "Klondike Plus");
    EXPECT_TRUE(favs(dlg).isEmpty());
    EXPECT_FALSE(playEnabled(dlg));
    choose(*games, "Lawn");
    EXPECT_EQ(favs(dlg), QStringList({"12"}));
    EXPECT_TRUE(playEnabled(dlg));
}

TEST_F(FavouritesDialogTest, PlayRecordsTheRunningGameAsLostThenDealsTheFavouriteByItsText)
{
    addSomeFavourites();
    start(QStringLiteral("Klondike"), 4711);
    frmPlayFav dlg(*ctx);
    dlg.show();
    QStringList messages;
    dlg.showMessage = [&](const QString &m) { messages << m; };
    auto *list = control<QTreeWidget>(dlg, "lvFav");
    list->setCurrentItem(list->topLevelItem(0)); // the deal already on the table
    control<QPushButton>(dlg, "cmdPlay")->click();

    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    QFile scores(ctx->scores.scoreFilePath("Ann"));
    ASSERT_TRUE(scores.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = scores.readAll().split('\n');
    ASSERT_GE(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains("\"Klondike\",4711,")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].trimmed().endsWith(",0")) << lines[0].toStdString();
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGName(), "Klondike");
    EXPECT_TRUE(ctx->data.CurGNo().isText());
    EXPECT_EQ(ctx->data.CurGNo().toText(), "4711");
}

TEST_F(FavouritesDialogTest, AFavouriteOfACustomGameThatWentBadIsReported)
{
    writeFile(QStringLiteral("Avenue.gam"), "0,0,0,4,13,7,1,1\r\n");
    reloadGames();
    addFav("Avenue", "9");
    ctx->data.SetCurGName(QStringLiteral("Avenue"));
    frmPlayFav dlg(*ctx);
    QStringList messages;
    dlg.showMessage = [&](const QString &m) { messages << m; };
    writeFile(QStringLiteral("Avenue.gam"), "oops");
    control<QPushButton>(dlg, "cmdPlay")->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("Avenue")) << messages[0].toStdString();
    EXPECT_FALSE(ctx->GameRunning());
}

TEST_F(FavouritesDialogTest, CancelStartsNothing)
{
    addSomeFavourites();
    frmPlayFav dlg(*ctx);
    dlg.show();
    control<QPushButton>(dlg, "cmdCancel")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(ctx->GameRunning());
}

} // namespace
