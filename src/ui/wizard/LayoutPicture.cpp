#include "ui/wizard/LayoutPicture.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace cardova::ui {

namespace {
// Space around the table, in table units.
constexpr int kMargin = 240;
// A face's rank fits above the next card of a fanned pile; smaller than
// kRankMinPixels on screen, the face shows the colour of its suit only.
constexpr int kRankHeight = 190;
constexpr double kRankMinPixels = 7.0;
const QColor kTable(0x1e, 0x5c, 0x34);
const QColor kPlaceLine(0xb8, 0xd8, 0xbf);
const QColor kBack(0x2a, 0x4f, 0x9c);
const QColor kRed(0xc0, 0x1c, 0x28);
const QColor kBlack(0x20, 0x20, 0x20);
const char kRanks[] = "A23456789TJQK";

// The face-down cards of the previewed deal's tableau piles, which decide
// how close a pile's cards lie.
class DealtPiles : public ClosedCardCount {
public:
    explicit DealtPiles(const Position *dealt) : dealt_(dealt) {}
    int16_t ClosedCards(int16_t pile) const override
    {
        int closed = 0;
        if (dealt_ && pile >= 0 && pile < dealt_->tableauPiles)
            for (int pos = 0; pos < dealt_->size(pile); ++pos)
                closed += isFaceDown(dealt_->at(pile, pos)) ? 1 : 0;
        return int16_t(closed);
    }
    int16_t PileCards(int16_t pile) const override
    {
        return dealt_ && pile >= 0 && pile < dealt_->tableauPiles ? int16_t(dealt_->size(pile)) : int16_t(0);
    }
    int16_t WasteCards() const override { return dealt_ ? int16_t(dealt_->size(PileIndex::kWaste)) : int16_t(0); }

private:
    const Position *dealt_;
};

// The position's pile of table area `cell`, or -1 when it has none.
int positionPile(const Position &p, int cell, int pile)
{
    switch (cell) {
    case kTableau: return pile < p.tableauPiles ? PileIndex::tableau(pile) : -1;
    case kStock: return PileIndex::kStock;
    case kWaste: return PileIndex::kWaste;
    case kFoundation: return pile < kFoundationPiles ? PileIndex::foundation(pile) : -1;
    case kReserve: return pile < p.reservePiles ? PileIndex::reserve(pile) : -1;
    case kFreeCell: return pile < p.cellPiles ? PileIndex::cell(pile) : -1;
    }
    return -1;
}
} // namespace

LayoutPicture::LayoutPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picLayout"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize LayoutPicture::sizeHint() const { return {320, 240}; }

QSize LayoutPicture::minimumSizeHint() const { return {200, 150}; }

void LayoutPicture::showTable(const cGames &layout, const Position *dealt)
{
    cGames games = layout;
    const DealtPiles piles(dealt);
    games.attachTable(&piles);
    items_.clear();
    addArea(games, dealt, kStock, games.Piles(kStock) > 0 ? 1 : 0);
    addArea(games, dealt, kWaste, games.Piles(kWaste) > 0 ? 1 : 0);
    addArea(games, dealt, kFreeCell, games.Piles(kFreeCell));
    addArea(games, dealt, kFoundation, games.Piles(kFoundation));
    addArea(games, dealt, kReserve, games.Piles(kReserve));
    addArea(games, dealt, kTableau, games.Piles(kTableau));
    bounds_ = QRect();
    for (const Item &item : items_)
        bounds_ = bounds_.united(item.box);
    bounds_.adjust(-kMargin, -kMargin, kMargin, kMargin);
    update();
}

void LayoutPicture::addArea(const cGames &games, const Position *dealt, int cell, int piles)
{
    const QSize card(kCardWidth, kCardHeight);
    for (int pile = 0; pile < piles; ++pile) {
        const QPoint base(games.GetCordX(cell, pile, 0), games.PileBaseY(cell, pile));
        items_.append({QRect(base, card), cell == kFreeCell ? Shape::Cell : Shape::Place});
        const int index = dealt ? positionPile(*dealt, cell, pile) : -1;
        if (index < 0)
            continue;
        for (int pos = 0; pos < dealt->size(index); ++pos) {
            const CardCode code = dealt->at(index, pos);
            const QPoint at(games.GetCordX(cell, pile, pos), games.GetCordY(cell, pile, pos));
            items_.append({QRect(at, card), isFaceDown(code) ? Shape::Back : Shape::Face, code});
        }
    }
}

void LayoutPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTable);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    if (bounds_.isEmpty())
        return;
    const double zoom = std::min(width() / double(bounds_.width()), height() / double(bounds_.height()));
    painter.translate((width() - bounds_.width() * zoom) / 2.0, (height() - bounds_.height() * zoom) / 2.0);
    painter.scale(zoom, zoom);
    painter.translate(-bounds_.left(), -bounds_.top());
    const double corner = kCardWidth / 10.0;
    const double line = 1.0 / zoom; // one pixel whatever the zoom
    QFont rankFont = font();
    rankFont.setPixelSize(kRankHeight);
    rankFont.setBold(true);
    painter.setFont(rankFont);

    for (const Item &item : items_) {
        switch (item.shape) {
        case Shape::Place:
            painter.setPen(QPen(kPlaceLine, line));
            painter.setBrush(Qt::NoBrush);
            break;
        case Shape::Cell:
            painter.setPen(QPen(kPlaceLine, line, Qt::DashLine));
            painter.setBrush(QColor(255, 255, 255, 28));
            break;
        case Shape::Back:
            painter.setPen(QPen(Qt::white, line));
            painter.setBrush(kBack);
            break;
        case Shape::Face:
            painter.setPen(QPen(Qt::gray, line));
            painter.setBrush(Qt::white);
            break;
        }
        painter.drawRoundedRect(QRectF(item.box), corner, corner);
        if (item.shape != Shape::Face)
            continue;
        // The colour of the suit in the corner, and the rank where it fits.
        const QColor suit = isRed(item.card) ? kRed : kBlack;
        if (kRankHeight * zoom >= kRankMinPixels) {
            painter.setPen(suit);
            painter.drawText(QRectF(item.box).adjusted(corner, corner * 0.3, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                             QString(QLatin1Char(kRanks[rankOf(item.card)])));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(suit);
            painter.drawRect(QRectF(item.box.left() + corner, item.box.top() + corner, kCardWidth * 0.3,
                                    kCardHeight * 0.12));
        }
    }
}

} // namespace cardova::ui
