#include "ui/appearance/HelpPages.h"

#include "rules/RuleCodes.h"
#include "rules/RuleSentences.h"
#include "rules/StandardGames.h"
#include "settings/cData.h"

namespace cardova::ui {

const QString kGameScheme = QStringLiteral("cardova-game");

namespace {
const char *const kStandardPages[kStandardGameCount] = {"klondike.html", "klondike-plus.html", "lawn.html"};
struct ClassicPage {
    const char *game;
    const char *page;
};
const ClassicPage kClassicPages[] = {
    {"Klondike by Threes", "klondike-by-threes.html"}, {"Thoughtful", "thoughtful.html"},
    {"Canfield", "canfield.html"},                     {"FreeCell", "freecell.html"},
    {"Baker's Game", "bakers-game.html"},              {"Eight Off", "eight-off.html"},
    {"Seahaven Towers", "seahaven-towers.html"},       {"Yukon", "yukon.html"},
    {"Russian Solitaire", "russian-solitaire.html"},   {"Beleaguered Castle", "beleaguered-castle.html"},
    {"Streets and Alleys", "streets-and-alleys.html"},
};
const QString kHelpFolder = QStringLiteral("qrc:/help/");
// Letters, digits, "-" and "_" only: safe anywhere in an address.
constexpr auto kNameEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QString page(const QString &title, const QString &body)
{
    return QStringLiteral("<html><head><title>%1</title>"
                          "<link rel=\"stylesheet\" type=\"text/css\" href=\"qrc:/help/style.css\"></head>"
                          "<body><h1>%1</h1>%2"
                          "<p><a href=\"qrc:/help/playing.html\">How to play</a> &middot; "
                          "<a href=\"qrc:/help/designing.html\">Designing your own games</a> &middot; "
                          "<a href=\"qrc:/help/contents.html\">Contents</a></p></body></html>")
        .arg(title.toHtmlEscaped(), body);
}

QString row(const QString &label, const QString &value)
{
    return QStringLiteral("<tr><td>%1 : </td><td><b>%2</b></td></tr>").arg(label, value.toHtmlEscaped());
}

// A sentence on the empty tableau pile, in plain words.
QString spaceSentence(int hSpace)
{
    if (hSpace == kAnyRank)
        return QStringLiteral("Any card may be placed in an empty tableau pile.");
    return QStringLiteral("Only a card of rank %1 may be placed in an empty tableau pile.").arg(SpaceCardText(hSpace));
}

QString foundationSentence(const GameRecord &r)
{
    const QString order = OrderText(r.gOrder).toHtmlEscaped();
    if (r.gBase == kRandomBase)
        return QStringLiteral("The base card of the foundations is chosen at random; they are built in the "
                              "order \"%1\".").arg(order);
    return QStringLiteral("Each foundation starts with a card of rank %1 and is built in the order \"%2\".")
        .arg(BaseCardText(r.gBase), order);
}
// The opening paragraph: how the cards are laid out and turned. A game of
// the eight values alone reads as it always has; any other lists its own
// rules, one sentence each.
QString introHtml(const GameRecord &r)
{
    const QStringList more = newRuleSentences(r);
    if (more.isEmpty())
        return QStringLiteral("<p>A game designed in the game wizard. Its %1 tableau piles are dealt as a staircase; "
                              "the remaining cards form the stock, which is turned onto the waste one card at a "
                              "time and may be turned back as often as you like.</p>")
            .arg(r.hPiles);
    QString items;
    for (const QString &sentence : more)
        items += QStringLiteral("<li>%1</li>").arg(sentence.toHtmlEscaped());
    return QStringLiteral("<p>A game designed in the game wizard, with %1 tableau piles and rules of its own:</p>"
                          "<ul>%2</ul>")
        .arg(QString::number(r.hPiles), items);
}
} // namespace

QUrl contentsUrl() { return QUrl(QStringLiteral("qrc:/help/contents.html")); }

int helpTopic(const cData &data, const QString &gName) { return data.GetGameID(gName); }

QUrl topicUrl(int topic, const QString &gName)
{
    if (topic >= 1 && topic <= kStandardGameCount)
        return QUrl(kHelpFolder + QLatin1String(kStandardPages[topic - 1]));
    if (topic > kStandardGameCount && !gName.isEmpty()) {
        // The name travels encoded: as a path, "//" would make it an
        // address of another host and "#", "?" or "%" would cut or change it.
        QUrl url;
        url.setScheme(kGameScheme);
        url.setPath(QString::fromLatin1(gName.toUtf8().toBase64(kNameEncoding)));
        return url;
    }
    return contentsUrl();
}

QString gameOfUrl(const QUrl &url)
{
    if (url.scheme() != kGameScheme)
        return {};
    const auto decoded = QByteArray::fromBase64Encoding(url.path().toLatin1(), kNameEncoding);
    return decoded ? QString::fromUtf8(*decoded) : QString();
}

QUrl classicPageUrl(const QString &gName)
{
    for (const ClassicPage &c : kClassicPages)
        if (gName == QLatin1String(c.game))
            return QUrl(kHelpFolder + QLatin1String(c.page));
    return {};
}

QString customRulesHtml(const QString &gName, const GameRecord &r)
{
    const QString foundation =
        row(QStringLiteral("Card Arranging Order"), OrderText(r.gOrder)) +
        row(QStringLiteral("Base Card"), BaseCardText(r.gBase)) +
        row(QStringLiteral("Initial Cards"), QString::number(r.gCards));
    const QString tableau =
        row(QStringLiteral("No. of Piles"), QString::number(r.hPiles)) +
        row(QStringLiteral("Card Arranging Order"), OrderText(r.hOrder)) +
        row(QStringLiteral("Space Filling Card"), SpaceCardText(r.hSpace)) +
        row(QStringLiteral("Ace-King Wrapping"), BoolText(r.hAk)) +
        row(QStringLiteral("Multi Card Move"), BoolText(r.hMulti));
    const QString body = QStringLiteral("%1<h2>Foundation</h2><table>%2</table>"
                                        "<p>%3</p>"
                                        "<h2>Tableau</h2><table>%4</table><p>%5</p>"
                                        "<h2>Can it be won?</h2><p>The solver tells you in the menu bar whether the "
                                        "game on the table can still be won: it plays by these rules, knows the "
                                        "face-down cards, and with automatic play on it counts the cards that go "
                                        "home by themselves, so a deal that could be won by hand may be lost. "
                                        "<a href=\"qrc:/help/winnable.html\">More about the answer</a>.</p>")
                             .arg(introHtml(r), foundation, foundationSentence(r), tableau, spaceSentence(r.hSpace));
    return page(gName, body);
}

QString unreadableGameHtml(const QString &gName, const QString &problem)
{
    return page(gName, QStringLiteral("<p>The rules of this game cannot be shown.</p><p class=\"note\">%1</p>")
                           .arg(problem.toHtmlEscaped()));
}

} // namespace cardova::ui
