#include "ui/appearance/ScaledCache.h"

#include "ui/appearance/CardFaces.h"

#include <algorithm>
#include <thread>

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

int ScaledCache::pictureCount() const
{
    int n = 0;
    for (const Size &s : sizes_)
        n += int(s.pictures.size());
    return n;
}

QPixmap ScaledCache::shown(QImage image, qreal dpr)
{
    // Drawn at the screen's ratio, the picture covers scale / dpr logical
    // pixels per design pixel: the zoom. Set on the image, so the pixmap
    // takes its pixels over instead of copying them once more.
    image.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(std::move(image));
}

QPixmap ScaledCache::get(int id, qreal scale, qreal dpr, Render render)
{
    QHash<int, QPixmap> &pictures = picturesAt(qRound(kCardWidthPx * scale));
    if (const auto it = pictures.constFind(id); it != pictures.constEnd())
        return *it;
    QImage image = render(id, scale);
    if (image.isNull())
        return {};
    const QPixmap pixmap = shown(std::move(image), dpr);
    pictures.insert(id, pixmap);
    return pixmap;
}

void ScaledCache::prepare(const QList<int> &ids, qreal scale, qreal dpr, Render render)
{
    QHash<int, QPixmap> &pictures = picturesAt(qRound(kCardWidthPx * scale));
    QList<int> missing;
    for (int id : ids)
        if (!pictures.contains(id) && !missing.contains(id))
            missing.append(id);
    if (missing.isEmpty())
        return;
    // Images may be painted on any thread; pixmaps only on this one.
    std::vector<QImage> images(size_t(missing.size()));
    const size_t workers = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, images.size());
    std::vector<std::thread> threads;
    for (size_t w = 1; w < workers; ++w)
        threads.emplace_back([&, w] {
            for (size_t i = w; i < images.size(); i += workers)
                images[i] = render(missing[qsizetype(i)], scale);
        });
    for (size_t i = 0; i < images.size(); i += workers)
        images[i] = render(missing[qsizetype(i)], scale);
    for (std::thread &t : threads)
        t.join();
    for (size_t i = 0; i < images.size(); ++i)
        if (!images[i].isNull())
            pictures.insert(missing[qsizetype(i)], shown(std::move(images[i]), dpr));
}

} // namespace cardova::ui
