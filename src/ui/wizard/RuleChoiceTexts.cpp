#include "ui/wizard/RuleChoiceTexts.h"

#include <QHash>
#include <array>

namespace cardova::ui {

namespace {
const std::array<const char *, kDealPatternCount> kDealTexts = {
    "Staircase", "Open staircase", "Yukon", "Rows"};
const std::array<const char *, kTableauMovesCount> kMovesTexts = {
    "Top card only", "Runs in order", "Runs the cells allow", "Any face-up card", "Top card or pile"};

const std::array<const char *, kDealPatternCount> kDealSentences = {
    "Pile 1 gets one card, pile 2 two cards and so on; only the top card of each pile lies face up.",
    "Pile 1 gets one card, pile 2 two cards and so on, every card face up.",
    "A face-down staircase, then four more face-up cards on every pile but the first.",
    "Face-up cards dealt in rows from left to right, as many per pile as \"Cards per Pile\" says."};
const std::array<const char *, kTableauMovesCount> kMovesSentences = {
    "Only the top card of a pile moves.",
    "A run of cards that follows the tableau order moves together.",
    "A run moves when the free cells and empty piles could carry it one card at a time.",
    "Any face-up card moves together with every card lying on it, in order or not.",
    "Either the top card or the whole pile moves."};

template <size_t N>
QString entry(const std::array<const char *, N> &texts, int code)
{
    return code >= 0 && code < int(N) ? QString::fromLatin1(texts[size_t(code)]) : QString();
}

const QHash<QString, QString> &sentences()
{
    static const QHash<QString, QString> kSentences = {
        {QStringLiteral("txtName"), QStringLiteral("The name the game is listed and saved under.")},
        {QStringLiteral("imcStartFrom"),
         QStringLiteral("Fills every choice with the rules of a standard game, a classic or one of your own "
                        "games; change any of them afterwards.")},
        {QStringLiteral("imcGorder"), QStringLiteral("The order in which cards are built on the foundations.")},
        {QStringLiteral("imcGoalBase"),
         QStringLiteral("The rank that starts every foundation; with any base but the Ace the foundations wrap "
                        "around from King to Ace.")},
        {QStringLiteral("imcGoalCards"),
         QStringLiteral("How many foundations start with their base card already in place.")},
        {QStringLiteral("imcHorder"), QStringLiteral("The order in which cards are built on the tableau piles.")},
        {QStringLiteral("imcHomeEmpty"),
         QStringLiteral("The rank that may be placed in an empty tableau pile, or any card.")},
        {QStringLiteral("imcHomePiles"), QStringLiteral("How many tableau piles the game deals, from 1 to 10.")},
        {QStringLiteral("chkHomeAK"),
         QStringLiteral("Whether a King may go on an Ace, and an Ace on a King, on the tableau.")},
        {QStringLiteral("chkMulti"),
         QStringLiteral("Whether several cards may move together; when it is off only the top card of a pile "
                        "moves.")},
        {QStringLiteral("chkNoStock"),
         QStringLiteral("Deals every card onto the table at the start, so the game has no stock and no waste.")},
        {QStringLiteral("imcDraw"), QStringLiteral("How many cards one click on the stock turns onto the waste.")},
        {QStringLiteral("imcRedeals"),
         QStringLiteral("How often the waste may be turned back into an empty stock.")},
        {QStringLiteral("imcRowCards"),
         QStringLiteral("How many cards each pile gets in a deal in rows; \"All cards left\" deals every card "
                        "that is left.")},
        {QStringLiteral("chkBaseFromDeal"),
         QStringLiteral("One card is dealt to a foundation at the start, and its rank is the base of all four "
                        "foundations.")},
        {QStringLiteral("imcCells"),
         QStringLiteral("Free cells each hold one card of any kind, to park it for a while.")},
        {QStringLiteral("imcCellCards"), QStringLiteral("How many of the free cells receive a card in the deal.")},
        {QStringLiteral("imcReserve"),
         QStringLiteral("Cards dealt to one reserve pile, face down but the top one, which may be played; None "
                        "means no reserve.")},
        {QStringLiteral("chkReserveFills"),
         QStringLiteral("An empty tableau pile is filled at once from the reserve while the reserve has cards.")},
    };
    return kSentences;
}
} // namespace

QString dealText(int deal) { return entry(kDealTexts, deal); }

QString movesText(int moves) { return entry(kMovesTexts, moves); }

QString redealsText(int redeals)
{
    if (redeals == kUnlimitedRedeals)
        return QStringLiteral("Unlimited");
    if (redeals == 0)
        return QStringLiteral("None");
    return redeals > 0 && redeals <= 2 ? QString::number(redeals) : QString();
}

QString rowCardsText(int rowCards)
{
    if (rowCards == 0)
        return QStringLiteral("All cards left");
    return rowCards > 0 ? QString::number(rowCards) : QString();
}

QString reserveText(int cards)
{
    if (cards == 0)
        return QStringLiteral("None");
    return cards > 0 ? QString::number(cards) : QString();
}

QString dealExplanation(DealPattern deal) { return entry(kDealSentences, int(deal)); }

QString movesExplanation(TableauMoves moves) { return entry(kMovesSentences, int(moves)); }

QString choiceExplanation(const QString &objectName) { return sentences().value(objectName); }

} // namespace cardova::ui
