#include "ui/windows/TableAccessible.h"

#include "session/CardNames.h"
#include "session/GameContext.h"
#include "ui/windows/TableView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QStringList>
#include <QWindow>
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace cardova::ui {

namespace {

AccessibleEventSink gSink = &QAccessible::updateAccessibility;

void send(QAccessibleEvent &event) { gSink(&event); }

const QString kAnnouncerName = QStringLiteral("tableAnnouncer");

struct PileKey {
    int cell = kTableau;
    int pile = 0;
    bool operator==(const PileKey &) const = default;
};

// Where a card lay when the table last came to rest.
struct CardPlace {
    bool visible = false;
    int cell = 0;
    int pile = 0;
    int pos = 0;
    bool faceUp = false;
    int64_t z = 0;
};
using Snapshot = std::array<CardPlace, kDeckSize>;

// Keeps what the accessible objects read from the table, and tells what
// each action changed.
class TableAnnouncer : public QObject {
public:
    TableAnnouncer(TableView &view, GameContext &ctx) : QObject(&view), view_(view), ctx_(ctx)
    {
        setObjectName(kAnnouncerName);
        before_ = snapshot();
        connect(&view, &TableView::settled, this, [this] { settled(); });
    }

    TableView &view() const { return view_; }
    const GameContext &ctx() const { return ctx_; }
    const QString &news() const { return news_; }

    std::vector<PileKey> piles() const
    {
        std::vector<PileKey> keys;
        if (ctx_.phase == GamePhase::NoGame)
            return keys;
        keys.push_back({kStock, 0});
        keys.push_back({kWaste, 0});
        for (int g = 0; g < kFoundationPiles; ++g)
            keys.push_back({kFoundation, g});
        for (int b = 0; b < ctx_.games.Piles(kTableau); ++b)
            keys.push_back({kTableau, b});
        for (int r = 0; r < ctx_.games.Piles(kReserve); ++r)
            keys.push_back({kReserve, r});
        return keys;
    }

    bool hasPile(const PileKey &key) const
    {
        const auto all = piles();
        return std::find(all.begin(), all.end(), key) != all.end();
    }

    // The face-up cards of a pile that show: the top one and every one the
    // next card leaves uncovered (a fanned run).
    std::vector<int16_t> seenCards(const PileKey &key) const
    {
        std::vector<int16_t> seen;
        const int top = ctx_.table.GetTop(key.cell, key.pile);
        for (int pos = 0; pos <= top; ++pos) {
            const int16_t id = ctx_.table.GetPicID(key.cell, key.pile, pos);
            if (id < 0 || !isSeen(id))
                continue;
            seen.push_back(id);
        }
        return seen;
    }

    bool isSeen(int16_t id) const
    {
        const cCard &c = ctx_.cards[size_t(id)];
        if (!c.Visible || c.FaceMode != kFaceUp)
            return false;
        const int16_t next = ctx_.table.GetPicID(c.Cell, c.Pile, c.Pos + 1);
        if (c.Pos >= ctx_.table.GetTop(c.Cell, c.Pile) || next < 0)
            return true;
        const cCard &n = ctx_.cards[size_t(next)];
        return n.Left != c.Left || n.Top != c.Top;
    }

    QRect cardRect(int16_t id) const
    {
        const cCard &c = ctx_.cards[size_t(id)];
        return globalRect(c.Left, c.Top);
    }

    QRect pileRect(const PileKey &key) const
    {
        QRect r = globalRect(ctx_.games.GetCordX(key.cell, key.pile, 0), ctx_.games.PileBaseY(key.cell, key.pile));
        const int top = ctx_.table.GetTop(key.cell, key.pile);
        for (int pos = 0; pos <= top; ++pos)
            if (const int16_t id = ctx_.table.GetPicID(key.cell, key.pile, pos); id >= 0)
                r = r.united(cardRect(id));
        return r;
    }

    // The card the keyboard cursor stands on, when it can be seen, or -1;
    // and the pile it stands on.
    int16_t cursorCard() const
    {
        if (!view_.keyboard().visible())
            return -1;
        const int16_t id = view_.keyboard().cardUnderCursor();
        return id >= 0 && isSeen(id) ? id : int16_t(-1);
    }
    std::optional<PileKey> cursorPile() const
    {
        const KeyboardPlay &keys = view_.keyboard();
        if (!keys.visible() || ctx_.phase == GamePhase::NoGame)
            return std::nullopt;
        const KeyboardPlay::Cursor c = keys.cursor();
        return PileKey{cellOf(c.spot), c.pile};
    }

    void tell(const QString &text);

private:
    QRect globalRect(double left, double top) const
    {
        const QPointF a = view_.toWidget(left, top);
        const QPointF b = view_.toWidget(left + kCardWidth, top + kCardHeight);
        return QRect(view_.mapToGlobal(a.toPoint()), view_.mapToGlobal(b.toPoint()) - QPoint(1, 1));
    }

    Snapshot snapshot() const
    {
        Snapshot s;
        for (int i = 0; i < kDeckSize; ++i) {
            const cCard &c = ctx_.cards[size_t(i)];
            s[size_t(i)] = {c.Visible, c.Cell, c.Pile, c.Pos, c.FaceMode == kFaceUp, c.Z};
        }
        return s;
    }

    void settled()
    {
        const Snapshot now = snapshot();
        const QString text = changes(before_, now);
        before_ = now;
        if (!text.isEmpty())
            tell(text);
    }

    QString changes(const Snapshot &before, const Snapshot &now) const;

    TableView &view_;
    GameContext &ctx_;
    Snapshot before_;
    QString news_;
};

// "Seven of Hearts to pile 3, Four of Clubs and 2 more to Waste, 24 cards
// to Stock, Two of Spades turned face up": the cards that changed pile, in
// the order they moved, then the ones turned over in place. A deal or a
// cleared table is no move and says nothing here.
QString TableAnnouncer::changes(const Snapshot &before, const Snapshot &now) const
{
    struct Group {
        PileKey from, to;
        std::vector<int> cards;
        int64_t z = 0;
    };
    std::vector<Group> groups;
    QStringList turned;
    for (int i = 0; i < kDeckSize; ++i) {
        const CardPlace &b = before[size_t(i)];
        const CardPlace &n = now[size_t(i)];
        if (b.visible != n.visible)
            return {};
        if (!n.visible)
            continue;
        if (b.cell == n.cell && b.pile == n.pile) {
            if (b.faceUp != n.faceUp)
                turned << cardName(ctx_.cards[size_t(i)]) +
                              (n.faceUp ? QStringLiteral(" turned face up") : QStringLiteral(" turned face down"));
            continue;
        }
        const PileKey from{b.cell, b.pile}, to{n.cell, n.pile};
        auto g = std::find_if(groups.begin(), groups.end(), [&](const Group &x) { return x.from == from && x.to == to; });
        if (g == groups.end())
            g = groups.insert(groups.end(), Group{from, to, {}, 0});
        g->cards.push_back(i);
        g->z = std::max(g->z, n.z);
    }
    std::sort(groups.begin(), groups.end(), [](const Group &a, const Group &b) { return a.z < b.z; });
    QStringList phrases;
    for (Group &g : groups) {
        std::sort(g.cards.begin(), g.cards.end(), [&now](int a, int b) { return now[size_t(a)].pos < now[size_t(b)].pos; });
        const int first = g.cards.front();
        const int more = int(g.cards.size()) - 1;
        const QString place = pileName(g.to.cell, g.to.pile);
        const QString name = cardName(ctx_.cards[size_t(first)]);
        if (more == 0)
            phrases << QStringLiteral("%1 to %2").arg(name, place);
        else if (now[size_t(first)].faceUp)
            phrases << QStringLiteral("%1 and %2 more to %3").arg(name).arg(more).arg(place);
        else
            phrases << QStringLiteral("%1 cards to %2").arg(more + 1).arg(place);
    }
    phrases << turned;
    return phrases.join(QStringLiteral(", "));
}

TableAnnouncer *announcerOf(const QWidget *view)
{
    return view ? static_cast<TableAnnouncer *>(view->findChild<QObject *>(kAnnouncerName, Qt::FindDirectChildrenOnly))
                : nullptr;
}

class TableAccessible;

// What every accessible part of the table shares: the table it lies on.
class TablePart : public QAccessibleInterface {
public:
    explicit TablePart(TableView *view) : view_(view) {}
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

protected:
    TableAnnouncer *announcer() const { return announcerOf(view_); }
    TableAccessible *table() const;
    QPointer<TableView> view_;
};

class CardPart : public TablePart {
public:
    CardPart(TableView *view, int16_t id) : TablePart(view), id_(id) {}
    int16_t id() const { return id_; }
    bool isValid() const override
    {
        const TableAnnouncer *a = announcer();
        return a && a->ctx().phase != GamePhase::NoGame && a->isSeen(id_);
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        const TableAnnouncer *a = announcer();
        if (!a)
            return {};
        const cCard &c = a->ctx().cards[size_t(id_)];
        switch (t) {
        case QAccessible::Name: return cardName(c);
        case QAccessible::Description: return pileName(c.Cell, c.Pile);
        default: return {};
        }
    }
    QRect rect() const override
    {
        const TableAnnouncer *a = announcer();
        return a ? a->cardRect(id_) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        const TableAnnouncer *a = announcer();
        s.focused = a && a->cursorCard() == id_ && view_->hasFocus();
        return s;
    }

private:
    int16_t id_;
};

class PilePart : public TablePart {
public:
    PilePart(TableView *view, PileKey key) : TablePart(view), key_(key) {}
    PileKey key() const { return key_; }
    bool isValid() const override
    {
        const TableAnnouncer *a = announcer();
        return a && a->hasPile(key_);
    }
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface *child(int index) const override;
    int childCount() const override
    {
        const TableAnnouncer *a = announcer();
        return a ? int(a->seenCards(key_).size()) : 0;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *card = dynamic_cast<const CardPart *>(child);
        const TableAnnouncer *a = announcer();
        if (!card || !a)
            return -1;
        const auto seen = a->seenCards(key_);
        const auto it = std::find(seen.begin(), seen.end(), card->id());
        return it == seen.end() ? -1 : int(it - seen.begin());
    }
    QString text(QAccessible::Text t) const override
    {
        const TableAnnouncer *a = announcer();
        if (!a)
            return {};
        if (t == QAccessible::Name)
            return pileName(key_.cell, key_.pile);
        if (t != QAccessible::Description)
            return {};
        const int cards = a->ctx().table.GetTop(key_.cell, key_.pile) + 1;
        if (cards <= 0)
            return QStringLiteral("empty");
        return cards == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(cards);
    }
    QRect rect() const override
    {
        const TableAnnouncer *a = announcer();
        return a ? a->pileRect(key_) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        const TableAnnouncer *a = announcer();
        s.focused = a && a->cursorCard() < 0 && a->cursorPile() == key_ && view_->hasFocus();
        return s;
    }

private:
    PileKey key_;
};

// The last thing the table told: what the last action changed.
class StatusPart : public TablePart {
public:
    using TablePart::TablePart;
    bool isValid() const override { return announcer() != nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        const TableAnnouncer *a = announcer();
        return a && t == QAccessible::Name ? a->news() : QString();
    }
    QRect rect() const override { return view_ ? QRect(view_->mapToGlobal(QPoint()), view_->size()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
};

// The table view: its piles in the order the keyboard walks them (stock,
// waste, foundations, tableau, then any reserve), then the status.
class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableView *view) : QAccessibleWidget(view, QAccessible::Client), view_(view) {}
    ~TableAccessible() override
    {
        for (const auto &[key, id] : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        const TableAnnouncer *a = announcerOf(view_);
        return a ? int(a->piles().size()) + 1 : 0;
    }
    QAccessibleInterface *child(int index) const override
    {
        const TableAnnouncer *a = announcerOf(view_);
        if (!a || index < 0)
            return nullptr;
        const auto piles = a->piles();
        if (index < int(piles.size()))
            return pile(piles[size_t(index)]);
        return index == int(piles.size()) ? status() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const TableAnnouncer *a = announcerOf(view_);
        if (!a || !child)
            return -1;
        const auto piles = a->piles();
        if (const auto *p = dynamic_cast<const PilePart *>(child)) {
            const auto it = std::find(piles.begin(), piles.end(), p->key());
            return it == piles.end() ? -1 : int(it - piles.begin());
        }
        return dynamic_cast<const StatusPart *>(child) ? int(piles.size()) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const TableAnnouncer *a = announcerOf(view_);
        if (!a)
            return nullptr;
        for (const PileKey &key : a->piles())
            if (a->pileRect(key).contains(x, y))
                return pile(key);
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        const TableAnnouncer *a = announcerOf(view_);
        if (!a)
            return nullptr;
        if (const int16_t id = a->cursorCard(); id >= 0)
            return card(id);
        const auto key = a->cursorPile();
        return key ? pile(*key) : nullptr;
    }

    QAccessibleInterface *pile(const PileKey &key) const
    {
        return part(key.cell * kCellKeys + key.pile, [&] { return new PilePart(view_, key); });
    }
    QAccessibleInterface *card(int16_t id) const
    {
        return part(kCardKeys + id, [&] { return new CardPart(view_, id); });
    }
    QAccessibleInterface *status() const
    {
        return part(kStatusKey, [&] { return new StatusPart(view_); });
    }

private:
    // Keys of the parts: piles by area and number, cards by their id.
    static constexpr int kCellKeys = 32;
    static constexpr int kCardKeys = 1000;
    static constexpr int kStatusKey = 2000;

    // Each part is made once and kept in Qt's cache until the table goes.
    template <typename Make>
    QAccessibleInterface *part(int key, Make make) const
    {
        if (const auto it = ids_.find(key); it != ids_.end())
            if (QAccessibleInterface *known = QAccessible::accessibleInterface(it->second))
                return known;
        QAccessibleInterface *made = make();
        ids_[key] = QAccessible::registerAccessibleInterface(made);
        return made;
    }

    QPointer<TableView> view_;
    mutable std::map<int, QAccessible::Id> ids_;
};

TableAccessible *TablePart::table() const
{
    return dynamic_cast<TableAccessible *>(QAccessible::queryAccessibleInterface(view_));
}

QAccessibleInterface *CardPart::parent() const
{
    const TableAnnouncer *a = announcer();
    TableAccessible *t = table();
    if (!a || !t)
        return nullptr;
    const cCard &c = a->ctx().cards[size_t(id_)];
    return t->pile({c.Cell, c.Pile});
}

QAccessibleInterface *PilePart::child(int index) const
{
    const TableAnnouncer *a = announcer();
    TableAccessible *t = table();
    if (!a || !t || index < 0)
        return nullptr;
    const auto seen = a->seenCards(key_);
    return index < int(seen.size()) ? t->card(seen[size_t(index)]) : nullptr;
}

QAccessibleInterface *PilePart::childAt(int x, int y) const
{
    const TableAnnouncer *a = announcer();
    TableAccessible *t = table();
    if (!a || !t)
        return nullptr;
    const auto seen = a->seenCards(key_);
    for (auto it = seen.rbegin(); it != seen.rend(); ++it)
        if (a->cardRect(*it).contains(x, y))
            return t->card(*it);
    return nullptr;
}

void TableAnnouncer::tell(const QString &text)
{
    news_ = text;
    auto *table = dynamic_cast<TableAccessible *>(QAccessible::queryAccessibleInterface(&view_));
    if (!table)
        return;
    QAccessibleEvent told(table->status(), QAccessible::NameChanged);
    send(told);
}

QAccessibleInterface *tableFactory(const QString &, QObject *object)
{
    if (auto *view = qobject_cast<TableView *>(object))
        return new TableAccessible(view);
    return nullptr;
}

} // namespace

void attachTableAccessibility(TableView &view, GameContext &ctx)
{
    QAccessible::installFactory(tableFactory);
    new TableAnnouncer(view, ctx);
}

void announceKeyboardCursor(TableView &view)
{
    auto *table = dynamic_cast<TableAccessible *>(QAccessible::queryAccessibleInterface(&view));
    if (!table)
        return;
    if (QAccessibleInterface *target = table->focusChild()) {
        QAccessibleEvent focus(target, QAccessible::Focus);
        send(focus);
    }
}

AccessibleEventSink setAccessibleEventSink(AccessibleEventSink sink)
{
    const AccessibleEventSink old = gSink;
    gSink = sink ? sink : &QAccessible::updateAccessibility;
    return old;
}

} // namespace cardova::ui
