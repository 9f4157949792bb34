#include "ui/formstyle.h"

#include "platform/syscolors.h"
#include "ui/accessibility.h"
#include "ui/programicon.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>

namespace velmora::ui {

namespace {

QColor System(int index)
{
    return widgets::ToQColor(widgets::kSystemColorFlag | static_cast<widgets::TColor>(index));
}

QPalette ClassicPalette()
{
    using namespace platform;
    QPalette palette;
    palette.setColor(QPalette::Window, System(COLOR_BTNFACE));
    palette.setColor(QPalette::WindowText, System(COLOR_WINDOWTEXT));
    palette.setColor(QPalette::Base, System(COLOR_WINDOW));
    palette.setColor(QPalette::AlternateBase, System(COLOR_BTNFACE));
    palette.setColor(QPalette::Text, System(COLOR_WINDOWTEXT));
    palette.setColor(QPalette::Button, System(COLOR_BTNFACE));
    palette.setColor(QPalette::ButtonText, System(COLOR_BTNTEXT));
    palette.setColor(QPalette::Light, System(COLOR_BTNHIGHLIGHT));
    palette.setColor(QPalette::Midlight, System(COLOR_3DLIGHT));
    palette.setColor(QPalette::Mid, System(COLOR_BTNSHADOW));
    palette.setColor(QPalette::Dark, System(COLOR_BTNSHADOW));
    palette.setColor(QPalette::Shadow, System(COLOR_3DDKSHADOW));
    palette.setColor(QPalette::Highlight, System(COLOR_HIGHLIGHT));
    palette.setColor(QPalette::HighlightedText, System(COLOR_HIGHLIGHTTEXT));
    palette.setColor(QPalette::ToolTipBase, System(COLOR_INFOBK));
    palette.setColor(QPalette::ToolTipText, System(COLOR_INFOTEXT));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, System(COLOR_GRAYTEXT));
    palette.setColor(QPalette::Disabled, QPalette::Text, System(COLOR_GRAYTEXT));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, System(COLOR_GRAYTEXT));
    return palette;
}

} // namespace

void ApplyClassicLook(QApplication& application)
{
    // Faces of the same kind and size for the fonts of the original desktop.
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Serif", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    QFont::insertSubstitutions("Bradley Hand ITC", {"Dancing Script", "Comic Neue"});
    if (QStyle* style = QStyleFactory::create("Windows")) {
        QApplication::setStyle(style);
    }
    QApplication::setPalette(ClassicPalette());
    application.setFont(DialogFont());
}

QFont FormFont(const QString& family, int pixels, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont DialogFont()
{
    return FormFont("MS Sans Serif", 11);
}

void SetBackground(QWidget* widget, widgets::TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, widgets::ToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, widgets::TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::Text, widgets::ToQColor(color));
    palette.setColor(QPalette::Inactive, QPalette::Text, widgets::ToQColor(color));
    palette.setColor(QPalette::Active, QPalette::WindowText, widgets::ToQColor(color));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, widgets::ToQColor(color));
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, int x, int y, QWidget* buddy)
{
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* MakeTitleLabel(QWidget* band, const QString& caption)
{
    QLabel* label = MakeLabel(band, caption, 8, 6);
    label->setFont(FormFont("MS Serif", 24, false, true));
    SetTextColor(label, clNavy);
    label->adjustSize();
    return label;
}

void FixFrame(QWidget* form, int w, int h, bool minimize)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimize) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    form->setWindowFlags((form->windowFlags() & Qt::WindowType_Mask) | flags);
    form->setFixedSize(w, h);
}

void CenterOnScreen(QWidget* form)
{
    const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // Placed by its client area: a move places the frame, which a window
    // manager adds only after the first showing, so the first showing would
    // stand a title bar's height off the later ones.
    const QRect area = screen->availableGeometry();
    form->setGeometry(
        QRect(area.center() - QPoint(form->width() / 2, form->height() / 2), form->size()));
}

void MakeProgramWindowFrame(QWidget* form, const char* objectName)
{
    form->setObjectName(objectName);
    form->setWindowTitle("Velmora for Windows 95");
    form->setWindowIcon(ProgramWindowIcon());
    SetAccessibleRole(form, QAccessible::Window);
    FixFrame(form, 426, 273, true);
}

} // namespace velmora::ui
