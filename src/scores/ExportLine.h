#pragma once
// Builds one line of the statistics export from items, the way a printed
// score board lays them out:
// - a text item is written as it is (control characters become blanks so a
//   name can never break the line);
// - a number is written with a leading blank, or "-" when negative, and a
//   trailing blank;
// - items follow each other directly unless a column separator stands
//   between them, which pads with blanks up to the next column stop (every
//   14 characters). The next stop is always strictly after the current
//   position: an item that ends exactly on a stop is still followed by a full
//   column of blanks, so two items never touch.
#include <QString>
#include <cstdint>

namespace cardova {

class GameNumber;

class ExportLine {
public:
    static constexpr int kColumn = 14;

    ExportLine &text(const QString &item);
    ExportLine &number(int64_t value);
    // A game number: as a number when it holds one, as text otherwise.
    ExportLine &gameNumber(const GameNumber &value);
    ExportLine &spaces(int count);
    // The column separator.
    ExportLine &column();
    const QString &str() const { return line_; }

private:
    ExportLine &signedText(const QString &digits);
    QString line_;
};

// The first n characters of a text, never cutting a character in half.
QString firstChars(const QString &text, int n);

} // namespace cardova
