// SPDX-License-Identifier: MIT
#include "host/app/game_icon.h"

#include "host/app/game_icon_pixels.h"

#include <QImage>
#include <QPixmap>

namespace zorvik {

QIcon gameIcon()
{
    QIcon icon;
    for (const IconPixels& pixels : gameIconPixels) {
        // The image reads the pixels where they are, and the pixmap keeps them as they are: the
        // X window's icon takes this very format.
        const QImage image(reinterpret_cast<const uchar*>(pixels.argb), pixels.size, pixels.size,
            pixels.size * 4, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image, Qt::NoFormatConversion));
    }
    return icon;
}

} // namespace zorvik
