#include "tests/ui/dialoganswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <gtest/gtest.h>

namespace velmora::ui::test {

DialogAnswers::DialogAnswers()
{
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

void DialogAnswers::Poll()
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || dialog == current_ || !dialog->isVisible() ||
        std::ranges::find(answering_, dialog) != answering_.end()) {
        return;
    }
    current_ = dialog;
    auto* box = qobject_cast<QMessageBox*>(dialog);
    seen.push_back(box != nullptr ? (box->windowTitle() + ": " + box->text()).toStdString()
                                  : dialog->windowTitle().toStdString());
    Answer answer;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    } else if (box != nullptr) {
        answer = [](QWidget* d) { PressButton(d, "OK"); };
    } else {
        answer = [](QWidget* d) { d->close(); };
    }
    // Answered from an event of its own, so that a dialog that the answer
    // opens in turn is answered too.
    QPointer<QWidget> target(dialog);
    QTimer::singleShot(0, dialog, [this, answer, target] {
        current_ = nullptr;
        if (QWidget* answered = target) {
            answering_.push_back(answered);
            answer(answered);
            // Answered: the same window may open again later.
            std::erase(answering_, answered);
        }
    });
}

void PressButton(QWidget* messageBox, const QString& text)
{
    for (QAbstractButton* button : messageBox->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

} // namespace velmora::ui::test
