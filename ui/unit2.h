// Form2, "Settings": the paths of the encoder and the decoder. Its two fields
// are the program's one copy of the coder paths in memory: every reader
// reloads Settings.ini into them first (LoadSettings) and then reads them.
// Only ever shown modally; it has no default or cancel button.
#pragma once

#include "jobs/settings.h"
#include "widgets/explbtn.h"

#include <QDialog>

class QLineEdit;
class QToolButton;

namespace velmora::ui {

struct Forms;

class TForm2 : public QDialog, public jobs::CoderPathFields
{
    Q_OBJECT

public:
    explicit TForm2(Forms& forms);
    ~TForm2() override;

    std::string EncoderPath() const override;
    void SetEncoderPath(std::string path) override;
    std::string DecoderPath() const override;
    void SetDecoderPath(std::string path) override;

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    widgets::TExplorerButton* ExplorerButton1;

public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void ExplorerButton1Click();

    // Closes the dialog; the coder paths stay in the fields in their DOS form,
    // for the job that opened the dialog to test.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChooseCoder(QLineEdit* field, int filterIndex);
    void FocusChanged(QWidget* old, QWidget* now);
    void TurnCoderPathsIntoDosForm();

    Forms& forms_;
};

} // namespace velmora::ui
