#include "WizardTestSupport.h"

#include "ui/wizard/frmAddGame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::frmAddGame;

namespace {

class AddGameTest : public WizardFixture {
protected:
    QComboBox *combo(const frmAddGame &dlg, const char *name) { return control<QComboBox>(dlg, name); }
    void choose(const frmAddGame &dlg, const char *name, const QString &text)
    {
        QComboBox *c = combo(dlg, name);
        const int index = c->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        c->setCurrentIndex(index);
    }
    // Types a name and presses "Add Game"; answers questions with `answer`.
    void save(frmAddGame &dlg, const QString &name, bool answer = true)
    {
        voice.answer = answer;
        voice.attach(dlg);
        control<QLineEdit>(dlg, "txtName")->setText(name);
        control<QPushButton>(dlg, "cmdAdd")->click();
    }
    // Saves the preselected game under `name` in a dialog of its own.
    void saveDefault(const QString &name)
    {
        frmAddGame dlg(*ctx);
        save(dlg, name);
    }
    QStringList texts(const frmAddGame &dlg, const char *name)
    {
        QStringList t;
        for (int i = 0; i < combo(dlg, name)->count(); ++i)
            t << combo(dlg, name)->itemText(i);
        return t;
    }
    bool stillOpen(const frmAddGame &dlg) { return dlg.isVisible() && dlg.result() == 0; }

    DialogVoice voice;
};

TEST_F(AddGameTest, OpensWithTheDefaultGameAndSavesItAsOneRecordLine)
{
    frmAddGame dlg(*ctx);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Create a New Game");
    EXPECT_EQ(control<QLineEdit>(dlg, "txtName")->text(), "Klondike Game 01");
    EXPECT_EQ(texts(dlg, "imcGorder"), QStringList({"Up Same Suit", "Up Alternate Color", "Up Regardless of Suit",
                                                   "Down Same Suit", "Down Alternate Color",
                                                   "Down Regardless of Suit"}));
    EXPECT_EQ(texts(dlg, "imcGoalBase").size(), 14);
    EXPECT_EQ(texts(dlg, "imcGoalBase").last(), "Random");
    EXPECT_EQ(texts(dlg, "imcGoalCards"), QStringList({"0", "1", "2", "3", "4"}));
    EXPECT_EQ(texts(dlg, "imcHorder").size(), 10);
    EXPECT_EQ(texts(dlg, "imcHomeEmpty").last(), "Any Card");
    EXPECT_EQ(texts(dlg, "imcHomePiles"), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(combo(dlg, "imcGorder")->currentText(), "Up Same Suit");
    EXPECT_EQ(combo(dlg, "imcGoalBase")->currentText(), "Ace");
    EXPECT_EQ(combo(dlg, "imcGoalCards")->currentText(), "0");
    EXPECT_EQ(combo(dlg, "imcHorder")->currentText(), "Down Alternate Color");
    EXPECT_EQ(combo(dlg, "imcHomeEmpty")->currentText(), "Any Card");
    EXPECT_EQ(combo(dlg, "imcHomePiles")->currentText(), "7");
    EXPECT_TRUE(control<QCheckBox>(dlg, "chkHomeAK")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(dlg, "chkMulti")->isChecked());

    save(dlg, QStringLiteral("Klondike Game 01"));
    EXPECT_EQ(fileContent("Klondike Game 01.gam"), "0,0,0,4,13,7,1,1\r\n");
    EXPECT_TRUE(voice.questions.isEmpty());
    EXPECT_TRUE(voice.errors.isEmpty());
    EXPECT_EQ(voice.messages, QStringList({"Successfully Created New Game Klondike Game 01"}));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(ctx->data.TotalGames(), 4);
    EXPECT_EQ(ctx->data.GetGName(4), "Klondike Game 01");
    EXPECT_EQ(ctx->custom.TotalGames(), 1);
}

TEST_F(AddGameTest, SavesTheChosenValuesInRecordOrder)
{
    frmAddGame dlg(*ctx);
    choose(dlg, "imcGorder", "Down Same Suit");
    choose(dlg, "imcGoalBase", "King");
    choose(dlg, "imcGoalCards", "2");
    choose(dlg, "imcHorder", "Up or Down Regardless of Suit");
    choose(dlg, "imcHomeEmpty", "Jack");
    choose(dlg, "imcHomePiles", "9");
    control<QCheckBox>(dlg, "chkHomeAK")->setChecked(false);
    save(dlg, QStringLiteral("Deep"));
    EXPECT_EQ(fileContent("Deep.gam"), "3,12,2,9,10,9,0,1\r\n");

    frmAddGame other(*ctx);
    control<QCheckBox>(other, "chkMulti")->setChecked(false);
    choose(other, "imcHomePiles", "4");
    save(other, QStringLiteral("Narrow"));
    EXPECT_EQ(fileContent("Narrow.gam"), "0,0,0,4,13,4,1,0\r\n");
}

TEST_F(AddGameTest, SavingUnderAnExistingNameAsksBeforeOverwriting)
{
    saveDefault(QStringLiteral("Klondike Game 01"));
    ASSERT_EQ(ctx->data.TotalGames(), 4);

    {   // No: nothing is written and the dialog stays open for another name.
        frmAddGame dlg(*ctx);
        dlg.show();
        choose(dlg, "imcHomePiles", "5");
        voice = {};
        save(dlg, QStringLiteral("Klondike Game 01"), false);
        EXPECT_EQ(voice.questions, QStringList({"Game Exists. Do you want to Overwrite ?"}));
        EXPECT_TRUE(voice.messages.isEmpty());
        EXPECT_TRUE(stillOpen(dlg));
        EXPECT_EQ(fileContent("Klondike Game 01.gam"), "0,0,0,4,13,7,1,1\r\n");
    }
    {   // Yes: the values are replaced and the game is not counted twice.
        frmAddGame dlg(*ctx);
        choose(dlg, "imcHomePiles", "5");
        voice = {};
        save(dlg, QStringLiteral("Klondike Game 01"), true);
        EXPECT_EQ(voice.questions.size(), 1);
        EXPECT_EQ(fileContent("Klondike Game 01.gam"), "0,0,0,4,13,5,1,1\r\n");
        EXPECT_EQ(voice.messages, QStringList({"Successfully Created New Game Klondike Game 01"}));
    }
    EXPECT_EQ(ctx->data.TotalGames(), 4);
    EXPECT_EQ(ctx->custom.TotalGames(), 1);
}

TEST_F(AddGameTest, ANewGameIsListedLastUntilTheGamesAreReadAgain)
{
    writeFile(QStringLiteral("B.gam"), "0,0,0,4,13,7,1,1\r\n");
    writeFile(QStringLiteral("D.gam"), "0,0,0,4,13,7,1,1\r\n");
    ctx->custom.Init();
    saveDefault(QStringLiteral("C"));
    EXPECT_EQ(gameNames(), QStringList({"Klondike", "Klondike Plus", "Lawn", "B", "D", "C"}));
    // The file list itself is already refreshed, in file-name order.
    EXPECT_EQ(ctx->custom.gName(1), "C");
    ctx->custom.Init();
    EXPECT_EQ(gameNames(), QStringList({"Klondike", "Klondike Plus", "Lawn", "B", "C", "D"}));
}

TEST_F(AddGameTest, RefusesBlankNamesAndTheNamesOfStandardGames)
{
    for (const QString &name : {QString(), QStringLiteral("   "), QStringLiteral("Klondike"),
                                QStringLiteral("Klondike Plus"), QStringLiteral("Lawn")}) {
        frmAddGame dlg(*ctx);
        dlg.show();
        voice = {};
        save(dlg, name);
        EXPECT_EQ(voice.errors.size(), 1) << name.toStdString();
        EXPECT_TRUE(voice.messages.isEmpty()) << name.toStdString();
        EXPECT_TRUE(voice.questions.isEmpty()) << name.toStdString();
        EXPECT_TRUE(stillOpen(dlg)) << name.toStdString();
    }
    EXPECT_TRUE(QDir(dataDir()).entryList({QStringLiteral("*.gam")}, QDir::Files).isEmpty());
    EXPECT_EQ(ctx->data.TotalGames(), 3);
    // Names compare exactly: another spelling is a game of its own.
    saveDefault(QStringLiteral("klondike"));
    EXPECT_EQ(ctx->data.GetGName(4), "klondike");
}

TEST_F(AddGameTest, TrimsTheNameAndKeepsUnusualCharactersInsideTheDataFolder)
{
    saveDefault(QStringLiteral("  Spaced Out  "));
    EXPECT_EQ(fileContent("Spaced Out.gam"), "0,0,0,4,13,7,1,1\r\n");
    EXPECT_EQ(voice.messages.last(), "Successfully Created New Game Spaced Out");

    saveDefault(QStringLiteral("../Up/Down"));
    EXPECT_EQ(ctx->data.GetGName(5), "../Up/Down");
    ctx->custom.Init();
    EXPECT_TRUE(gameNames().contains(QStringLiteral("../Up/Down")));
    EXPECT_TRUE(ctx->custom.InitGame(QStringLiteral("../Up/Down")).isEmpty());
    EXPECT_FALSE(QFile::exists(dataDir() + QStringLiteral("../Up")));
}

TEST_F(AddGameTest, AFailedWriteShowsTheReasonAndKeepsTheDialogOpen)
{
    // A folder in the way of the file cannot be replaced by the save.
    ASSERT_TRUE(QDir().mkpath(dataDir() + QStringLiteral("Blocked.gam")));
    frmAddGame dlg(*ctx);
    dlg.show();
    save(dlg, QStringLiteral("Blocked"));
    ASSERT_EQ(voice.errors.size(), 1);
    EXPECT_TRUE(voice.errors.first().startsWith("The game could not be saved: ")) << voice.errors.first().toStdString();
    EXPECT_TRUE(voice.messages.isEmpty());
    EXPECT_TRUE(stillOpen(dlg));
    EXPECT_EQ(ctx->data.TotalGames(), 3);
}

TEST_F(AddGameTest, CancelWritesNothing)
{
    frmAddGame dlg(*ctx);
    dlg.show();
    voice.attach(dlg);
    control<QPushButton>(dlg, "cmdCancel")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(QDir(dataDir()).entryList({QStringLiteral("*.gam")}, QDir::Files).isEmpty());
    EXPECT_TRUE(voice.messages.isEmpty());
}

} // namespace
