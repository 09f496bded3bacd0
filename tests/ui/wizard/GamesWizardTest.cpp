#include "WizardTestSupport.h"

#include "ui/wizard/frmAddGame.h"
#include "ui/wizard/frmGamesWizard.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::frmAddGame;
using cardova::ui::frmGamesWizard;

namespace {

const char *const kDetailLabels[] = {"lbName",   "lbGOrder", "lbGBase", "lbGCards", "lbHPiles",
                                     "lbHOrder", "lbHSpace", "lbHAK",   "lbHMulti"};

class GamesWizardTest : public WizardFixture {
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        wizard = std::make_unique<frmGamesWizard>(*ctx);
        voice.attach(*wizard);
        wizard->show();
    }
    void TearDown() override
    {
        wizard.reset();
        WizardFixture::TearDown();
    }
    // Writes game files and opens the wizard afresh over them.
    void reopenWith(const QList<QPair<QString, QByteArray>> &games)
    {
        for (const auto &[name, line] : games)
            writeFile(name + QStringLiteral(".gam"), line);
        ctx->custom.Init();
        wizard = std::make_unique<frmGamesWizard>(*ctx);
        voice.attach(*wizard);
        wizard->show();
    }
    QListWidget *list() { return control<QListWidget>(*wizard, "ListView1"); }
    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
    }
    QString current() { return list()->currentItem() ? list()->currentItem()->text() : QString(); }
    QString text(const char *label) { return control<QLabel>(*wizard, label)->text(); }
    bool shown(const char *name) { return control<QWidget>(*wizard, name)->isVisible(); }
    void pick(const QString &name)
    {
        const auto found = list()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list()->setCurrentItem(found.first());
    }
    void press(const char *button) { control<QPushButton>(*wizard, button)->click(); }

    std::unique_ptr<frmGamesWizard> wizard;
    DialogVoice voice;
};

TEST_F(GamesWizardTest, WithoutCustomGamesTheListIsEmptyAndTheDetailsAreHidden)
{
    EXPECT_EQ(wizard->windowTitle(), "Game Wizard");
    EXPECT_EQ(list()->count(), 0);
    for (const char *label : kDetailLabels)
        EXPECT_FALSE(shown(label)) << label;
    EXPECT_FALSE(shown("lbGoal"));
    EXPECT_FALSE(shown("lbHome"));
    EXPECT_TRUE(shown("lblEmpty"));
    // Nothing to delete: the button is off and asks nothing.
    EXPECT_FALSE(control<QPushButton>(*wizard, "cmdDelete")->isEnabled());
    press("cmdDelete");
    EXPECT_TRUE(voice.questions.isEmpty());
    EXPECT_EQ(ctx->data.TotalGames(), 3);
}

TEST_F(GamesWizardTest, ListsTheCustomGamesAndShowsTheRulesOfTheSelectedOne)
{
    reopenWith({{"Spider Lane", "2,13,4,8,10,9,1,0\r\n"}, {"Avenue", "0,0,0,4,13,7,0,1\r\n"}});
    EXPECT_EQ(listed(), QStringList({"Avenue", "Spider Lane"}));
    EXPECT_EQ(current(), "Avenue");
    EXPECT_TRUE(shown("lbName"));
    EXPECT_EQ(text("lbName"), "Avenue");
    EXPECT_EQ(control<QGroupBox>(*wizard, "lbGoal")->title(), "Foundation");
    EXPECT_EQ(control<QGroupBox>(*wizard, "lbHome")->title(), "Tableau");
    EXPECT_EQ(text("lbHAK"), "Ace-King Wrapping : False");
    EXPECT_EQ(text("lbHMulti"), "Multi Card Move : True");

    pick(QStringLiteral("Spider Lane"));
    EXPECT_EQ(text("lbName"), "Spider Lane");
    EXPECT_EQ(text("lbGOrder"), "Card Arranging Order : Up Regardless of Suit");
    EXPECT_EQ(text("lbGBase"), "Base Card : Random");
    EXPECT_EQ(text("lbGCards"), "Initial Cards : 4");
    EXPECT_EQ(text("lbHPiles"), "No. of Piles : 9");
    EXPECT_EQ(text("lbHOrder"), "Card Arranging Order : Up or Down Alternate Color");
    EXPECT_EQ(text("lbHSpace"), "Space Filling Card : Jack");
    EXPECT_EQ(text("lbHAK"), "Ace-King Wrapping : True");
    EXPECT_EQ(text("lbHMulti"), "Multi Card Move : False");
}

TEST_F(GamesWizardTest, ADamagedGameFileShowsWhyInPlaceOfTheRules)
{
    reopenWith({{"Avenue", "0,0,0,4,13,7,1,1\r\n"}, {"Broken", "1,2\r\n"}});
    pick(QStringLiteral("Broken"));
    EXPECT_EQ(text("lbName"), "Broken");
    EXPECT_TRUE(shown("lbProblem"));
    EXPECT_TRUE(text("lbProblem").contains("Broken")) << text("lbProblem").toStdString();
    EXPECT_FALSE(shown("lbGOrder"));
    EXPECT_FALSE(shown("lbHAK"));
    pick(QStringLiteral("Avenue"));
    EXPECT_FALSE(shown("lbProblem"));
    EXPECT_TRUE(shown("lbGOrder"));
}

TEST_F(GamesWizardTest, AGameAddedThroughTheCreateDialogIsListedLast)
{
    reopenWith({{"B", "0,0,0,4,13,7,1,1\r\n"}, {"D", "0,0,0,4,13,7,1,1\r\n"}});
    DialogVoice addVoice;
    wizard->runAddGame = [&](frmAddGame &dialog) {
        addVoice.attach(dialog);
        control<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("C"));
        control<QPushButton>(dialog, "cmdAdd")->click();
    };
    press("cmdAdd");
    EXPECT_EQ(addVoice.messages, QStringList({"Successfully Created New Game C"}));
    EXPECT_EQ(listed(), QStringList({"B", "D", "C"}));
    EXPECT_EQ(current(), "B");

    // Cancelled: the list stays as it was.
    wizard->runAddGame = [](frmAddGame &dialog) { control<QPushButton>(dialog, "cmdCancel")->click(); };
    press("cmdAdd");
    EXPECT_EQ(listed(), QStringList({"B", "D", "C"}));
}

TEST_F(GamesWizardTest, TheFirstAddedGameBringsTheDetailsBack)
{
    wizard->runAddGame = [](frmAddGame &dialog) {
        DialogVoice quiet;
        quiet.attach(dialog);
        control<QPushButton>(dialog, "cmdAdd")->click();
    };
    press("cmdAdd");
    EXPECT_EQ(listed(), QStringList({"Klondike Game 01"}));
    EXPECT_TRUE(shown("lbHAK"));
    EXPECT_FALSE(shown("lblEmpty"));
    EXPECT_EQ(text("lbHOrder"), "Card Arranging Order : Down Alternate Color");
    EXPECT_TRUE(control<QPushButton>(*wizard, "cmdDelete")->isEnabled());
}

TEST_F(GamesWizardTest, DeleteAsksThenRemovesTheFileAndTheEntry)
{
    reopenWith({{"A", "0,0,0,4,13,7,1,1\r\n"}, {"B", "1,0,0,4,13,7,1,1\r\n"}, {"C", "2,0,0,4,13,7,1,1\r\n"}});
    pick(QStringLiteral("B"));
    voice.answer = false;
    press("cmdDelete");
    EXPECT_EQ(voice.questions, QStringList({"Are you sure you want to delete this game ?"}));
    EXPECT_TRUE(QFile::exists(dataDir() + QStringLiteral("B.gam")));
    EXPECT_EQ(listed(), QStringList({"A", "B", "C"}));

    voice.answer = true;
    press("cmdDelete");
    EXPECT_FALSE(QFile::exists(dataDir() + QStringLiteral("B.gam")));
    EXPECT_EQ(listed(), QStringList({"A", "C"}));
    EXPECT_EQ(current(), "A");
    // The game-name table is rebuilt: C moves down to id 5.
    EXPECT_EQ(gameNames(), QStringList({"Klondike", "Klondike Plus", "Lawn", "A", "C"}));
    EXPECT_TRUE(voice.errors.isEmpty());
}

TEST_F(GamesWizardTest, DeleteRemovesTheFileTheListFoundWhateverItsName)
{
    writeFile(QStringLiteral("Upper.GAM"), "0,0,0,4,13,7,1,1\r\n");
    writeFile(QStringLiteral("Say \"hi\".gam"), "0,0,0,4,13,7,1,1\r\n");
    reopenWith({});
    for (const QString &name : {QStringLiteral("Upper"), QStringLiteral("Say \"hi\"")}) {
        pick(name);
        press("cmdDelete");
    }
    EXPECT_TRUE(voice.errors.isEmpty()) << voice.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(QFile::exists(dataDir() + QStringLiteral("Upper.GAM")));
    EXPECT_FALSE(QFile::exists(dataDir() + QStringLiteral("Say \"hi\".gam")));
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(GamesWizardTest, DeletingTheLastGameHidesTheDetailsAndAFileGoneAlreadyIsNoError)
{
    reopenWith({{"Only", "0,0,0,4,13,7,1,1\r\n"}});
    ASSERT_TRUE(QFile::remove(dataDir() + QStringLiteral("Only.gam")));
    press("cmdDelete");
    EXPECT_TRUE(voice.errors.isEmpty());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(shown("lbName"));
    EXPECT_EQ(ctx->data.TotalGames(), 3);
}

} // namespace
