// The program's icon, drawn at 32 x 32 (velmora_icon.xpm), at the sizes that
// desktops ask for, and the desktop file name that groups every window of
// the system with the program. Needs Qt Gui only, so that the tools' windows
// and the build's icon step use it as the program's windows do.
#pragma once

#include "ui/velmora_icon.xpm"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace velmora {

// The name of the installed desktop entry, velmora.desktop.
inline const QString kDesktopFileName = QStringLiteral("velmora");
// The class of every window of the system on X11 (the entry's StartupWMClass):
// the program's application name.
inline const QString kProgramWindowClass = QStringLiteral("Velmora");

inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon at SIZE x SIZE pixels. Whole multiples of the drawing repeat its
// pixels and stay sharp; other sizes are filtered.
inline QImage ProgramIconImage(int size)
{
    const QImage picture(velmora_icon_xpm);
    const Qt::TransformationMode mode =
        size % picture.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
    return size == picture.width() ? picture
                                   : picture.scaled(size, size, Qt::IgnoreAspectRatio, mode);
}

// The window icon in every size from 16 to 256 pixels.
inline QIcon ProgramWindowIcon()
{
    QIcon icon;
    for (const int size : kProgramIconSizes) {
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    }
    return icon;
}

} // namespace velmora
