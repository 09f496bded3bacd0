#include "rules/RuleSentences.h"

#include <array>

namespace cardova {

namespace {
constexpr std::array<const char *, 21> kCountWords = {
    "no",     "one",     "two",     "three",    "four",     "five",    "six",
    "seven",  "eight",   "nine",    "ten",      "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};

// "one card", "three cards".
QString cards(int n) { return countWord(n) + (n == 1 ? QStringLiteral(" card") : QStringLiteral(" cards")); }

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString turnBackText(int redeals)
{
    switch (redeals) {
    case kUnlimitedRedeals: return QStringLiteral("the waste may be turned back as often as you like");
    case 0: return QStringLiteral("the waste is never turned back: the stock is gone through once");
    case 1: return QStringLiteral("the waste may be turned back once");
    case 2: return QStringLiteral("the waste may be turned back twice");
    default: return QStringLiteral("the waste may be turned back %1 times").arg(redeals);
    }
}

void addStock(const GameRecord &r, QStringList &out)
{
    if (!r.stock) {
        out << QStringLiteral("There is no stock: every card is dealt at the start.");
        return;
    }
    const GameRecord plain;
    if (r.draw == plain.draw && r.redeals == plain.redeals)
        return;
    out << QStringLiteral("The stock is turned onto the waste %1 at a time; %2.")
               .arg(r.draw == 1 ? QStringLiteral("one card") : countWord(r.draw) + QStringLiteral(" cards"),
                    turnBackText(r.redeals));
}

void addDeal(const GameRecord &r, QStringList &out)
{
    switch (r.deal) {
    case DealPattern::Staircase: return;
    case DealPattern::StaircaseOpen:
        out << QStringLiteral("The tableau is dealt as a staircase with every card face up.");
        return;
    case DealPattern::Yukon:
        out << QStringLiteral("The tableau is dealt as a staircase, then four more cards go face up on every "
                              "pile but the first.");
        return;
    case DealPattern::Rows:
        if (r.rowCards == 0)
            out << QStringLiteral("The cards are dealt face up in rows across the piles until the deck is used up.");
        else
            out << QStringLiteral("Each tableau pile is dealt %1 face up, in rows.").arg(cards(r.rowCards));
        return;
    }
}

void addCells(const GameRecord &r, QStringList &out)
{
    if (r.cells == 0)
        return;
    QString sentence = r.cells == 1 ? QStringLiteral("One free cell holds any one card")
                                    : capitalised(countWord(r.cells)) +
                                          QStringLiteral(" free cells each hold any one card");
    if (r.cellCards == r.cells)
        sentence += r.cells == 1 ? QStringLiteral("; it gets a card in the deal") : QStringLiteral("; each gets a card in the deal");
    else if (r.cellCards > 0)
        sentence += QStringLiteral("; %1 of them %2 a card in the deal")
                        .arg(countWord(r.cellCards), r.cellCards == 1 ? QStringLiteral("gets") : QStringLiteral("get"));
    out << sentence + QLatin1Char('.');
}

void addReserve(const GameRecord &r, QStringList &out)
{
    if (r.reserveCards == 0)
        return;
    if (r.reserveCards == 1)
        out << QStringLiteral("A reserve of one card is dealt face up; it can be played like a tableau card.");
    else
        out << QStringLiteral("A reserve of %1 is dealt face down but for its top card, which alone can be played.")
                   .arg(cards(r.reserveCards));
    if (r.reserveFills)
        out << QStringLiteral("An emptied tableau pile is filled at once from the reserve while it lasts.");
}

void addMoves(const GameRecord &r, QStringList &out)
{
    // With multi-card moves off only the top card moves, whatever the rule says.
    if (r.hMulti == 0)
        return;
    switch (r.tableauMoves()) {
    case TableauMoves::Runs: return;
    case TableauMoves::Single: out << QStringLiteral("Only the top card of a tableau pile may be moved."); return;
    case TableauMoves::FreeCellRuns:
        out << QStringLiteral("A run may be moved only when it could be moved one card at a time through the "
                              "empty free cells and tableau piles.");
        return;
    case TableauMoves::AnyFaceUp:
        out << QStringLiteral("Any face-up card may be moved together with every card lying on it, in order "
                              "or not.");
        return;
    case TableauMoves::WholePiles:
        out << QStringLiteral("Only the top card or a whole tableau pile may be moved.");
        return;
    }
}

void addBase(const GameRecord &r, QStringList &out)
{
    if (r.baseFromDeal)
        out << QStringLiteral("One card is dealt to the first foundation; its rank is the base card of all four.");
}
} // namespace

QString countWord(int n)
{
    return n >= 0 && n < int(kCountWords.size()) ? QString::fromLatin1(kCountWords[size_t(n)]) : QString::number(n);
}

QStringList newRuleSentences(const GameRecord &record)
{
    QStringList out;
    addStock(record, out);
    addDeal(record, out);
    addCells(record, out);
    addReserve(record, out);
    addMoves(record, out);
    addBase(record, out);
    return out;
}

} // namespace cardova
