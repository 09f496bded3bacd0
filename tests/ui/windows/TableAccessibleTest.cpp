// What a screen reader finds on the table and hears while playing.
#include "TableFixture.h"

#include "session/CardNames.h"
#include "session/cTrans.h"
#include "ui/windows/TableAccessible.h"

#include <QAccessible>
#include <QKeyEvent>

using namespace cardova;
using namespace cardova::test;

namespace {
struct Heard {
    QAccessible::Event type;
    QString name;
};
std::vector<Heard> gHeard;

void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    gHeard.push_back({event->type(), iface ? iface->text(QAccessible::Name) : QString()});
}

class TableAccessibleTest : public TableFixture {
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        gHeard.clear();
        previous_ = ui::setAccessibleEventSink(&listen);
    }
    void TearDown() override
    {
        ui::setAccessibleEventSink(previous_);
        TableFixture::TearDown();
    }
    QAccessibleInterface *table() { return QAccessible::queryAccessibleInterface(view); }
    // The table's child named so, or null.
    QAccessibleInterface *pile(const QString &name)
    {
        for (int i = 0; i < table()->childCount(); ++i)
            if (QAccessibleInterface *c = table()->child(i); c && c->text(QAccessible::Name) == name)
                return c;
        return nullptr;
    }
    QString nameOf(int16_t id) const { return cardName(ctx->cards[size_t(id)]); }
    std::vector<QString> heard(QAccessible::Event type) const
    {
        std::vector<QString> names;
        for (const Heard &h : gHeard)
            if (h.type == type)
                names.push_back(h.name);
        return names;
    }
    void key(int k)
    {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(view, &press);
    }

private:
    ui::AccessibleEventSink previous_ = nullptr;
};
} // namespace

TEST_F(TableAccessibleTest, EveryPileAndEveryCardInSightIsAnObjectOfItsOwn)
{
    QAccessibleInterface *t = table();
    ASSERT_NE(t, nullptr);
    // Stock, waste, four foundations, seven piles, and the status.
    ASSERT_EQ(t->childCount(), 14);
    const QStringList names = {"Stock", "Waste", "Foundation 1", "Foundation 2", "Foundation 3", "Foundation 4",
                               "pile 1", "pile 2", "pile 3", "pile 4", "pile 5", "pile 6", "pile 7"};
    for (int i = 0; i < names.size(); ++i) {
        QAccessibleInterface *p = t->child(i);
        ASSERT_NE(p, nullptr) << i;
        EXPECT_EQ(p->text(QAccessible::Name), names[i]);
        EXPECT_EQ(t->indexOfChild(p), i);
        EXPECT_EQ(p->parent(), t);
    }
    EXPECT_EQ(t->child(13)->role(), QAccessible::StatusBar);
    // Each pile of the deal shows its top card only; the stock shows none.
    for (int b = 0; b < 7; ++b) {
        QAccessibleInterface *p = pile(QStringLiteral("pile %1").arg(b + 1));
        ASSERT_EQ(p->childCount(), 1) << b;
        QAccessibleInterface *card = p->child(0);
        EXPECT_EQ(card->text(QAccessible::Name), nameOf(topId(*ctx, kTableau, b)));
        EXPECT_EQ(card->text(QAccessible::Description), QStringLiteral("pile %1").arg(b + 1));
        EXPECT_EQ(card->parent(), p);
        EXPECT_EQ(p->indexOfChild(card), 0);
        EXPECT_TRUE(p->rect().contains(card->rect()));
        EXPECT_EQ(t->childAt(card->rect().center().x(), card->rect().center().y()), p);
        EXPECT_EQ(p->childAt(card->rect().center().x(), card->rect().center().y()), card);
    }
    EXPECT_EQ(pile("pile 1")->child(0)->text(QAccessible::Name), "King of Clubs");
    EXPECT_EQ(pile("Stock")->childCount(), 0);
    EXPECT_EQ(pile("Stock")->text(QAccessible::Description), "24 cards");
    EXPECT_EQ(pile("Waste")->text(QAccessible::Description), "empty");
    // A turned stock card is in sight on the waste.
    clickStock();
    ASSERT_EQ(pile("Waste")->childCount(), 1);
    EXPECT_EQ(pile("Waste")->child(0)->text(QAccessible::Name), nameOf(topId(*ctx, kWaste, 0)));
    EXPECT_EQ(pile("Waste")->child(0)->text(QAccessible::Description), "Waste");
    // With no game the table has nothing to list.
    item("mFile", 5)->trigger();
    EXPECT_EQ(t->childCount(), 1);
}

TEST_F(TableAccessibleTest, TheCardUnderTheKeyboardCursorTakesTheFocus)
{
    key(Qt::Key_Left); // the last tableau pile
    key(Qt::Key_Right); // the stock: its cards lie face down
    key(Qt::Key_Right); // the empty waste
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Right); // four foundations, then the first pile
    const auto focus = heard(QAccessible::Focus);
    const QString kingOfClubs = nameOf(topId(*ctx, kTableau, 0));
    ASSERT_EQ(focus.size(), 8u);
    EXPECT_EQ(focus[0], nameOf(topId(*ctx, kTableau, 6)));
    EXPECT_EQ(focus[1], "Stock");
    EXPECT_EQ(focus[2], "Waste");
    EXPECT_EQ(focus[3], "Foundation 1");
    EXPECT_EQ(focus[7], kingOfClubs);
    ASSERT_NE(table()->focusChild(), nullptr);
    EXPECT_EQ(table()->focusChild()->text(QAccessible::Name), kingOfClubs);
    EXPECT_EQ(table()->focusChild()->text(QAccessible::Description), "pile 1");
}

TEST_F(TableAccessibleTest, EachMoveIsToldThroughTheStatus)
{
    QAccessibleInterface *status = table()->child(table()->childCount() - 1);
    clickStock();
    const QString turned = nameOf(topId(*ctx, kWaste, 0));
    EXPECT_EQ(status->text(QAccessible::Name), turned + " to Waste");
    EXPECT_EQ(heard(QAccessible::NameChanged), std::vector<QString>{turned + " to Waste"});
    // Undone, the card goes back.
    refresh();
    item("mGame", 1)->trigger();
    EXPECT_EQ(status->text(QAccessible::Name), turned + " to Stock");
    // A press that moves nothing tells nothing new.
    gHeard.clear();
    mouse(QEvent::MouseButtonPress, onCard(topId(*ctx, kTableau, 0)));
    mouse(QEvent::MouseButtonRelease, onCard(topId(*ctx, kTableau, 0)));
    EXPECT_TRUE(heard(QAccessible::NameChanged).empty());
    // Turning the whole stock over and back: many cards at once.
    for (int i = 0; i < 24; ++i)
        clickStock();
    clickStock();
    EXPECT_EQ(status->text(QAccessible::Name), "24 cards to Stock");
}
