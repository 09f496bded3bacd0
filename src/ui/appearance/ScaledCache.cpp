#include "ui/appearance/ScaledCache.h"

#include "ui/appearance/CardFaces.h"

#include <algorithm>

namespace cardova::ui {

QHash<int, QPixmap> &ScaledCache::picturesAt(int key)
{
    auto it = std::find_if(sizes_.begin(), sizes_.end(), [key](const Size &s) { return s.key == key; });
    if (it != sizes_.end()) {
        std::rotate(it, it + 1, sizes_.end());
        return sizes_.back().pictures;
    }
    if (int(sizes_.size()) >= kSizesKept)
        sizes_.erase(sizes_.begin());
    sizes_.push_back({key, {}});
    return sizes_.back().pictures;
}

QPixmap ScaledCache::get(int id, qreal scale, qreal dpr, Render render)
{
    QHash<int, QPixmap> &pictures = picturesAt(qRound(kCardWidthPx * scale));
    if (const auto it = pictures.constFind(id); it != pictures.constEnd())
        return *it;
    const QImage image = render(id, scale);
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    // Drawn at the screen's ratio, the picture covers scale / dpr logical
    // pixels per design pixel: the zoom.
    pixmap.setDevicePixelRatio(dpr);
    pictures.insert(id, pixmap);
    return pixmap;
}

} // namespace cardova::ui
