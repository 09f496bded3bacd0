#include "TestSupport.h"

#include "session/Lifecycle.h"
#include "session/cTrans.h"

#include <QDir>
#include <QFile>

namespace cardova::test {

namespace {
const char kRanks[] = "A23456789TJQK";
const char kSuits[] = "HSDC";

int codeOf(const QString &token)
{
    const int rank = int(QByteArray(kRanks).indexOf(token.at(0).toLatin1()));
    const int suit = int(QByteArray(kSuits).indexOf(token.at(1).toLatin1()));
    return rank < 0 || suit < 0 ? -1 : suit * 13 + rank;
}

void layPile(GameContext &ctx, const QString &text, int cell, int pile, std::vector<bool> &used,
             int &nextId)
{
    int pos = 0;
    for (const QString &token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int code = codeOf(token);
        EXPECT_GE(code, 0) << token.toStdString();
        if (code < 0 || used[size_t(code)])
            continue;
        used[size_t(code)] = true;
        const int16_t id = int16_t(nextId++);
        ctx.cards[size_t(id)].SetValue(int16_t(code / 13), int16_t(code % 13), int16_t(code / 13));
        ctx.cards[size_t(id)].FaceMode = token.endsWith(QLatin1Char('*')) ? 1 : 0;
        ctx.table.PutCard(id, int16_t(cell), int16_t(pile), int16_t(pos++));
    }
}
} // namespace

void lay(GameContext &ctx, const Layout &layout)
{
    ctx.table.Clear();
    ctx.trans = std::make_unique<cTrans>(ctx); // a laid position starts a fresh log
    std::vector<bool> used(52, false);
    int nextId = 0;
    for (size_t p = 0; p < layout.tableau.size(); ++p)
        layPile(ctx, layout.tableau[p], kTableau, int(p), used, nextId);
    layPile(ctx, layout.stock, kStock, 0, used, nextId);
    layPile(ctx, layout.waste, kWaste, 0, used, nextId);
    for (size_t p = 0; p < layout.foundation.size(); ++p)
        layPile(ctx, layout.foundation[p], kFoundation, int(p), used, nextId);
    for (size_t p = 0; p < layout.cells.size(); ++p)
        layPile(ctx, layout.cells[p], kFreeCell, int(p), used, nextId);
    // The rest wait in a reserve pile that no rule looks at.
    int pos = 0;
    for (int code = 0; code < 52; ++code) {
        if (used[size_t(code)])
            continue;
        const int16_t id = int16_t(nextId++);
        ctx.cards[size_t(id)].SetValue(int16_t(code / 13), int16_t(code % 13), int16_t(code / 13));
        ctx.cards[size_t(id)].FaceMode = 1;
        ctx.table.PutCard(id, kReserve, 20, int16_t(pos++));
    }
}

namespace {
QString slotName(int cell, int pile, int pos)
{
    return QStringLiteral("(%1,%2,%3)").arg(cell).arg(pile).arg(pos);
}
} // namespace

QString tableProblems(const GameContext &ctx, bool heldOk)
{
    std::vector<int> seen(kDeckSize, 0);
    for (int cell = 0; cell < kCellCount; ++cell)
        for (int pile = 0; pile < kPilesPerArea; ++pile) {
            const int top = ctx.table.GetTop(cell, pile);
            // Slots above a pile's top are not read (the deal leaves old
            // entries there).
            for (int pos = 0; pos <= top; ++pos) {
                const int16_t id = ctx.table.GetPicID(cell, pile, pos);
                if (id < 0)
                    return QStringLiteral("empty slot %1 below its pile's top").arg(slotName(cell, pile, pos));
                ++seen[size_t(id)];
                const cCard &c = ctx.cards[size_t(id)];
                if (c.Cell != cell || c.Pile != pile || c.Pos != pos)
                    return QStringLiteral("card %1 in slot %2 thinks it is at %3")
                        .arg(id).arg(slotName(cell, pile, pos), slotName(c.Cell, c.Pile, c.Pos));
                const bool drawnThere = c.Left == ctx.table.layout().slotX(int16_t(cell), int16_t(pile), int16_t(pos)) &&
                                        c.Top == ctx.table.layout().slotY(int16_t(cell), int16_t(pile), int16_t(pos));
                // A face-down card keeps the place it was dealt to; a face-up
                // one lies where its slot is now.
                if (c.FaceMode == 0 && !drawnThere && !(heldOk && ctx.input.Dragging))
                    return QStringLiteral("card %1 is drawn away from its slot %2").arg(id).arg(slotName(cell, pile, pos));
            }
        }
    for (int id = 0; id < kDeckSize; ++id)
        if (ctx.cards[size_t(id)].Visible && seen[size_t(id)] != 1)
            return QStringLiteral("card %1 lies in %2 slots").arg(id).arg(seen[size_t(id)]);
    return {};
}

int16_t topId(const GameContext &ctx, int cell, int pile)
{
    return ctx.table.GetTop(cell, pile) < 0 ? int16_t(-1) : ctx.table.GetTopPicID(cell, pile);
}

int16_t idOf(const GameContext &ctx, const QString &cardText)
{
    const int code = codeOf(cardText);
    for (int i = 0; i < 52; ++i)
        if (ctx.cards[size_t(i)].Suit * 13 + ctx.cards[size_t(i)].Num == code)
            return int16_t(i);
    return -1;
}

QString pileText(const GameContext &ctx, int cell, int pile)
{
    QString s;
    for (int pos = 0; pos <= ctx.table.GetTop(cell, pile); ++pos) {
        const cCard &c = ctx.cards[size_t(ctx.table.GetPicID(cell, pile, pos))];
        if (!s.isEmpty())
            s += QLatin1Char(' ');
        s += QLatin1Char(kRanks[c.Num]);
        s += QLatin1Char(kSuits[c.Suit]);
        if (c.FaceMode == 1)
            s += QLatin1Char('*');
    }
    return s;
}

QStringList tableauText(const GameContext &ctx)
{
    QStringList piles;
    for (int p = 0; p < ctx.games.Piles(kTableau); ++p)
        piles << pileText(ctx, kTableau, p);
    return piles;
}

void ContextFixture::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    ctx = reopen();
}

void ContextFixture::TearDown() { ctx.reset(); }

std::unique_ptr<GameContext> ContextFixture::reopen()
{
    auto data = std::make_unique<cData>(settingsPath(), dataDir());
    data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
    auto c = std::make_unique<GameContext>(std::move(data));
    c->setSurface(&surface);
    c->setSoundPlayer(&sound);
    c->setWinHandler(&win);
    InitMain(*c);
    return c;
}

void ContextFixture::writeFile(const QString &name, const QByteArray &content)
{
    QDir().mkpath(dataDir());
    QFile f(dataDir() + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

void ContextFixture::start(const QString &game, double number)
{
    const QString problem = NewGame(*ctx, game, GameNumber::fromNumber(number));
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
}

} // namespace cardova::test
