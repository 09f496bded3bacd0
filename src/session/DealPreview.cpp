#include "session/DealPreview.h"

#include "engine/Moves.h"
#include "engine/PositionOfTable.h"
#include "engine/RulesOfGame.h"
#include "session/DealGame.h"

namespace cardova {

DealtGame dealtGame(cGames games, double number, bool autoplay)
{
    RuntimeRandom rng;
    CardSprites cards{};
    cArray table(games, cards, rng);
    games.attachTable(&table);
    table.Init(number);
    assignCardValues(games, table, cards);
    const PlaceDealt place = [&table](int16_t picId, int16_t cell, int16_t pile, int16_t pos, int16_t,
                                      int32_t face) {
        table.PlaceRun(picId, cell, pile, pos, kModeDeal, 0, 0, face);
    };
    dealGoalCards(games, table, cards, place);
    dealStockCards(games, table, cards, place);
    dealFromStock(games, table, cards, place);
    DealtGame dealt;
    dealt.rules = rulesOfGame(games, table.BaseNum);
    dealt.position = positionOfTable(table, cards, dealt.rules);
    while (autoplay) {
        const auto m = autoPlayStep(dealt.position, dealt.rules);
        if (!m)
            break;
        apply(dealt.position, dealt.rules, *m);
    }
    return dealt;
}

} // namespace cardova
