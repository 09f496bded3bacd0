#include "rules/StandardGames.h"

#include <iterator>

namespace cardova {

namespace {
const char *const kNames[kStandardGameCount] = {"Klondike", "Klondike Plus", "Lawn"};
//                                          gOrder gBase gCards hOrder hSpace hPiles hAk hMulti
const GameRecord kRecords[kStandardGameCount] = {{0, 0, 0, 4, 12, 7, 0, 1},
                                                 {0, 0, 0, 3, 13, 7, 0, 1},
                                                 {3, 12, 1, 4, 13, 7, 0, 1}};
const char *const kOrders[] = {"Up Same Suit",
                               "Up Alternate Color",
                               "Up Regardless of Suit",
                               "Down Same Suit",
                               "Down Alternate Color",
                               "Down Regardless of Suit",
                               "Any Card",
                               "Up or Down Same Suit",
                               "Up or Down Alternate Color",
                               "Up or Down Regardless of Suit"};
const char *const kRanks[] = {"Ace", "Two", "Three", "Four", "Five", "Six", "Seven",
                              "Eight", "Nine", "Ten", "Jack", "Queen", "King"};
static_assert(std::size(kOrders) == size_t(OrderCode::UpOrDownRegardless) + 1);

QString rankText(int code)
{
    return code >= 0 && code < int(std::size(kRanks)) ? QString::fromLatin1(kRanks[code]) : QString();
}
} // namespace

QString standardGameName(int id)
{
    if (id < 1 || id > kStandardGameCount)
        return {};
    return QString::fromLatin1(kNames[id - 1]);
}

std::optional<GameRecord> standardGameRecord(const QString &name)
{
    for (int i = 0; i < kStandardGameCount; ++i)
        if (name == QLatin1String(kNames[i]))
            return kRecords[i];
    return std::nullopt;
}

QString OrderText(int code)
{
    return code >= 0 && code < int(std::size(kOrders)) ? QString::fromLatin1(kOrders[code]) : QString();
}

QString BaseCardText(int code)
{
    if (code == kRandomBase)
        return QStringLiteral("Random");
    return rankText(code);
}

QString SpaceCardText(int code)
{
    if (code == kAnyRank)
        return QStringLiteral("Any Card");
    return rankText(code);
}

QString BoolText(int code)
{
    if (code == 0)
        return QStringLiteral("False");
    if (code == 1)
        return QStringLiteral("True");
    return {};
}

} // namespace cardova
