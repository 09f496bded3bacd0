#include "ui/windows/HintText.h"

#include "rules/StandardGames.h"

namespace cardova::ui {

namespace {
// In the order of the card codes' suits.
const char *const kSuitNames[] = {"Hearts", "Spades", "Diamonds", "Clubs"};

// The card a card move takes: the lowest of a tableau run, else the top.
CardCode movedCardOf(const Position &p, const Move &m)
{
    const int pile = pileOfSource(m.source);
    if (p.isEmpty(pile))
        return kNoCard;
    return m.source.kind == SourceKind::Tableau ? p.at(pile, m.source.pos) : p.top(pile);
}
// Where the card comes from, where the player might not see it at once: a
// card of the tableau or the waste lies in plain sight.
QString sourceText(const Source &s)
{
    switch (s.kind) {
    case SourceKind::Cell: return QStringLiteral(" from cell %1").arg(s.pile + 1);
    case SourceKind::Reserve: return QStringLiteral(" from the reserve");
    default: return {};
    }
}
} // namespace

QString moveText(const Position &p, const Move &m)
{
    switch (m.kind) {
    case MoveKind::TurnStock: return QStringLiteral("turn the stock");
    case MoveKind::TurnWasteBack: return QStringLiteral("turn the waste back");
    case MoveKind::Card: break;
    }
    const CardCode card = movedCardOf(p, m);
    const QString name = card == kNoCard ? QStringLiteral("a card")
                                         : QStringLiteral("%1 of %2").arg(BaseCardText(rankOf(card)),
                                                                          QLatin1String(kSuitNames[suitOf(card)]));
    const bool run = m.source.kind == SourceKind::Tableau && m.source.pos + 1 < p.size(pileOfSource(m.source));
    const QString what = (run ? name + QStringLiteral(" and the cards on it") : name) + sourceText(m.source);
    if (m.target.kind == TargetKind::Foundation)
        return what + QStringLiteral(" to a foundation");
    if (m.target.kind == TargetKind::Cell)
        return what + QStringLiteral(" to cell %1").arg(m.target.pile + 1);
    return what + QStringLiteral(" to pile %1").arg(m.target.pile + 1);
}

} // namespace cardova::ui
