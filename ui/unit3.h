// Form3, "Memo field": a window that is never shown. Its memo is the scratch
// line buffer in which Settings.ini is read and written and every job script
// is assembled.
#pragma once

#include "jobs/linebuffer.h"

#include <QWidget>

namespace velmora::ui {

class TForm3 : public QWidget
{
public:
    TForm3();

    jobs::LineBuffer Memo1;
};

} // namespace velmora::ui
