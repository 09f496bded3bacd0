#include "TestSupport.h"

#include "engine/MoveRules.h"

using namespace cardova;

namespace {
cCard card(int num, int suit)
{
    cCard c;
    c.Num = int16_t(num);
    c.Suit = int16_t(suit);
    c.FaceMode = 0;
    return c;
}
constexpr int H = 0, S = 1, D = 2, C = 3;
} // namespace

TEST(FitsOrder, EveryCodeWithAndWithoutWrap)
{
    const struct {
        int order;
        cCard lower, upper;
        bool plain, wrapped;
    } cases[] = {
        // up, same suit
        {0, card(0, H), card(1, H), true, true},
        {0, card(0, H), card(1, D), false, false},
        {0, card(12, H), card(0, H), false, true},
        // up, alternate colour
        {1, card(4, H), card(5, S), true, true},
        {1, card(4, H), card(5, D), false, false},
        {1, card(12, C), card(0, D), false, true},
        // up, regardless
        {2, card(4, H), card(5, D), true, true},
        {2, card(4, H), card(6, D), false, false},
        // down, same suit
        {3, card(12, S), card(11, S), true, true},
        {3, card(0, S), card(12, S), false, true},
        {3, card(12, S), card(11, C), false, false},
        // down, alternate colour: a red Six on a black Seven, not on a red one
        {4, card(6, S), card(5, H), true, true},
        {4, card(6, D), card(5, H), false, false},
        {4, card(1, C), card(0, H), true, true}, // a red Ace on a black Two fits
        {4, card(0, S), card(12, H), false, true},
        // down, regardless
        {5, card(6, D), card(5, H), true, true},
        {5, card(6, D), card(7, H), false, false},
        // any card
        {6, card(3, D), card(9, C), true, true},
        // up or down, same suit
        {7, card(5, C), card(6, C), true, true},
        {7, card(5, C), card(4, C), true, true},
        {7, card(5, C), card(4, S), false, false},
        {7, card(0, C), card(12, C), false, true},
        {7, card(12, C), card(0, C), false, true},
        // up or down, alternate colour
        {8, card(5, C), card(6, H), true, true},
        {8, card(5, C), card(6, S), false, false},
        // up or down, regardless
        {9, card(5, C), card(4, C), true, true},
        {9, card(5, C), card(5, C), false, false},
        // unknown codes never fit
        {10, card(5, C), card(6, C), false, false},
        {-1, card(5, C), card(6, C), false, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FitsOrder(c.lower, c.upper, c.order, false), c.plain)
            << "order " << c.order << " " << c.lower.Num << "/" << c.upper.Num;
        EXPECT_EQ(FitsOrder(c.lower, c.upper, c.order, true), c.wrapped)
            << "order " << c.order << " wrap " << c.lower.Num << "/" << c.upper.Num;
    }
}

TEST(FitsOrder, ColoursPairUp)
{
    EXPECT_EQ(card(0, H).Color(), 1);
    EXPECT_EQ(card(0, D).Color(), 1);
    EXPECT_EQ(card(0, S).Color(), 2);
    EXPECT_EQ(card(0, C).Color(), 2);
}
