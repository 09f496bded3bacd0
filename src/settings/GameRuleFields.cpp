#include "settings/GameRuleFields.h"

#include <array>

namespace cardova {

namespace {
const std::array<const char *, kDealPatternCount> kDealWords = {"staircase", "open", "yukon", "rows"};
const std::array<const char *, kTableauMovesCount> kMoveWords = {"single", "runs", "freecell", "any", "piles"};
const char kUnlimited[] = "unlimited";

template <size_t N>
int wordIndex(const std::array<const char *, N> &words, const QByteArray &value)
{
    for (size_t i = 0; i < N; ++i)
        if (value == words[i])
            return int(i);
    return -1;
}

bool readCount(const QByteArray &value, int16_t *out)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!ok || v < 0 || v > 99)
        return false;
    *out = int16_t(v);
    return true;
}

bool readSwitch(const QByteArray &value, bool *out)
{
    if (value != "0" && value != "1")
        return false;
    *out = value == "1";
    return true;
}

bool applyValue(const QByteArray &name, const QByteArray &value, GameRecord *r)
{
    if (name == "draw")
        return readCount(value, &r->draw);
    if (name == "redeals") {
        if (value == kUnlimited) {
            r->redeals = kUnlimitedRedeals;
            return true;
        }
        return readCount(value, &r->redeals);
    }
    if (name == "stock") {
        if (value != "none" && value != "waste")
            return false;
        r->stock = value != "none";
        return true;
    }
    if (name == "deal") {
        const int i = wordIndex(kDealWords, value);
        r->deal = DealPattern(i < 0 ? 0 : i);
        return i >= 0;
    }
    if (name == "rows")
        return readCount(value, &r->rowCards);
    if (name == "cells")
        return readCount(value, &r->cells);
    if (name == "celldeal")
        return readCount(value, &r->cellCards);
    if (name == "reserve")
        return readCount(value, &r->reserveCards);
    if (name == "reservefill")
        return readSwitch(value, &r->reserveFills);
    if (name == "moves") {
        const int i = wordIndex(kMoveWords, value);
        r->moves = TableauMoves(i < 0 ? 1 : i);
        return i >= 0;
    }
    if (name == "base") {
        r->baseFromDeal = value == "dealt";
        return r->baseFromDeal || value == "fixed";
    }
    return false;
}

void addField(QByteArray &out, const char *name, const QByteArray &value)
{
    out += ',';
    out += name;
    out += '=';
    out += value;
}
} // namespace

QString applyRuleField(const QByteArray &field, GameRecord *record)
{
    const qsizetype eq = field.indexOf('=');
    const QByteArray name = field.left(eq < 0 ? 0 : eq).trimmed();
    const QByteArray value = field.mid(eq + 1).trimmed();
    if (eq <= 0 || !applyValue(name, value, record))
        return QStringLiteral("the game file holds the rule \"%1\", which this version cannot play")
            .arg(QString::fromUtf8(field.left(40)));
    return {};
}

QByteArray ruleFieldsText(const GameRecord &r)
{
    const GameRecord plain{r.gOrder, r.gBase, r.gCards, r.hOrder, r.hSpace, r.hPiles, r.hAk, r.hMulti};
    QByteArray out;
    if (!r.stock)
        addField(out, "stock", "none");
    if (r.draw != plain.draw)
        addField(out, "draw", QByteArray::number(r.draw));
    if (r.redeals != plain.redeals)
        addField(out, "redeals", r.redeals == kUnlimitedRedeals ? QByteArray(kUnlimited) : QByteArray::number(r.redeals));
    if (r.deal != plain.deal)
        addField(out, "deal", kDealWords[size_t(r.deal)]);
    if (r.rowCards != plain.rowCards)
        addField(out, "rows", QByteArray::number(r.rowCards));
    if (r.cells != plain.cells)
        addField(out, "cells", QByteArray::number(r.cells));
    if (r.cellCards != plain.cellCards)
        addField(out, "celldeal", QByteArray::number(r.cellCards));
    if (r.reserveCards != plain.reserveCards)
        addField(out, "reserve", QByteArray::number(r.reserveCards));
    if (r.reserveFills != plain.reserveFills)
        addField(out, "reservefill", "1");
    if (r.moves != plain.moves)
        addField(out, "moves", kMoveWords[size_t(r.moves)]);
    if (r.baseFromDeal)
        addField(out, "base", "dealt");
    return out;
}

} // namespace cardova
