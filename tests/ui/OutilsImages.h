#pragma once
#include <QImage>
#include <QRect>

// Glyphs are smoothed: their darkest pixels are near black, not always black.
inline bool ContientDuNoir(const QImage& Image, const QRect& Zone) {
    for (int y = Zone.top(); y <= Zone.bottom(); ++y)
        for (int x = Zone.left(); x <= Zone.right(); ++x)
            if (Image.pixelColor(x, y).value() < 96)
                return true;
    return false;
}
