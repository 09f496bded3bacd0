#pragma once
// The favourites file "tbr.fav": one line per favourite deal,
//   "game",number
// (the number quoted when it is a text), ended by CR LF.
#include "scores/ScoreRec.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace cardova {

QByteArray favLine(const FavRec &fav);
// False when the line is damaged: not two fields, an unquoted name, or a
// number that does not read.
bool parseFavLine(const char *begin, const char *end, FavRec *fav);

struct FavReadResult {
    qsizetype skipped = 0;
    bool failed = false;
};

// Reads every readable line into list (in file order), at most maxCount.
FavReadResult readFavFile(const QString &path, std::vector<FavRec> &list, size_t maxCount);

} // namespace cardova
