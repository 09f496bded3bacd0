#include "solver/TalonMoves.h"

#include "solver/CandidateMoves.h"
#include "solver/QuickPhaseRules.h"
#include "solver/Transition.h"

#include <algorithm>

namespace cardova {

namespace {
// The reserve card below the top, which turns up when the top leaves.
bool reserveNextGoesHome(const Position &p, const AcceptedCards &acc)
{
    const int reserve = PileIndex::reserve(0);
    return p.size(reserve) > 1 && AcceptedCards::has(acc.anyFoundationAutomatic, p.at(reserve, p.size(reserve) - 2));
}

// Under automatic play: a move whose turn may send cards home or take one
// back, so that the waste card lying open changes what happens: it moves
// to or from a foundation, or opens a card that goes home (the one under a
// tableau card, the reserve's next card where it or a space it fills
// takes the reserve's top).
bool touchesFoundations(const Position &p, const Rules &r, const AcceptedCards &acc, const Move &m)
{
    if (m.kind != MoveKind::Card || m.source.kind == SourceKind::Waste)
        return false;
    if (m.source.kind == SourceKind::Foundation || m.target.kind == TargetKind::Foundation)
        return true;
    if (m.source.kind == SourceKind::Reserve)
        return reserveNextGoesHome(p, acc);
    if (m.source.kind != SourceKind::Tableau)
        return false;
    if (m.source.pos == 0)
        return r.reserveFillsSpaces && r.reservePiles > 0 && reserveNextGoesHome(p, acc);
    return AcceptedCards::has(acc.anyFoundationAutomatic, p.at(PileIndex::tableau(m.source.pile), m.source.pos - 1));
}

void appendWasteMoves(const AcceptedCards &acc, const Rules &r, CardCode card, uint8_t turns,
                      std::vector<Candidate> &out)
{
    const Source waste{SourceKind::Waste, 0, 0};
    for (int t = 0; t < r.tableauPiles; ++t)
        if (AcceptedCards::has(acc.tableau[size_t(t)], card))
            out.push_back({Move::card(waste, {TargetKind::Tableau, uint8_t(t)}), turns});
    for (int g = 0; g < kFoundationPiles; ++g)
        if (AcceptedCards::has(acc.foundation[size_t(g)], card))
            out.push_back({Move::card(waste, {TargetKind::Foundation, uint8_t(g)}), turns});
}

// The card a number of turns leaves open on the waste, and the last turn
// made. The talon's cards in turning order make a ring: the waste from the
// bottom, then the stock from the top. A turn lays the next draw cards of
// it on the waste, the last of them open; so the stock's turns open every
// draw-th card from the waste's top on, the turn back opens none, and the
// turns after it every draw-th card from the ring's start.
struct AfterTurns {
    Move turn;
    CardCode open;
};

int turnsThrough(int cards, int draw) { return (cards + draw - 1) / draw; }

CardCode ringCard(const Position &p, int index)
{
    const int waste = p.size(PileIndex::kWaste);
    if (index < waste)
        return p.at(PileIndex::kWaste, index);
    return p.at(PileIndex::kStock, p.size(PileIndex::kStock) - 1 - (index - waste));
}

AfterTurns afterTurns(const Position &p, int draw, int turns)
{
    const int stock = p.size(PileIndex::kStock);
    const int waste = p.size(PileIndex::kWaste);
    const int stockTurns = turnsThrough(stock, draw);
    if (turns <= stockTurns)
        return {Move::turnStock(), ringCard(p, waste + std::min(turns * draw, stock) - 1)};
    if (turns == stockTurns + 1)
        return {Move::turnWasteBack(), kNoCard};
    const int after = turns - stockTurns - 1;
    return {Move::turnStock(), ringCard(p, std::min(after * draw, stock + waste) - 1)};
}

// Turns that reach a table the turns so far have not: the stock's, then,
// where the waste may still turn back, the turn back and the turns after
// it up to the first table that repeats one before the turn back (with the
// same cards open but fewer turn-backs left, which can do no more).
int lastNewTurn(const Position &p, const Rules &r)
{
    const int draw = std::max<int>(r.draw, 1);
    const int stock = p.size(PileIndex::kStock);
    const int waste = p.size(PileIndex::kWaste);
    const int stockTurns = turnsThrough(stock, draw);
    if (!r.wasteTurnsBack || p.turnBacksLeft == 0 || stock + waste == 0)
        return stockTurns;
    // After the turn back the turns open the ring's every draw-th card; they
    // meet the turns before it where the waste's top is such a card (an
    // empty waste is the ring's start itself).
    const int ringTurns = turnsThrough(stock + waste, draw);
    const int repeatAt = waste % draw == 0 ? waste / draw : ringTurns;
    return stockTurns + repeatAt;
}

// A move sending cards home, and the fewest turns of the talon before it
// that can make a difference. With one foundation place per card, the
// turns make none as long as the move takes nothing off the waste and
// none of the cards they turn fits the foundations after it: the same
// move made first, then the same turns, which send nothing home either,
// reach the same table, and the search goes that way anyway.
struct HomeMove {
    Move move;
    int fromTurn;
};

int firstTurnThatMatters(const Position &p, const Rules &r, const Move &m, int lastTurn)
{
    if (!foundationsBySuit(r))
        return 1;
    Position after = p;
    playTurn(after, r, m, true);
    if (after.size(PileIndex::kWaste) != p.size(PileIndex::kWaste))
        return 1;
    const uint64_t home = AcceptedCards(after, r).anyFoundationAutomatic;
    for (int turns = 1; turns <= lastTurn; ++turns) {
        const CardCode open = afterTurns(p, std::max<int>(r.draw, 1), turns).open;
        if (open != kNoCard && AcceptedCards::has(home, open))
            return turns;
    }
    return lastTurn + 1;
}
} // namespace

CardCode talonCardOpenAfter(const Position &p, const Rules &rules, int turns)
{
    return afterTurns(p, std::max<int>(rules.draw, 1), turns).open;
}

std::optional<Move> talonTurn(const Position &p, const Rules &rules)
{
    if (!p.isEmpty(PileIndex::kStock))
        return Move::turnStock();
    if (rules.wasteTurnsBack && p.turnBacksLeft != 0 && !p.isEmpty(PileIndex::kWaste))
        return Move::turnWasteBack();
    return std::nullopt;
}

void playCandidate(Position &p, const Rules &rules, const Candidate &c, bool autoplay)
{
    for (int i = 0; i < c.turns; ++i)
        apply(p, rules, *talonTurn(p, rules));
    playTurn(p, rules, c.move, autoplay);
}

void appendMoves(Position p, const Rules &rules, const Candidate &c, std::vector<Move> &line)
{
    for (int i = 0; i < c.turns; ++i) {
        const Move turn = *talonTurn(p, rules);
        apply(p, rules, turn);
        line.push_back(turn);
    }
    line.push_back(c.move);
}

void talonCandidates(const Position &p, const CandidateContext &c, bool settled, std::size_t plainFirst,
                     const QuickTalonCards *quick, std::vector<Candidate> &out)
{
    const std::size_t plainEnd = out.size();
    const AcceptedCards acc(p, c.rules);
    const uint64_t sentHome = c.autoplay ? acc.anyFoundationAutomatic : 0;
    // A table automatic play has not finished with (a game's first table)
    // sends cards home at the first turn.
    if (!settled) {
        if (const auto turn = talonTurn(p, c.rules))
            out.push_back({*turn, 0});
        return;
    }
    const int lastTurn = lastNewTurn(p, c.rules);
    const int draw = std::max<int>(c.rules.draw, 1);
    // Under automatic play the exact phase repeats, after each turn, the
    // moves whose automatic play then sees another waste card.
    std::vector<HomeMove> homeMoves;
    if (c.autoplay && c.phase == SearchPhase::Exact)
        for (std::size_t i = plainFirst; i < plainEnd; ++i)
            if (touchesFoundations(p, c.rules, acc, out[i].move))
                homeMoves.push_back({out[i].move, firstTurnThatMatters(p, c.rules, out[i].move, lastTurn)});
    for (int turns = 1; turns <= lastTurn; ++turns) {
        const AfterTurns now = afterTurns(p, draw, turns);
        if (now.open == kNoCard)
            continue;
        if (AcceptedCards::has(sentHome, now.open)) {
            out.push_back({now.turn, uint8_t(turns - 1)});
            return;
        }
        if (!quick || quick->plays(now.open))
            appendWasteMoves(acc, c.rules, now.open, uint8_t(turns), out);
        for (const HomeMove &h : homeMoves)
            if (turns >= h.fromTurn)
                out.push_back({h.move, uint8_t(turns)});
    }
}

} // namespace cardova
