#include "application_icons.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace marlowe::resgen {

QStringList WriteApplicationIcons(const QString& svgFile, const QString& themeFolder, const QString& iconName)
{
    QStringList failures;
    QSvgRenderer renderer(svgFile);
    if (!renderer.isValid())
        return {svgFile};
    for (const int size : kApplicationIconSizes) {
        const QString folder = QString("%1/%2x%2/apps").arg(themeFolder).arg(size);
        const QString file = folder + "/" + iconName + ".png";
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (!QDir().mkpath(folder) || !image.save(file))
            failures << file;
    }
    return failures;
}

} // namespace marlowe::resgen
