#pragma once
// A game player's view of a kept game, and a fixture that runs the program
// again over the same files.
#include "TestSupport.h"

#include "WinningDeal.h"
#include "cli/PlayActions.h"
#include "engine/PositionOfTable.h"
#include "engine/RulesOfGame.h"
#include "session/GameSave.h"
#include "session/cTrans.h"

#include <QFile>

namespace cardova::test {

inline const QDateTime kStart(QDate(2026, 3, 1), QTime(9, 0));

// What a player sees of a game and can do with it.
struct GameView {
    std::string position;
    std::vector<std::array<int, 4>> cards; // cell, pile, pos, face of every card
    int pos = 0;
    int top = 0;
    std::vector<std::array<int, 10>> records;
    bool canUndo = false;
    bool canRedo = false;
    bool operator==(const GameView &) const = default;
};

inline GameView viewOf(const GameContext &ctx)
{
    GameView v;
    const Rules rules = rulesOfGame(ctx.games, ctx.table.BaseNum);
    v.position = positionOfTable(ctx.table, ctx.cards, rules).text();
    for (const cCard &c : ctx.cards)
        v.cards.push_back({c.Cell, c.Pile, c.Pos, int(c.FaceMode)});
    v.pos = ctx.trans->TransPos;
    v.top = ctx.trans->TransTop;
    for (int i = 1; i <= v.top; ++i) {
        const TransRecord &r = ctx.trans->record(i);
        v.records.push_back({r.PicID, r.SCell, r.SPile, r.SPos, r.DCell, r.DPile, r.DPos, r.mCards, r.tMod, r.Multi});
    }
    v.canUndo = ctx.trans->UndoPossible();
    v.canRedo = ctx.trans->RedoPossible();
    return v;
}

class GameSaveTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        prepare(*ctx);
        ctx->data.setIntSetting(IntKey::ContinueGame, 1);
    }
    void prepare(GameContext &c)
    {
        c.animate = false;
        c.now = [this] { return clock; };
    }
    // The next run of the program over the same files.
    std::unique_ptr<GameContext> nextRun()
    {
        auto c = reopen();
        prepare(*c);
        return c;
    }
    bool play(GameContext &c, const QString &action)
    {
        const auto parsed = parsePlayAction(action);
        return parsed && performPlayAction(c, *parsed);
    }
    QStringList winningActions() const
    {
        return QString::fromLatin1(kWinningActions).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    // The winning deal up to (not including) action `count`.
    void playWinningGame(GameContext &c, int count)
    {
        const QStringList actions = winningActions();
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(play(c, actions[i])) << actions[i].toStdString();
    }
    QByteArray savedText() const
    {
        QFile f(savedGamePath(ctx->data));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QDateTime clock = kStart;
};

} // namespace cardova::test
