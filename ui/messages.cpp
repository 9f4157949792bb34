#include "ui/messages.h"

#include "ui/formstyle.h"
#include "ui/icon.h"
#include "ui/showmodal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace velmora::ui {

namespace {

// A message box that stands in the centre of the screen, not of its owner.
class CenteredMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        CenterOnScreen(this);
    }
};

struct KindLook
{
    const char* caption;
    QMessageBox::Icon icon;
};

KindLook LookOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning:
        return {"Warning", QMessageBox::Warning};
    case TMsgDlgType::mtError:
        return {"Error", QMessageBox::Critical};
    case TMsgDlgType::mtInformation:
        return {"Information", QMessageBox::Information};
    case TMsgDlgType::mtConfirmation:
        break;
    }
    return {"Confirm", QMessageBox::Question};
}

QStyle::StandardPixmap StandardPixmapOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning:
        return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Critical:
        return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Question:
        return QStyle::SP_MessageBoxQuestion;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

// Above 100 % the style's 32 x 32 icon would be blown up and blurred: it is
// shown with its pixels repeated instead.
void SharpenIcon(QMessageBox& box, QMessageBox::Icon icon)
{
    if (box.devicePixelRatioF() <= 1.0) {
        return;
    }
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const QImage drawing = box.style()
                               ->standardIcon(StandardPixmapOf(icon), nullptr, &box)
                               .pixmap(QSize(size, size), 1.0)
                               .toImage();
    box.setIconPixmap(SharpPixmap(drawing, box.devicePixelRatioF()));
}

TMsgDlgBtn RunMessageBox(const QString& caption, QMessageBox::Icon icon, const QString& text,
                         TMsgDlgButtons buttons)
{
    // Owned by the active window so that it stays above it; application modal.
    CenteredMessageBox box(icon, caption, text, QMessageBox::NoButton,
                           QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    SharpenIcon(box, icon);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* yes = buttons & mbYes ? box.addButton("&Yes", QMessageBox::YesRole) : nullptr;
    QPushButton* no = buttons & mbNo ? box.addButton("&No", QMessageBox::NoRole) : nullptr;
    QPushButton* ok = buttons & mbOK ? box.addButton("OK", QMessageBox::AcceptRole) : nullptr;
    box.setDefaultButton(ok != nullptr ? ok : yes);
    box.setEscapeButton(no != nullptr ? no : ok);
    ShowModal(box);
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked != nullptr && clicked == yes) {
        return mbYes;
    }
    if (clicked != nullptr && clicked == no) {
        return mbNo;
    }
    return no != nullptr && ok == nullptr ? mbNo : mbOK;
}

} // namespace

TMsgDlgBtn MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    const KindLook look = LookOf(type);
    return RunMessageBox(look.caption, look.icon, text, buttons);
}

void ShowErrorMessage(const QString& text)
{
    MessageDlg(text, TMsgDlgType::mtError, mbOK);
}

void ShowRunTimeError(const QString& errorText)
{
    RunMessageBox(kApplicationTitle, QMessageBox::Critical, errorText + ".", mbOK);
}

} // namespace velmora::ui
