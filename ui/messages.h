// The program's message dialogs: modal, centred on the screen, the text
// word-wrapped beside a system icon, with the buttons "OK", "&Yes", "&No".
#pragma once

#include <QFlags>
#include <QString>

namespace velmora::ui {

// The application title: the task bar's text and the general error caption.
inline constexpr const char* kApplicationTitle = "Velmora";

// The kinds and their captions: "Warning", "Error", "Information", "Confirm".
enum class TMsgDlgType
{
    mtWarning,
    mtError,
    mtInformation,
    mtConfirmation
};

enum TMsgDlgBtn
{
    mbYes = 0x1,
    mbNo = 0x2,
    mbOK = 0x4
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

// The button that closed the dialog. The default button is "OK" when
// present, else "&Yes"; Escape answers "&No" when present, else "OK".
TMsgDlgBtn MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);

// Refused input: the error kind with "OK".
void ShowErrorMessage(const QString& text);

// The general error handler's box: caption "Velmora", the stop icon, "OK",
// and the error's text followed by ".".
void ShowRunTimeError(const QString& errorText);

} // namespace velmora::ui
