#pragma once
// The score file: one line per recorded game with seven fields,
//   "date","game",number,time,moves,score,won
// (the number quoted when it is a text), ended by CR LF.
#include "scores/ScoreRec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace cardova {

// Hands out one shared copy of each game name, so thousands of records of
// the same game hold one string between them.
class NameCache {
public:
    QString get(QByteArrayView utf8);
    void clear() { names_.clear(); }

private:
    std::vector<std::pair<QByteArray, QString>> names_;
    size_t last_ = 0;
};

// The line of a record, CR LF included. Player is not part of the line.
QByteArray scoreLine(const ScoreRec &rec);

// Reads one line (without its line ending) into rec, leaving Player alone.
// False when the line is damaged: not seven fields, a number that does not
// read or does not fit, a text where a number belongs.
bool parseScoreLine(const char *begin, const char *end, NameCache &names, ScoreRec *rec);

struct ReadResult {
    qsizetype records = 0; // lines read into the list
    qsizetype skipped = 0; // damaged lines left out
    bool failed = false;   // the file exists but could not be read
};

// Appends every readable line of a score file's contents to list, with
// Player set to player. Blank lines are passed over; damaged lines are
// counted and left out. The caller reserves room (see reserveMore).
ReadResult parseScoreFile(const QByteArray &content, const QString &player, NameCache &names,
                          std::vector<ScoreRec> &list);

// Reads a score file and appends its records as parseScoreFile does. A
// missing file adds nothing. The file is never written.
ReadResult readScoreFile(const QString &path, const QString &player, NameCache &names,
                         std::vector<ScoreRec> &list);

// Makes room for extra more elements, doubling the capacity when it has to
// grow, so repeated appends of whole files stay linear.
template <class T>
void reserveMore(std::vector<T> &list, size_t extra)
{
    const size_t need = list.size() + extra;
    if (need > list.capacity())
        list.reserve(std::max(need, list.capacity() * 2));
}

} // namespace cardova
