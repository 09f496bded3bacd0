#pragma once
// Pictures rendered at a few sizes. Resizing the window asks for a new size
// at every step; only the latest sizes are worth keeping, the rest would
// only fill memory.
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <vector>

namespace cardova::ui {

class ScaledCache {
public:
    using Render = QImage (*)(int id, qreal scale);

    // Picture `id` rendered at `scale` device pixels per design pixel and
    // shown at `dpr`; a null pixmap when there is no such picture.
    QPixmap get(int id, qreal scale, qreal dpr, Render render);
    // Renders those of `ids` not held at `scale` yet, on all cores at once:
    // a new window size wants a deck's pictures together.
    void prepare(const QList<int> &ids, qreal scale, qreal dpr, Render render);
    void clear() { sizes_.clear(); }
    // Sizes held now, at most kSizesKept.
    int sizeCount() const { return int(sizes_.size()); }
    // Pictures held now, over all sizes.
    int pictureCount() const;

    static constexpr int kSizesKept = 3;

private:
    struct Size {
        int key; // device pixels across a card at this scale
        QHash<int, QPixmap> pictures;
    };
    QHash<int, QPixmap> &picturesAt(int key);
    static QPixmap shown(QImage image, qreal dpr);

    std::vector<Size> sizes_; // least recently used first
};

} // namespace cardova::ui
