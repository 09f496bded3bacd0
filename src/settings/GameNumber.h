#pragma once
#include <QString>
#include <optional>

namespace cardova {

// A deal number, kept exactly as it was given: either a number (random or
// restarted deals) or a text of digits (typed by the player or read from a
// favourite). The shuffle only ever sees toDouble().
class GameNumber {
public:
    GameNumber() = default;
    static GameNumber fromNumber(double value);
    // nullopt unless the text reads as a number (sign, digits, one decimal
    // point, optional exponent; blanks around it allowed).
    static std::optional<GameNumber> fromText(const QString &text);

    bool isText() const { return isText_; }
    // Locale-independent: "12.5" is twelve and a half everywhere.
    double toDouble() const { return value_; }
    // The number as the player sees it: the text as given, or the number in
    // plain decimal digits.
    QString toText() const;

    bool operator==(const GameNumber &o) const
    {
        return isText_ == o.isText_ && value_ == o.value_ && text_ == o.text_;
    }

private:
    double value_ = 0.0;
    QString text_;
    bool isText_ = false;
};

// True when the text reads as a finite number under the rule of fromText.
bool isNumericText(const QString &text, double *value = nullptr);

// Plain decimal text of a number: whole numbers without a fraction or exponent.
QString numberText(double value);

} // namespace cardova
