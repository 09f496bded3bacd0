#pragma once
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

namespace cardova {
class cData;
}

inline void PrintTo(const QColor &c, std::ostream *os)
{
    *os << "rgba(" << c.red() << "," << c.green() << "," << c.blue() << "," << c.alpha() << ")";
}

namespace cardova::test {

// Settings over a fresh temporary store.
class TempSettings {
public:
    TempSettings();
    ~TempSettings();
    cData &data() { return *data_; }
    QString dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<cData> data_;
};

// The colour of a pixel in device pixels.
QColor pixelAt(const QPixmap &pixmap, int x, int y);
// Mean absolute channel difference between two columns (or rows) of an image.
double columnDifference(const QImage &image, int a, int b);
double rowDifference(const QImage &image, int a, int b);

} // namespace cardova::test
