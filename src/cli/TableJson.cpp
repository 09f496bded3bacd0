#include "cli/TableJson.h"

#include "session/GameContext.h"
#include "session/cTrans.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace cardova {

QString JsonText::quote(const QString &text)
{
    // Qt writes the escapes; the brackets of the one-element array go.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.sliced(1, array.size() - 2));
}

namespace {
QString cardJson(const GameContext &ctx, int16_t id)
{
    static const char kRanks[] = "A23456789TJQK";
    static const char kSuits[] = "HSDC";
    const cCard &c = ctx.cards[size_t(id)];
    const QString text = QString(QLatin1Char(kRanks[c.Num % 13])) + QLatin1Char(kSuits[c.Suit % 4]);
    return QStringLiteral("{\"id\": %1, \"card\": \"%2\", \"up\": %3}")
        .arg(id)
        .arg(text, c.FaceMode == 0 ? QStringLiteral("true") : QStringLiteral("false"));
}

QString pileJson(const GameContext &ctx, int cell, int pile)
{
    QStringList cards;
    const int top = ctx.table.GetTop(cell, pile);
    for (int pos = 0; pos <= top; ++pos)
        cards << cardJson(ctx, ctx.table.GetPicID(cell, pile, pos));
    return QLatin1Char('[') + cards.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString pilesJson(const GameContext &ctx, int cell, int piles)
{
    QStringList list;
    for (int p = 0; p < piles; ++p)
        list << pileJson(ctx, cell, p);
    return QLatin1Char('[') + list.join(QStringLiteral(", ")) + QLatin1Char(']');
}
} // namespace

QString tableJson(const GameContext &ctx, const QString &extraFields)
{
    QStringList deck;
    for (int i = 0; i < ctx.games.TotalCards(); ++i)
        deck << QString::number(ctx.table.GetRandom(i));
    const int moves = ctx.trans ? ctx.trans->GetTransID() : 0;
    QString out = QStringLiteral("{");
    out += QStringLiteral("\"game\": ") + JsonText::quote(ctx.data.CurGName());
    out += QStringLiteral(", \"number\": ") + JsonText::quote(ctx.data.CurGNo().toText());
    out += QStringLiteral(", \"deck\": [") + deck.join(QStringLiteral(", ")) + QLatin1Char(']');
    out += QStringLiteral(", \"tableau\": ") + pilesJson(ctx, kTableau, ctx.games.Piles(kTableau));
    out += QStringLiteral(", \"stock\": ") + pileJson(ctx, kStock, 0);
    out += QStringLiteral(", \"waste\": ") + pileJson(ctx, kWaste, 0);
    out += QStringLiteral(", \"foundation\": ") + pilesJson(ctx, kFoundation, 4);
    // Only games that have them show cells and a reserve, so the table of
    // every other game reads as it always has.
    if (const int cells = ctx.games.Piles(kFreeCell); cells > 0)
        out += QStringLiteral(", \"cells\": ") + pilesJson(ctx, kFreeCell, cells);
    if (const int reserves = ctx.games.Piles(kReserve); reserves > 0)
        out += QStringLiteral(", \"reserve\": ") + pilesJson(ctx, kReserve, reserves);
    out += QStringLiteral(", \"moves\": %1").arg(moves);
    out += QStringLiteral(", \"goalCards\": %1").arg(ctx.table.TotalGoalCards());
    out += extraFields;
    out += QLatin1Char('}');
    return out;
}

} // namespace cardova
