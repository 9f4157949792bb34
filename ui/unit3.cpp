#include "ui/unit3.h"

namespace velmora::ui {

TForm3::TForm3()
{
    setWindowTitle("Memo field");
    setAttribute(Qt::WA_QuitOnClose, false);
}

} // namespace velmora::ui
