#include "UiTestSupport.h"

#include "settings/cData.h"

#include <cstdlib>

namespace cardova::test {

TempSettings::TempSettings()
    : data_(std::make_unique<cData>(dir_.filePath(QStringLiteral("settings.ini")), dir_.path()))
{
}

TempSettings::~TempSettings() = default;

QColor pixelAt(const QPixmap &pixmap, int x, int y)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32).pixelColor(x, y);
}

namespace {
int channelDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}
} // namespace

double columnDifference(const QImage &image, int a, int b)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        sum += channelDistance(image.pixel(a, y), image.pixel(b, y));
    return sum / image.height();
}

double rowDifference(const QImage &image, int a, int b)
{
    double sum = 0;
    for (int x = 0; x < image.width(); ++x)
        sum += channelDistance(image.pixel(x, a), image.pixel(x, b));
    return sum / image.width();
}

} // namespace cardova::test
