#include "solver/TalonMoves.h"

#include "solver/CandidateMoves.h"
#include "solver/Transition.h"

namespace cardova {

namespace {
bool anyFoundationTakes(const Position &p, const Rules &r, CardCode card)
{
    for (int g = 0; g < kFoundationPiles; ++g)
        if (foundationAccepts(p, r, g, CardCode(card & ~kFaceDownFlag), true))
            return true;
    return false;
}

// Under automatic play: a move whose turn may send cards home or take one
// back, so that the waste card lying open changes what happens.
bool touchesFoundations(const Position &p, const Rules &r, const Move &m)
{
    if (m.kind != MoveKind::Card || m.source.kind == SourceKind::Waste)
        return false;
    if (m.source.kind == SourceKind::Foundation || m.target.kind == TargetKind::Foundation)
        return true;
    return m.source.pos > 0 && anyFoundationTakes(p, r, p.at(PileIndex::tableau(m.source.pile), m.source.pos - 1));
}

void appendWasteMoves(const Position &q, const Rules &r, uint8_t turns, std::vector<Candidate> &out)
{
    if (q.isEmpty(PileIndex::kWaste))
        return;
    const Source waste{SourceKind::Waste, 0, 0};
    for (int t = 0; t < r.tableauPiles; ++t) {
        const Move m = Move::card(waste, {TargetKind::Tableau, uint8_t(t)});
        if (isLegal(q, r, m))
            out.push_back({m, turns});
    }
    for (int g = 0; g < kFoundationPiles; ++g) {
        const Move m = Move::card(waste, {TargetKind::Foundation, uint8_t(g)});
        if (isLegal(q, r, m))
            out.push_back({m, turns});
    }
}

// Turns after which the talon lies as it started: each card turned once,
// and the waste turned back once.
int fullRound(const Position &p)
{
    return p.size(PileIndex::kStock) + p.size(PileIndex::kWaste) + 1;
}
} // namespace

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
        playTurn(p, rules, *talonTurn(p, rules), autoplay);
    playTurn(p, rules, c.move, autoplay);
}

void appendMoves(Position p, const Rules &rules, const Candidate &c, bool autoplay, std::vector<Move> &line)
{
    for (int i = 0; i < c.turns; ++i) {
        const Move turn = *talonTurn(p, rules);
        playTurn(p, rules, turn, autoplay);
        line.push_back(turn);
    }
    line.push_back(c.move);
}

void talonCandidates(const Position &p, const CandidateContext &c, std::size_t plainFirst,
                     std::vector<Candidate> &out)
{
    const std::size_t plainEnd = out.size();
    const bool tryHomeMoves = c.autoplay && c.phase == SearchPhase::Exact;
    const int home = cardsOnFoundations(p);
    const int round = fullRound(p);
    Position q = p;
    for (int turns = 0; turns + 1 < round; ++turns) {
        const auto turn = talonTurn(q, c.rules);
        if (!turn)
            return;
        playTurn(q, c.rules, *turn, c.autoplay);
        if (cardsOnFoundations(q) != home) {
            out.push_back({*turn, uint8_t(turns)});
            return;
        }
        const uint8_t made = uint8_t(turns + 1);
        appendWasteMoves(q, c.rules, made, out);
        if (!tryHomeMoves)
            continue;
        for (std::size_t i = plainFirst; i < plainEnd; ++i)
            if (touchesFoundations(q, c.rules, out[i].move))
                out.push_back({out[i].move, made});
    }
}

} // namespace cardova
