#include "DialogTestSupport.h"

#include "ui/dialogs/GameNumberCheck.h"
#include "ui/dialogs/frmChoose.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::frmChoose;

namespace {

class ChooseDialogTest : public DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        ctx->data.setIntSetting(IntKey::RangeIndex, 5);
    }
    // Types a number and presses "Select"; returns the messages shown.
    QStringList submit(frmChoose &dlg, const QString &typed)
    {
        QStringList messages;
        dlg.showMessage = [&](const QString &m) { messages << m; };
        control<QLineEdit>(dlg, "Text1")->setText(typed);
        control<QPushButton>(dlg, "cmdSelect")->click();
        return messages;
    }
};

TEST_F(ChooseDialogTest, OpensWithARandomNumberSelectedAndTheRange)
{
    frmChoose dlg(*ctx);
    EXPECT_EQ(dlg.windowTitle(), "Select a Game Number");
    EXPECT_EQ(control<QLabel>(dlg, "lblName")->text(), "Enter a Game Number between");
    EXPECT_EQ(control<QLabel>(dlg, "lblRange")->text(), "0 and 99,999");
    auto *box = control<QLineEdit>(dlg, "Text1");
    double n = -1;
    ASSERT_TRUE(isNumericText(box->text(), &n)) << box->text().toStdString();
    EXPECT_GE(n, 0);
    EXPECT_LE(n, 100000);
    EXPECT_EQ(n, std::floor(n));
    EXPECT_EQ(box->selectedText(), box->text());
}

TEST_F(ChooseDialogTest, GamesAndPlayersPreselectTheCurrentOnes)
{
    ctx->data.SetCurGName(QStringLiteral("Lawn"));
    ctx->data.SetCurPlayer(QStringLiteral("Bob"));
    frmChoose dlg(*ctx);
    auto *games = control<QComboBox>(dlg, "imcGames");
    EXPECT_EQ(entries(*games), QStringList({"Klondike", "Klondike Plus", "Lawn"}));
    EXPECT_EQ(games->currentText(), "Lawn");
    EXPECT_EQ(control<QComboBox>(dlg, "imcPlayer")->currentText(), "Bob");

    ctx->data.SetCurGName(QStringLiteral("Gone"));
    frmChoose other(*ctx);
    EXPECT_EQ(control<QComboBox>(other, "imcGames")->currentText(), "Klondike");
}

TEST_F(ChooseDialogTest, NumbersOutsideTheOpenRangeOrNotNumericAreRefused)
{
    for (const char *typed : {"0", "99999", "100000", "12abc", "", "-5", "abc"}) {
        frmChoose dlg(*ctx);
        dlg.show();
        control<QComboBox>(dlg, "imcGames")->setFocus();
        const QStringList messages = submit(dlg, QString::fromLatin1(typed));
        EXPECT_EQ(messages, QStringList({"Please enter a number between 0 and 99,999"})) << typed;
        EXPECT_EQ(control<QLineEdit>(dlg, "Text1")->text(), "0") << typed;
        EXPECT_EQ(dlg.focusWidget(), control<QLineEdit>(dlg, "Text1")) << typed;
        EXPECT_TRUE(dlg.isVisible()) << typed;
        EXPECT_EQ(dlg.result(), QDialog::Rejected) << typed;
        EXPECT_FALSE(ctx->GameRunning()) << typed;
    }
}

TEST_F(ChooseDialogTest, AcceptedNumbersStartTheChosenGameWithTheNumberAsTyped)
{
    for (const char *typed : {"1", "99998", "12.5"}) {
        frmChoose dlg(*ctx);
        dlg.show();
        choose(*control<QComboBox>(dlg, "imcGames"), QStringLiteral("Klondike Plus"));
        choose(*control<QComboBox>(dlg, "imcPlayer"), QStringLiteral("Bob"));
        EXPECT_TRUE(submit(dlg, QString::fromLatin1(typed)).isEmpty()) << typed;
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << typed;
        EXPECT_FALSE(dlg.isVisible()) << typed;
        EXPECT_TRUE(ctx->GameRunning()) << typed;
        EXPECT_EQ(ctx->data.CurGName(), "Klondike Plus");
        EXPECT_EQ(ctx->data.CurPlayer(), "Bob");
        EXPECT_TRUE(ctx->data.CurGNo().isText());
        EXPECT_EQ(ctx->data.CurGNo().toText(), QString::fromLatin1(typed));
    }
}

TEST_F(ChooseDialogTest, NumbersGroupedAsTheDialogPrintsThemStartWithoutTheSeparators)
{
    const struct {
        const char *typed;
        const char *started; // empty: refused
    } cases[] = {
        {"12,345", "12345"}, {" 1,000 ", "1000"}, {"1e3", "1e3"}, {"12.5", "12.5"},
        {"99,999", ""}, {"1,2345", ""}, {"12,34", ""}, {",123", ""},
    };
    for (const auto &c : cases) {
        frmChoose dlg(*ctx);
        dlg.show();
        const QStringList messages = submit(dlg, QString::fromLatin1(c.typed));
        const bool refused = *c.started == '\0';
        EXPECT_EQ(messages.isEmpty(), !refused) << c.typed;
        if (!refused) {
            EXPECT_EQ(ctx->data.CurGNo().toText(), QString::fromLatin1(c.started)) << c.typed;
        }
    }
}

TEST_F(ChooseDialogTest, CancelLeavesTheGameAndThePlayer)
{
    start(QStringLiteral("Lawn"), 31);
    frmChoose dlg(*ctx);
    dlg.show();
    choose(*control<QComboBox>(dlg, "imcPlayer"), QStringLiteral("Bob"));
    control<QLineEdit>(dlg, "Text1")->setText(QStringLiteral("77"));
    control<QPushButton>(dlg, "cmdCancel")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(ctx->data.CurGName(), "Lawn");
    EXPECT_EQ(ctx->data.CurGNo().toText(), "31");
    EXPECT_EQ(ctx->data.CurPlayer(), "Ann");
    EXPECT_TRUE(ctx->GameRunning());
}

TEST(GameNumberRange, BoundsFollowTheRangeIndexAndComparesInSinglePrecision)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ui::MaxGameNo(0), 0);
    EXPECT_EQ(ui::MaxGameNo(-3), 0);
    EXPECT_EQ(ui::MaxGameNo(1), 9);
    EXPECT_EQ(ui::formatGameNo(ui::MaxGameNo(15), english), "999,999,999,999,999");
    EXPECT_EQ(ui::formatGameNo(0, english), "0");
    EXPECT_EQ(ui::formatGameNo(999, english), "999");
    // With no range every number is refused.
    EXPECT_FALSE(ui::gameNumberAccepted(QStringLiteral("1"), ui::MaxGameNo(0)));
    // 999,999,998 is 1e9 in single precision: no longer below the bound.
    EXPECT_FALSE(ui::gameNumberAccepted(QStringLiteral("999999998"), ui::MaxGameNo(9)));
    EXPECT_TRUE(ui::gameNumberAccepted(QStringLiteral("999999900"), ui::MaxGameNo(9)));
    EXPECT_TRUE(ui::gameNumberAccepted(QStringLiteral(" 42 "), ui::MaxGameNo(5)));
    EXPECT_TRUE(ui::gameNumberAccepted(QStringLiteral("0.5"), ui::MaxGameNo(5)));
}

TEST(GameNumberRange, GroupSeparatorsFollowTheLocaleThatPrintsTheBounds)
{
    // German prints 99.999: a point between groups of three is a separator
    // there, while 12.5 stays a decimal as typed.
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ui::withoutGroupSeparators(QStringLiteral("12.345"), german), "12345");
    EXPECT_EQ(ui::withoutGroupSeparators(QStringLiteral("12.5"), german), "12.5");
    EXPECT_EQ(ui::withoutGroupSeparators(QStringLiteral("12,345"), german), "12,345");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ui::withoutGroupSeparators(QStringLiteral("1,234,567"), english), "1234567");
    EXPECT_EQ(ui::withoutGroupSeparators(QStringLiteral("12.345"), english), "12.345");
}

} // namespace
