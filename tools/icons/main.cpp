// Writes the program's icon for the desktop's icon theme: one PNG per size, laid
// out as FOLDER/<size>x<size>/apps/velmora.png, from the 32 x 32 picture that
// the windows use.
//   velmora_icons FOLDER SIZE...
#include "ui/programicon.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmora_icons FOLDER SIZE...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "velmora_icons: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
        const QString file = dir + "/velmora.png";
        if (!QDir().mkpath(dir) || !velmora::ProgramIconImage(size).save(file)) {
            std::fprintf(stderr, "velmora_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
