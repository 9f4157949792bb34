// Form6, the process list window: the source files of a list job, the output
// directory and whether the sources go after conversion. It takes the main
// window's place on screen while it is open and keeps its content while
// hidden. The list jobs of the main window read Memo1, Edit1 and CheckBox1.
#pragma once

#include "widgets/explbtn.h"

#include <QList>
#include <QUrl>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velmora::ui {

struct Forms;

class TForm6 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm6(Forms& forms);
    ~TForm6() override;

    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPlainTextEdit* Memo1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QCheckBox* CheckBox1;
    widgets::TExplorerButton* ExplorerButton1;
    widgets::TExplorerButton* ExplorerButton2;
    widgets::TExplorerButton* ExplorerButton3;

    // The list exactly as dropped or typed, one entry per line, lines ended by
    // line feeds: what the list jobs read.
    std::string ListText() const;

public slots:
    void FormCreate();
    // "Crea&te list" / "Edi&t list": shown at the main window's place, which
    // is hidden.
    void ShowInPlaceOfMainWindow();
    // Whether the window may close; either way the main window's list
    // buttons follow the list and the main window comes back at this place.
    bool FormCloseQuery();
    void FormClose();
    void FilesDropped(const QList<QUrl>& urls);
    void Memo1Enter();
    void Edit1Exit();
    void ExplorerButton1Click();
    void ExplorerButton2Click();
    void ExplorerButton3Click();

    // The list's entries and the output directory as a job must read them:
    // host paths typed there in their DOS form.
    void TurnTypedPathsIntoDosForm();
    // The entry, counted from 0, that is selected when the window is shown
    // next (the first entry a list job refused); nullopt for none.
    void SelectEntryOnReturn(std::optional<std::size_t> entry) { entryToSelect_ = entry; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreatePanels();
    void CreateWorkArea();
    void FocusChanged(QWidget* old, QWidget* now);
    void AddDroppedNames(const std::vector<std::string>& names);
    void StartList(const std::string& name);
    // Appends LINES, each after a line break, to the end of the list.
    void AppendLines(const QString& lines);
    bool HoldsHint() const;
    bool ListIsEmpty() const;
    void TurnListIntoDosForm();
    void SelectEntry(std::size_t entry);

    Forms& forms_;
    std::optional<std::size_t> entryToSelect_;
};

} // namespace velmora::ui
