#pragma once
// The program's icon for the desktop: the scalable picture rendered at the usual theme sizes,
// laid out as an icon theme folder ("hicolor/48x48/apps/NAME.png") ready to install.

#include <QString>
#include <QStringList>

namespace marlowe::resgen {

inline constexpr int kApplicationIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Renders svgFile at every size under themeFolder; returns the files it could not make.
QStringList WriteApplicationIcons(const QString& svgFile, const QString& themeFolder, const QString& iconName);

} // namespace marlowe::resgen
