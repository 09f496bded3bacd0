#pragma once
// Cards and piles as the player reads them: "Seven of Hearts", "pile 3".
#include <QString>
#include <cstdint>

namespace cardova {

struct cCard;

QString cardName(const cCard &card);
// "Stock", "Waste", "Foundation 2", "pile 3", "Reserve 1", "Cell 4".
QString pileName(int cell, int pile);

} // namespace cardova
