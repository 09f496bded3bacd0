#include "session/SavedGameFormat.h"

#include "session/SavedGameReaders.h"

namespace cardova {

using namespace savedgame;

namespace {
const QByteArray kMagic = "CardovaSavedGame";
constexpr int kFirstVersion = 1;
constexpr int kChunkedVersion = 2; // chunks, but no player and no record

// A text that fits on one line of the file.
bool oneLine(const QString &text)
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

QByteArray stateLine(const SavedGame &g)
{
    QByteArray line = "state";
    for (long long v : {(long long)g.elapsed, (long long)g.score, (long long)g.autoplay,
                        (long long)(g.autoplaySuppressed ? 1 : 0), (long long)g.transPos,
                        (long long)g.records.size()})
        line += ' ' + QByteArray::number(v);
    return line + ' ' + hashText(g.tableHash);
}
} // namespace

namespace savedgame {
std::nullopt_t refuse(QString *why, const char *reason)
{
    if (why)
        *why = QString::fromLatin1(reason);
    return std::nullopt;
}
} // namespace savedgame

QByteArray savedGameChunk(const SavedGame &g, size_t from)
{
    QByteArray body;
    for (size_t i = from; i < g.records.size(); ++i)
        body += recordLine(g.records[i]) + '\n';
    body += stateLine(g);
    ChunkCheck check;
    check.add(body);
    return body + ' ' + hashText(check.value()) + '\n';
}

QByteArray savedGameText(const SavedGame &g)
{
    if (g.gameName.isEmpty() || !oneLine(g.gameName) || !oneLine(g.gameNumber) || !g.player ||
        !oneLine(*g.player) || !g.record)
        return {};
    QByteArray out = kMagic + ' ' + QByteArray::number(kSavedGameVersion) + '\n';
    out += "game " + g.gameName.toUtf8() + '\n';
    out += "number " + g.gameNumber.toUtf8() + '\n';
    out += "player " + g.player->toUtf8() + '\n';
    out += rulesLine(*g.record) + '\n';
    return out + savedGameChunk(g, 0);
}

std::optional<SavedGame> parseSavedGame(const QByteArray &text, QString *why)
{
    Lines in(text);
    const auto head = in.words(kMagic.constData(), 1);
    if (!head)
        return refuse(why, "it is not a saved game");
    if (head->at(0) == QByteArray::number(kSavedGameVersion))
        return readVersion3(in, why);
    if (head->at(0) == QByteArray::number(kChunkedVersion))
        return readVersion2(in, why);
    if (head->at(0) == QByteArray::number(kFirstVersion))
        return readVersion1(in, why);
    return refuse(why, "it was written by another version of the program");
}

} // namespace cardova
