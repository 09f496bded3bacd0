#include "DialogTestSupport.h"

#include "ui/dialogs/PlayerSlots.h"
#include "ui/dialogs/dlGInput.h"
#include "ui/dialogs/frmPlayers.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::dlGInput;
using cardova::ui::frmPlayers;

namespace {

// One opening of the name dialog as the test saw it.
struct NameDialogSeen {
    QString caption, prompt, text, selectedText;
    bool closed = false;
    bool accepted = false;
};

class PlayersDialogTest : public DialogFixture {
protected:
    // A players dialog whose boxes are read by the test and whose name
    // dialog gets `typed` entered in turn, with OK pressed after each,
    // until it closes or the texts run out (then Cancel).
    std::unique_ptr<frmPlayers> open(QStringList typed = {})
    {
        auto dlg = std::make_unique<frmPlayers>(*ctx);
        dlg->showMessage = [this](const QString &m) { messages << m; };
        dlg->showError = [this](const QString &m) { errors << m; };
        dlg->ask = [this](const QString &q) {
            questions << q;
            return answer;
        };
        dlg->askName = [this, typed](dlGInput &input) mutable {
            NameDialogSeen seen{input.windowTitle(), control<QLabel>(input, "Label1")->text(),
                                control<QLineEdit>(input, "Text1")->text(),
                                control<QLineEdit>(input, "Text1")->selectedText()};
            for (const QString &name : typed) {
                control<QLineEdit>(input, "Text1")->setText(name);
                control<QPushButton>(input, "OKButton")->click();
                if (input.result() == QDialog::Accepted)
                    break;
            }
            if (input.result() != QDialog::Accepted)
                control<QPushButton>(input, "CancelButton")->click();
            seen.closed = true;
            seen.accepted = input.result() == QDialog::Accepted;
            nameDialogs.push_back(seen);
        };
        return dlg;
    }
    void setPlayers(const QStringList &names, const QString &current)
    {
        for (int16_t slot = 1; slot <= kMaxPlayers; ++slot)
            ctx->data.SetPlayer(slot, slot <= names.size() ? names[slot - 1] : QString(), false);
        ctx->data.SetCurPlayer(current);
    }
    QStringList slots()
    {
        QStringList names;
        for (int16_t slot = 1; slot <= ctx->data.TotalPlayers(); ++slot)
            names << ctx->data.GetPlayer(slot);
        return names;
    }
    QStringList listed(const frmPlayers &dlg) { return rowTexts(*control<QTreeWidget>(dlg, "lvPlayer")); }
    QString selected(const frmPlayers &dlg)
    {
        const QTreeWidgetItem *item = control<QTreeWidget>(dlg, "lvPlayer")->currentItem();
        return item ? item->text(0) : QString();
    }
    void pick(frmPlayers &dlg, const QString &name)
    {
        auto *list = control<QTreeWidget>(dlg, "lvPlayer");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->setCurrentItem(found.first());
    }
    void press(frmPlayers &dlg, const char *button) { control<QPushButton>(dlg, button)->click(); }
    bool deleteEnabled(const frmPlayers &dlg) { return control<QPushButton>(dlg, "cmdDelete")->isEnabled(); }

    QStringList messages, errors, questions;
    bool answer = true;
    std::vector<NameDialogSeen> nameDialogs;
};

TEST_F(PlayersDialogTest, OpensWithThePlayersInSlotOrderAndTheCurrentOneSelectedAndUndeletable)
{
    setPlayers({"Cy", "Ann", "Bob"}, "Ann");
    auto dlg = open();
    EXPECT_EQ(dlg->windowTitle(), "Players");
    EXPECT_EQ(listed(*dlg), QStringList({"Cy", "Ann", "Bob"}));
    EXPECT_EQ(selected(*dlg), "Ann");
    EXPECT_FALSE(deleteEnabled(*dlg));
    pick(*dlg, "Bob");
    EXPECT_TRUE(deleteEnabled(*dlg));
    pick(*dlg, "Ann");
    EXPECT_FALSE(deleteEnabled(*dlg));
}

TEST_F(PlayersDialogTest, NewAddsTheNameAsTypedWithoutMakingItCurrent)
{
    auto dlg = open({"bob", "   "});
    press(*dlg, "cmdAdd");
    ASSERT_EQ(nameDialogs.size(), 1u);
    EXPECT_EQ(nameDialogs[0].caption, "Cardova");
    EXPECT_EQ(nameDialogs[0].prompt, "Add Player");
    EXPECT_EQ(nameDialogs[0].text, "");
    EXPECT_TRUE(nameDialogs[0].accepted);
    // A name differing only in letter case is another player.
    EXPECT_EQ(slots(), QStringList({"Ann", "Bob", "bob"}));
    EXPECT_EQ(listed(*dlg), slots());
    EXPECT_EQ(ctx->data.CurPlayer(), "Ann");

    auto blanks = open({"   "});
    press(*blanks, "cmdAdd");
    EXPECT_EQ(slots(), QStringList({"Ann", "Bob", "bob", "   "}));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PlayersDialogTest, ARefusedNameKeepsTheNameDialogOpenUntilAGoodOne)
{
    auto dlg = open({"", "Bob", "Cy"});
    press(*dlg, "cmdAdd");
    EXPECT_EQ(errors, QStringList({"Please Enter a Valid Name", "Player Exists !"}));
    ASSERT_EQ(nameDialogs.size(), 1u);
    EXPECT_TRUE(nameDialogs[0].accepted);
    EXPECT_EQ(slots(), QStringList({"Ann", "Bob", "Cy"}));
}

TEST_F(PlayersDialogTest, CancelInTheNameDialogChangesNothing)
{
    auto dlg = open({""}); // refused, then cancelled
    pick(*dlg, "Bob");
    press(*dlg, "cmdEdit");
    ASSERT_EQ(nameDialogs.size(), 1u);
    EXPECT_FALSE(nameDialogs[0].accepted);
    EXPECT_EQ(slots(), QStringList({"Ann", "Bob"}));
}

TEST_F(PlayersDialogTest, WithTwentyPlayersNewSaysSoAndOpensNoNameDialog)
{
    QStringList names;
    for (int i = 1; i <= kMaxPlayers; ++i)
        names << QStringLiteral("P%1").arg(i);
    setPlayers(names, "P1");
    auto dlg = open({"P21"});
    press(*dlg, "cmdAdd");
    EXPECT_EQ(messages, QStringList({"Maximum 20 Players Only!"}));
    EXPECT_TRUE(nameDialogs.empty());
    EXPECT_EQ(slots(), names);
}

TEST_F(PlayersDialogTest, RenamingTheCurrentPlayerKeepsThemCurrentAndTakesTheirScoresAlong)
{
    addScoreLine("Ann", "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0");
    auto dlg = open({"Anna"});
    press(*dlg, "cmdEdit");
    ASSERT_EQ(nameDialogs.size(), 1u);
    EXPECT_EQ(nameDialogs[0].prompt, "Edit Player");
    EXPECT_EQ(nameDialogs[0].text, "Ann");
    EXPECT_EQ(nameDialogs[0].selectedText, "Ann"); // ready to be typed over
    EXPECT_EQ(slots(), QStringList({"Anna", "Bob"}));
    EXPECT_EQ(ctx->data.CurPlayer(), "Anna");
    EXPECT_EQ(selected(*dlg), "Anna");
    EXPECT_FALSE(deleteEnabled(*dlg));
    // The scores are Anna's now; a new player called Ann starts with none.
    EXPECT_FALSE(QFile::exists(ctx->scores.scoreFilePath("Ann")));
    ASSERT_TRUE(ctx->scores.OpenScore("Anna"));
    EXPECT_EQ(ctx->scores.ScoreTop(), 1);
    EXPECT_EQ(ctx->scores.GetScoreRec(1).Player, "Anna");
    // Stored at once: a later run sees the new name.
    EXPECT_EQ(reopen()->data.CurPlayer(), "Anna");
}

TEST_F(PlayersDialogTest, RenamingAnotherPlayerLeavesTheCurrentOneAndAnUnchangedNameIsAccepted)
{
    addScoreLine("Bob", "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0");
    auto same = open({"Bob"});
    pick(*same, "Bob");
    press(*same, "cmdEdit");
    EXPECT_TRUE(errors.isEmpty());
    ASSERT_EQ(nameDialogs.size(), 1u);
    EXPECT_TRUE(nameDialogs[0].accepted);
    EXPECT_TRUE(QFile::exists(ctx->scores.scoreFilePath("Bob")));

    auto dlg = open({"Rob"});
    pick(*dlg, "Bob");
    press(*dlg, "cmdEdit");
    EXPECT_EQ(slots(), QStringList({"Ann", "Rob"}));
    EXPECT_EQ(ctx->data.CurPlayer(), "Ann");
    EXPECT_TRUE(QFile::exists(ctx->scores.scoreFilePath("Rob")));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PlayersDialogTest, RenamingOntoANameWhoseScoresExistIsRefusedAndKeepsBothFiles)
{
    // Cy is no player, but a file of Cy's scores is there (an earlier Cy).
    addScoreLine("Bob", "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0");
    addScoreLine("Cy", "\"2024-06-01 10:00:00\",\"Lawn\",12,700,150,300,1");
    auto dlg = open({"Cy", "Rob"});
    pick(*dlg, "Bob");
    press(*dlg, "cmdEdit");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("\"Cy\""))) << errors[0].toStdString();
    EXPECT_EQ(slots(), QStringList({"Ann", "Rob"})); // the second name went through
    ASSERT_TRUE(ctx->scores.OpenScore("Cy"));
    EXPECT_EQ(ctx->scores.ScoreTop(), 1);
    EXPECT_EQ(ctx->scores.GetScoreRec(1).GName, "Lawn");
    ctx->scores.CloseScore();
    ASSERT_TRUE(ctx->scores.OpenScore("Rob"));
    EXPECT_EQ(ctx->scores.GetScoreRec(1).GName, "Klondike");
}

TEST_F(PlayersDialogTest, DeletingTheMiddlePlayerClosesTheGapAndRemovesTheirScores)
{
    setPlayers({"A", "B", "C"}, "A");
    addScoreLine("B", "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0");
    addScoreLine("C", "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0");
    auto dlg = open();
    pick(*dlg, "B");
    press(*dlg, "cmdDelete");
    EXPECT_EQ(questions, QStringList({"Are you sure you want to delete this player"}));
    EXPECT_EQ(slots(), QStringList({"A", "C"}));
    EXPECT_EQ(ctx->data.TotalPlayers(), 2);
    EXPECT_EQ(ctx->data.GetPlayer(3), "");
    EXPECT_EQ(listed(*dlg), QStringList({"A", "C"}));
    EXPECT_EQ(selected(*dlg), "A");
    EXPECT_FALSE(deleteEnabled(*dlg));
    EXPECT_FALSE(QFile::exists(ctx->scores.scoreFilePath("B")));
    EXPECT_TRUE(QFile::exists(ctx->scores.scoreFilePath("C")));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(reopen()->data.GetPlayer(2), "C");
}

TEST_F(PlayersDialogTest, DeletingAPlayerWhoNeverPlayedSaysNothingAndNoKeepsThem)
{
    auto dlg = open();
    pick(*dlg, "Bob");
    answer = false;
    press(*dlg, "cmdDelete");
    EXPECT_EQ(slots(), QStringList({"Ann", "Bob"}));
    answer = true;
    press(*dlg, "cmdDelete");
    EXPECT_EQ(slots(), QStringList({"Ann"}));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PlayersDialogTest, TheCurrentPlayerIsNeverDeletedEvenIfTheClickGetsThrough)
{
    auto dlg = open();
    QMetaObject::invokeMethod(control<QPushButton>(*dlg, "cmdDelete"), "clicked");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(slots(), QStringList({"Ann", "Bob"}));
}

TEST_F(PlayersDialogTest, SelectMakesTheEntryCurrentAndCloses)
{
    auto dlg = open();
    dlg->show();
    pick(*dlg, "Bob");
    press(*dlg, "cmdSelect");
    EXPECT_EQ(ctx->data.CurPlayer(), "Bob");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());

    auto again = open();
    again->show();
    pick(*again, "Ann");
    press(*again, "cmdCancel");
    EXPECT_EQ(ctx->data.CurPlayer(), "Bob");
    EXPECT_FALSE(again->isVisible());
}

TEST(PlayerSlotsTest, CompactingMovesEveryLaterNameDownPastSeveralGaps)
{
    QTemporaryDir dir;
    cData data(dir.filePath("s.ini"), dir.path() + "/");
    data.SetPlayer(2, "B", false);
    data.SetPlayer(3, "C", false);
    data.SetPlayer(5, "E", false);
    data.SetPlayer(20, "T", false);
    ui::compactPlayers(data);
    EXPECT_EQ(data.GetPlayer(1), "B");
    EXPECT_EQ(data.GetPlayer(2), "C");
    EXPECT_EQ(data.GetPlayer(3), "");
    EXPECT_EQ(data.GetPlayer(4), "E");
    EXPECT_EQ(data.GetPlayer(19), "T");
    EXPECT_EQ(data.GetPlayer(20), "");
}

} // namespace
