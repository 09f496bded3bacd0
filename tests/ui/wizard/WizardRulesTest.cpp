// The create dialog's rules beyond the eight values: each one saved and
// shown again, classics taken over whole, greyed choices, refused rules,
// the explanations and the picture of the table.
#include "WizardTestSupport.h"

#include "rules/ClassicGames.h"
#include "rules/StandardGames.h"
#include "settings/GameFile.h"
#include "ui/wizard/frmAddGame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::frmAddGame;

namespace {

struct ListField {
    const char *control;
    int (*get)(const GameRecord &);
};
struct SwitchField {
    const char *control;
    bool (*get)(const GameRecord &);
};

// Every list of the dialog and the record value its entries carry.
const ListField kLists[] = {
    {"imcGorder", [](const GameRecord &r) { return int(r.gOrder); }},
    {"imcGoalBase", [](const GameRecord &r) { return int(r.gBase); }},
    {"imcGoalCards", [](const GameRecord &r) { return int(r.gCards); }},
    {"imcHorder", [](const GameRecord &r) { return int(r.hOrder); }},
    {"imcHomeEmpty", [](const GameRecord &r) { return int(r.hSpace); }},
    {"imcHomePiles", [](const GameRecord &r) { return int(r.hPiles); }},
    {"imcDraw", [](const GameRecord &r) { return int(r.draw); }},
    {"imcRedeals", [](const GameRecord &r) { return int(r.redeals); }},
    {"imcDeal", [](const GameRecord &r) { return int(r.deal); }},
    {"imcRowCards", [](const GameRecord &r) { return int(r.rowCards); }},
    {"imcCells", [](const GameRecord &r) { return int(r.cells); }},
    {"imcCellCards", [](const GameRecord &r) { return int(r.cellCards); }},
    {"imcReserve", [](const GameRecord &r) { return int(r.reserveCards); }},
    {"imcMoves", [](const GameRecord &r) { return int(r.moves); }},
};
// Every check box and the switch it stands for.
const SwitchField kSwitches[] = {
    {"chkHomeAK", [](const GameRecord &r) { return r.hAk == 1; }},
    {"chkMulti", [](const GameRecord &r) { return r.hMulti == 1; }},
    {"chkNoStock", [](const GameRecord &r) { return !r.stock; }},
    {"chkReserveFills", [](const GameRecord &r) { return r.reserveFills; }},
    {"chkBaseFromDeal", [](const GameRecord &r) { return r.baseFromDeal; }},
};

GameRecord eight(int32_t gOrder, int32_t gBase, int16_t gCards, int32_t hOrder, int16_t hSpace, int16_t hPiles,
                 int16_t hAk, int16_t hMulti)
{
    return GameRecord{gOrder, gBase, gCards, hOrder, hSpace, hPiles, hAk, hMulti};
}

// Records that between them use every value of every new choice.
std::vector<GameRecord> designedRecords()
{
    std::vector<GameRecord> all;
    GameRecord a = eight(1, 3, 0, 7, 12, 1, 0, 1); // one pile
    a.draw = 3;
    a.redeals = 0;
    a.deal = DealPattern::StaircaseOpen;
    a.cells = 8;
    a.cellCards = 3;
    a.reserveCards = 20;
    a.reserveFills = true;
    a.moves = TableauMoves::AnyFaceUp;
    a.baseFromDeal = true;
    all.push_back(a);
    GameRecord b = eight(3, 12, 2, 9, 13, 5, 1, 1);
    b.draw = 2;
    b.redeals = 1;
    b.deal = DealPattern::Yukon;
    b.cells = 2;
    b.moves = TableauMoves::WholePiles;
    all.push_back(b);
    GameRecord c = eight(0, 0, 0, 4, 13, 2, 1, 1);
    c.redeals = 2;
    c.deal = DealPattern::Rows;
    c.rowCards = 20;
    c.reserveCards = 5;
    c.moves = TableauMoves::Single;
    all.push_back(c);
    GameRecord d = eight(0, 0, 0, 4, 13, 10, 0, 1); // ten piles
    d.stock = false;
    d.deal = DealPattern::Rows;
    d.cells = 4;
    d.cellCards = 4;
    d.moves = TableauMoves::FreeCellRuns;
    all.push_back(d);
    GameRecord e = eight(0, 0, 0, 4, 12, 7, 0, 1);
    e.stock = false;
    e.deal = DealPattern::Yukon;
    all.push_back(e);
    GameRecord f = eight(0, 0, 0, 4, 13, 9, 1, 0);
    f.cells = 1;
    f.cellCards = 1;
    all.push_back(f);
    return all;
}

class WizardRulesTest : public WizardFixture {
protected:
    QComboBox *combo(const frmAddGame &dlg, const char *name) { return control<QComboBox>(dlg, name); }
    QCheckBox *check(const frmAddGame &dlg, const char *name) { return control<QCheckBox>(dlg, name); }

    // Sets the controls as a player would, one after the other: the number
    // of cells before the cells dealt, which it limits.
    void setControls(const frmAddGame &dlg, const GameRecord &r)
    {
        for (const SwitchField &f : kSwitches)
            check(dlg, f.control)->setChecked(f.get(r));
        for (const ListField &f : kLists) {
            QComboBox *c = combo(dlg, f.control);
            const int index = c->findData(f.get(r));
            ASSERT_GE(index, 0) << f.control << " offers no " << f.get(r);
            c->setCurrentIndex(index);
        }
    }
    // What the controls show, as "name=value" lines, to compare with a record.
    QStringList shown(const frmAddGame &dlg)
    {
        QStringList values;
        for (const ListField &f : kLists)
            values << QStringLiteral("%1=%2").arg(QLatin1String(f.control)).arg(combo(dlg, f.control)->currentData().toInt());
        for (const SwitchField &f : kSwitches)
            values << QStringLiteral("%1=%2").arg(QLatin1String(f.control)).arg(check(dlg, f.control)->isChecked());
        return values;
    }
    QStringList expected(const GameRecord &r)
    {
        QStringList values;
        for (const ListField &f : kLists)
            values << QStringLiteral("%1=%2").arg(QLatin1String(f.control)).arg(f.get(r));
        for (const SwitchField &f : kSwitches)
            values << QStringLiteral("%1=%2").arg(QLatin1String(f.control)).arg(f.get(r));
        return values;
    }
    // Chooses an entry of "Start from:" as the player does.
    void startFrom(const frmAddGame &dlg, const QString &name)
    {
        QComboBox *c = combo(dlg, "imcStartFrom");
        const int index = c->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        c->setCurrentIndex(index);
        Q_EMIT c->activated(index);
    }
    void save(frmAddGame &dlg, const QString &name)
    {
        voice.attach(dlg);
        control<QLineEdit>(dlg, "txtName")->setText(name);
        control<QPushButton>(dlg, "cmdAdd")->click();
    }
    GameRecord loaded(const QString &name)
    {
        GameRecord r;
        const QString problem = ctx->custom.LoadRecord(name, &r);
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        return r;
    }
    QImage picture(const frmAddGame &dlg) { return control<QWidget>(dlg, "picLayout")->grab().toImage(); }

    DialogVoice voice;
};

TEST_F(WizardRulesTest, EveryNewChoiceIsSavedReadBackAndShownAgain)
{
    int n = 0;
    for (const GameRecord &r : designedRecords()) {
        ASSERT_STREQ(recordProblem(r), "") << n;
        const QString name = QStringLiteral("Design %1").arg(++n);
        {
            frmAddGame dlg(*ctx);
            setControls(dlg, r);
            save(dlg, name);
        }
        ASSERT_TRUE(voice.errors.isEmpty()) << voice.errors.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(loaded(name), r) << name.toStdString();
        EXPECT_EQ(fileContent(name + QStringLiteral(".gam")), gameRecordLine(r)) << name.toStdString();
        // A dialog opened later shows the saved game when started from it.
        frmAddGame again(*ctx);
        startFrom(again, name);
        EXPECT_EQ(shown(again), expected(r)) << name.toStdString();
        EXPECT_EQ(again.chosenRecord(), r) << name.toStdString();
    }
}

TEST_F(WizardRulesTest, AGameStartedFromAClassicOrAStandardGameIsSavedAsItsRecord)
{
    for (const ClassicGame &game : classicGames()) {
        const QString name = QString::fromLatin1(game.name);
        frmAddGame dlg(*ctx);
        startFrom(dlg, name);
        EXPECT_EQ(shown(dlg), expected(game.record)) << game.name;
        save(dlg, name);
        EXPECT_EQ(loaded(name), game.record) << game.name;
        EXPECT_EQ(fileContent(name + QStringLiteral(".gam")), gameRecordLine(game.record)) << game.name;
    }
    EXPECT_EQ(ctx->custom.TotalGames(), int(classicGames().size()));
    for (int id = 1; id <= kStandardGameCount; ++id) {
        frmAddGame dlg(*ctx);
        startFrom(dlg, standardGameName(id));
        EXPECT_EQ(dlg.chosenRecord(), *standardGameRecord(standardGameName(id))) << id;
    }
    EXPECT_TRUE(voice.errors.isEmpty());
}

TEST_F(WizardRulesTest, APlainGameIsSavedAsTheEightNumbersEvenAfterStartingFromAClassic)
{
    frmAddGame dlg(*ctx);
    startFrom(dlg, QStringLiteral("FreeCell"));
    startFrom(dlg, QStringLiteral("Klondike"));
    save(dlg, QStringLiteral("Plain"));
    const GameRecord klondike = *standardGameRecord(QStringLiteral("Klondike"));
    const QByteArray eightNumbers = QByteArray::number(klondike.gOrder) + ',' + QByteArray::number(klondike.gBase) +
                                    ',' + QByteArray::number(klondike.gCards) + ',' +
                                    QByteArray::number(klondike.hOrder) + ',' + QByteArray::number(klondike.hSpace) +
                                    ',' + QByteArray::number(klondike.hPiles) + ',' +
                                    QByteArray::number(klondike.hAk) + ',' + QByteArray::number(klondike.hMulti) +
                                    "\r\n";
    EXPECT_EQ(fileContent("Plain.gam"), eightNumbers);

    // Back to the wizard's own choices: the default game again.
    frmAddGame other(*ctx);
    startFrom(other, QStringLiteral("Eight Off"));
    startFrom(other, QStringLiteral("The wizard's own choices"));
    save(other, QStringLiteral("Default"));
    EXPECT_EQ(fileContent("Default.gam"), "0,0,0,4,13,7,1,1\r\n");
}

TEST_F(WizardRulesTest, RulesTheEngineCannotPlayAreNamedAndNothingIsWritten)
{
    struct Case {
        const char *why;
        GameRecord record;
    };
    GameRecord tenStairs; // ten piles as a staircase take 55 cards
    tenStairs.hPiles = 10;
    GameRecord noStock; // seven piles as a staircase leave 24 cards over
    noStock.stock = false;
    for (const Case &c : {Case{"the deal needs more cards than the deck holds", tenStairs},
                          Case{"a game without a stock must deal every card", noStock}}) {
        frmAddGame dlg(*ctx);
        dlg.show();
        setControls(dlg, c.record);
        EXPECT_TRUE(control<QLabel>(dlg, "lblProblem")->isVisible()) << c.why;
        EXPECT_TRUE(control<QLabel>(dlg, "lblProblem")->text().contains(QLatin1String(c.why))) << c.why;
        voice = {};
        save(dlg, QStringLiteral("Refused"));
        ASSERT_EQ(voice.errors.size(), 1) << c.why;
        EXPECT_TRUE(voice.errors.first().contains(QLatin1String(c.why))) << voice.errors.first().toStdString();
        EXPECT_TRUE(voice.messages.isEmpty());
        EXPECT_TRUE(dlg.isVisible() && dlg.result() == 0) << c.why;
        // Put right, the same dialog saves.
        combo(dlg, "imcDeal")->setCurrentIndex(combo(dlg, "imcDeal")->findData(int(DealPattern::Rows)));
        EXPECT_FALSE(control<QLabel>(dlg, "lblProblem")->isVisible()) << c.why;
    }
    EXPECT_TRUE(QDir(dataDir()).entryList({QStringLiteral("*.gam")}, QDir::Files).isEmpty());
    EXPECT_EQ(ctx->data.TotalGames(), kStandardGameCount);
}

TEST_F(WizardRulesTest, StartingFromADamagedGameSaysWhyAndKeepsTheChoices)
{
    writeFile(QStringLiteral("Broken.gam"), "1,2\r\n");
    ctx->custom.Init();
    frmAddGame dlg(*ctx);
    voice.attach(dlg);
    startFrom(dlg, QStringLiteral("FreeCell"));
    startFrom(dlg, QStringLiteral("Broken"));
    ASSERT_EQ(voice.errors.size(), 1);
    EXPECT_TRUE(voice.errors.first().contains(QLatin1String("Broken"))) << voice.errors.first().toStdString();
    EXPECT_EQ(dlg.chosenRecord(), *classicRecord(QStringLiteral("FreeCell")));
}

TEST_F(WizardRulesTest, AGreyedChoiceDoesNotCount)
{
    frmAddGame dlg(*ctx);
    GameRecord r;
    r.deal = DealPattern::Rows;
    r.rowCards = 5;
    r.cells = 4;
    r.cellCards = 3;
    r.reserveCards = 6;
    r.reserveFills = true;
    r.baseFromDeal = true;
    r.hPiles = 6;
    setControls(dlg, r);
    ASSERT_EQ(dlg.chosenRecord(), r);

    combo(dlg, "imcDeal")->setCurrentIndex(combo(dlg, "imcDeal")->findData(int(DealPattern::Staircase)));
    EXPECT_FALSE(combo(dlg, "imcRowCards")->isEnabled());
    combo(dlg, "imcReserve")->setCurrentIndex(combo(dlg, "imcReserve")->findData(0));
    EXPECT_FALSE(check(dlg, "chkReserveFills")->isEnabled());
    combo(dlg, "imcGoalCards")->setCurrentIndex(combo(dlg, "imcGoalCards")->findData(2));
    EXPECT_FALSE(check(dlg, "chkBaseFromDeal")->isEnabled());
    // Fewer cells than were dealt to: the list offers only as many.
    combo(dlg, "imcCells")->setCurrentIndex(combo(dlg, "imcCells")->findData(2));
    EXPECT_EQ(combo(dlg, "imcCellCards")->count(), 3);
    check(dlg, "chkMulti")->setChecked(false);
    EXPECT_FALSE(combo(dlg, "imcMoves")->isEnabled());
    check(dlg, "chkNoStock")->setChecked(true);
    EXPECT_FALSE(combo(dlg, "imcDraw")->isEnabled());
    EXPECT_FALSE(combo(dlg, "imcRedeals")->isEnabled());

    const GameRecord chosen = dlg.chosenRecord();
    EXPECT_EQ(chosen.rowCards, 0);
    EXPECT_FALSE(chosen.reserveFills);
    EXPECT_FALSE(chosen.baseFromDeal);
    EXPECT_EQ(chosen.cellCards, 2);
    EXPECT_EQ(chosen.tableauMoves(), TableauMoves::Single);
    EXPECT_FALSE(chosen.stock);
}

TEST_F(WizardRulesTest, ThePictureFollowsTheCellsTheReserveAndThePiles)
{
    frmAddGame dlg(*ctx);
    dlg.resize(900, 600);
    dlg.show();
    const QImage first = picture(dlg);
    ASSERT_FALSE(first.isNull());
    struct Change {
        const char *control;
        int value;
    };
    QImage before = first;
    for (const Change &c : {Change{"imcCells", 4}, Change{"imcReserve", 13}, Change{"imcHomePiles", 4},
                            Change{"imcDeal", int(DealPattern::StaircaseOpen)}}) {
        combo(dlg, c.control)->setCurrentIndex(combo(dlg, c.control)->findData(c.value));
        const QImage after = picture(dlg);
        EXPECT_NE(after, before) << c.control;
        before = after;
    }
    // The picture is the rules' alone: the same rules draw the same picture.
    startFrom(dlg, QStringLiteral("The wizard's own choices"));
    EXPECT_EQ(picture(dlg), first);
}

TEST_F(WizardRulesTest, EveryChoiceExplainsItselfInOneSentence)
{
    frmAddGame dlg(*ctx);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    auto *explain = control<QLabel>(dlg, "lblExplain");
    // Every choice open to the player (none greyed).
    GameRecord open;
    open.deal = DealPattern::Rows;
    open.cells = 1;
    open.reserveCards = 1;
    setControls(dlg, open);
    QStringList controls = {"txtName", "imcStartFrom"};
    for (const ListField &f : kLists)
        controls << QLatin1String(f.control);
    for (const SwitchField &f : kSwitches)
        controls << QLatin1String(f.control);
    QSet<QString> sentences;
    for (const QString &name : controls) {
        auto *w = control<QWidget>(dlg, name.toLatin1().constData());
        const QString tip = w->toolTip();
        EXPECT_TRUE(tip.endsWith(QLatin1Char('.')) || tip.endsWith(QLatin1String(".)"))) << name.toStdString();
        EXPECT_EQ(tip.count(QLatin1String(". ")), 0) << name.toStdString() << ": " << tip.toStdString();
        sentences.insert(tip);
        // The text line shows the sentence of the control that has the focus.
        control<QTabWidget>(dlg, "tabRules")->setCurrentWidget(w->parentWidget()->parentWidget());
        w->setFocus();
        QCoreApplication::processEvents();
        ASSERT_TRUE(w->hasFocus()) << name.toStdString();
        EXPECT_EQ(explain->text(), tip) << name.toStdString();
    }
    EXPECT_EQ(sentences.size(), controls.size());
    // The deal's sentence describes the chosen pattern.
    QComboBox *deal = combo(dlg, "imcDeal");
    deal->setCurrentIndex(deal->findData(int(DealPattern::Staircase)));
    const QString staircase = deal->toolTip();
    deal->setCurrentIndex(deal->findData(int(DealPattern::Yukon)));
    EXPECT_NE(deal->toolTip(), staircase);
    EXPECT_TRUE(deal->toolTip().contains(QLatin1String("four more"))) << deal->toolTip().toStdString();
}

TEST_F(WizardRulesTest, TheHelpPageExplainsEveryChoiceOfTheMoreRulesPage)
{
    QFile file(QStringLiteral(":/help/designing.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    frmAddGame dlg(*ctx);
    auto *pages = control<QTabWidget>(dlg, "tabRules");
    QWidget *more = pages->widget(pages->count() - 1);
    QStringList named = {QStringLiteral("Start from:")};
    for (const QLabel *label : more->findChildren<QLabel *>())
        named << label->text();
    // A check box is named by its words before any explanation in brackets.
    for (const QCheckBox *box : more->findChildren<QCheckBox *>())
        named << box->text().section(QStringLiteral(" ("), 0, 0);
    for (const char *list : {"imcDeal", "imcMoves"})
        for (int i = 0; i < combo(dlg, list)->count(); ++i)
            named << combo(dlg, list)->itemText(i);
    EXPECT_GE(named.size(), 20);
    for (const QString &name : named)
        EXPECT_TRUE(html.contains(QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()))) << name.toStdString();
}

} // namespace
