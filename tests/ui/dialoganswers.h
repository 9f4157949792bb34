// Answers the modal dialogs that the program opens, one after the other, as
// a user would: a queued answer for the next dialog, else a message box is
// read and its "OK" pressed and any other dialog is closed.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace velmora::ui::test {

class DialogAnswers
{
public:
    using Answer = std::function<void(QWidget* dialog)>;

    DialogAnswers();

    // What the user does in the next dialog that opens.
    void Then(Answer answer) { answers_.push_back(std::move(answer)); }

    // Every dialog seen, in order: "CAPTION: TEXT" for a message box, the
    // window title for another dialog.
    std::vector<std::string> seen;

private:
    void Poll();

    QTimer timer_;
    QPointer<QWidget> current_; // seen, its answer not yet begun
    // Dialogs whose answer is running; an answer that opens a dialog of its
    // own is still running while that one is answered.
    std::vector<QWidget*> answering_;
    std::deque<Answer> answers_;
};

// Presses the button of a message box whose caption is TEXT.
void PressButton(QWidget* messageBox, const QString& text);

} // namespace velmora::ui::test
