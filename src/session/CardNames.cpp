#include "session/CardNames.h"

#include "engine/Card.h"
#include "rules/cGames.h"

namespace cardova {

namespace {
const char *const kRankNames[] = {"Ace", "Two",   "Three", "Four", "Five",  "Six", "Seven",
                                  "Eight", "Nine", "Ten",  "Jack", "Queen", "King"};
const char *const kSuitNames[] = {"Hearts", "Spades", "Diamonds", "Clubs"};
} // namespace

QString cardName(const cCard &card)
{
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(kRankNames[card.Num % kRanksPerSuit]), QLatin1String(kSuitNames[card.Suit % 4]));
}

QString pileName(int cell, int pile)
{
    switch (cell) {
    case kStock: return QStringLiteral("Stock");
    case kWaste: return QStringLiteral("Waste");
    case kFoundation: return QStringLiteral("Foundation %1").arg(pile + 1);
    case kReserve: return QStringLiteral("Reserve %1").arg(pile + 1);
    case kFreeCell: return QStringLiteral("Cell %1").arg(pile + 1);
    default: return QStringLiteral("pile %1").arg(pile + 1);
    }
}

} // namespace cardova
