#pragma once
// A small picture of a game's table as it is dealt: the stock and waste,
// free cells, foundations, reserve and tableau piles at their places, empty
// piles as outlines and cards as tiny card shapes.
#include "engine/Position.h"
#include "rules/cGames.h"

#include <QList>
#include <QRect>
#include <QWidget>

namespace cardova::ui {

class LayoutPicture : public QWidget {
    Q_OBJECT
public:
    explicit LayoutPicture(QWidget *parent = nullptr);

    // Lays out the areas of `games`, with the cards of `dealt` on them;
    // without a deal only the empty places are shown.
    void showTable(const cGames &games, const Position *dealt);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Shape { Place, Cell, Back, Face };
    struct Item {
        QRect box; // table units
        Shape shape;
        CardCode card = kNoCard;
    };
    void addArea(const cGames &games, const Position *dealt, int cell, int piles);

    QList<Item> items_;
    QRect bounds_; // every item, table units
};

} // namespace cardova::ui
