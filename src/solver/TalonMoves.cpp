#include "solver/TalonMoves.h"

#include "solver/CandidateMoves.h"
#include "solver/QuickPhaseRules.h"
#include "solver/Transition.h"

namespace cardova {

namespace {
// Under automatic play: a move whose turn may send cards home or take one
// back, so that the waste card lying open changes what happens.
bool touchesFoundations(const Position &p, const AcceptedCards &acc, const Move &m)
{
    if (m.kind != MoveKind::Card || m.source.kind == SourceKind::Waste)
        return false;
    if (m.source.kind == SourceKind::Foundation || m.target.kind == TargetKind::Foundation)
        return true;
    return m.source.pos > 0 &&
           AcceptedCards::has(acc.anyFoundationAutomatic, p.at(PileIndex::tableau(m.source.pile), m.source.pos - 1));
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
// made: the stock's cards from the top, then the waste turned back (no card
// open), then the waste's cards from the bottom.
struct AfterTurns {
    Move turn;
    CardCode open;
};

AfterTurns afterTurns(const Position &p, int turns)
{
    const int stock = p.size(PileIndex::kStock);
    if (turns <= stock)
        return {Move::turnStock(), p.at(PileIndex::kStock, stock - turns)};
    if (turns == stock + 1)
        return {Move::turnWasteBack(), kNoCard};
    return {Move::turnStock(), p.at(PileIndex::kWaste, turns - stock - 2)};
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
        const CardCode open = afterTurns(p, turns).open;
        if (open != kNoCard && AcceptedCards::has(home, open))
            return turns;
    }
    return lastTurn + 1;
}
} // namespace

CardCode talonCardOpenAfter(const Position &p, int turns) { return afterTurns(p, turns).open; }

std::optional<Move> talonTurn(const Position &p, const Rules &rules)
{
    if (!p.isEmpty(PileIndex::kStock))
        return Move::turnStock();
    if (rules.wasteTurnsBack && !p.isEmpty(PileIndex::kWaste))
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
    const int stock = p.size(PileIndex::kStock);
    const int lastTurn = c.rules.wasteTurnsBack && p.size(PileIndex::kWaste) + stock > 0
                             ? stock + p.size(PileIndex::kWaste) // one short of the full round
                             : stock;
    // Under automatic play the exact phase repeats, after each turn, the
    // moves whose automatic play then sees another waste card.
    std::vector<HomeMove> homeMoves;
    if (c.autoplay && c.phase == SearchPhase::Exact)
        for (std::size_t i = plainFirst; i < plainEnd; ++i)
            if (touchesFoundations(p, acc, out[i].move))
                homeMoves.push_back({out[i].move, firstTurnThatMatters(p, c.rules, out[i].move, lastTurn)});
    for (int turns = 1; turns <= lastTurn; ++turns) {
        const AfterTurns now = afterTurns(p, turns);
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
