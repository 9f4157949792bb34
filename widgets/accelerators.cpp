#include "widgets/accelerators.h"

namespace velmora::widgets {

QString StripAccelerators(const QString& text)
{
    QString result = text;
    qsizetype i = 0;
    while (i < result.size() - 1) {
        if (result[i] == u'&') {
            result.remove(i, 1); // a doubled "&" keeps its second one, passed over next
        }
        ++i;
    }
    return result;
}

QChar AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') {
            continue;
        }
        if (caption[i + 1] != u'&') {
            return caption[i + 1];
        }
        ++i;
    }
    return {};
}

} // namespace velmora::widgets
