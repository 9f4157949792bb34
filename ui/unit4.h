// Form4, the about box: shown modally from the main window's menu and closed
// with its close box (or Escape). Its two buttons hand the maker's web site
// and mail address to the desktop shell.
#pragma once

#include "widgets/explbtn.h"

#include <QDialog>

class QLabel;

namespace velmora::ui {

class TForm4 : public QDialog
{
    Q_OBJECT

public:
    TForm4();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label6;
    widgets::TExplorerButton* ExplorerButton1;
    widgets::TExplorerButton* ExplorerButton3;

public slots:
    void ExplorerButton1Click();
    void ExplorerButton3Click();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace velmora::ui
