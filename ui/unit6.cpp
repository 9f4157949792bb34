// The process list window's controls, laid out at their fixed positions, and
// its handlers.
#include "ui/unit6.h"

#include "jobs/linebuffer.h"
#include "jobs/paths.h"
#include "platform/dostext.h"
#include "platform/foldercache.h"
#include "platform/shell.h"
#include "ui/controls.h"
#include "ui/filedrops.h"
#include "ui/forms.h"
#include "ui/formstyle.h"
#include "ui/messages.h"
#include "ui/typedpaths.h"
#include "ui/unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace velmora::ui {

namespace {

// Line 1 of the hint text, by which the memo tells that it holds no list yet.
const QString kHintLine1 = "  You can drop your files in here or type the ";

const QString kHintText = "\n" + kHintLine1 +
                          "\n  filenames in on your own.\n\n  WARNING\n"
                          "  Only use one type of file, Wav or MP3, and\n  leave no lines blank.";

// The memo's text exactly as dropped or typed, lines ended by line feeds. The
// plain-text form would turn no-break spaces into blanks and line separators
// into line breaks, so that an entry would name another file or become two.
std::string RawText(const QPlainTextEdit* memo)
{
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text.toStdString();
}

std::vector<std::string> Lines(const QPlainTextEdit* memo)
{
    return platform::SplitLines(RawText(memo));
}

bool IsListExtension(const std::string& name)
{
    const std::string extension = platform::UpperAscii(jobs::ExtensionPart(name));
    return extension == ".WAV" || extension == ".MP3";
}

// A text that does not end in a backslash or a colon gets a backslash; an
// empty text stays empty.
QString NormalisedDirectory(const QString& text)
{
    const std::string probe = (text + "file.ext").toStdString();
    return jobs::FileNamePart(probe) == "file.ext" ? text : text + "\\";
}

} // namespace

TForm6::TForm6(Forms& forms) : QWidget(nullptr), forms_(forms)
{
    MakeProgramWindowFrame(this, "Form6");
    CreatePanels();
    CreateWorkArea();

    TForm1& main = *forms_.Form1;
    main.SetListWindow(this);
    connect(&main, &TForm1::CreateListRequested, this, &TForm6::ShowInPlaceOfMainWindow);
    connect(qApp, &QApplication::focusChanged, this, &TForm6::FocusChanged);
    main.installEventFilter(this);
    FormCreate();
}

TForm6::~TForm6()
{
    // The window closes while it is destroyed, which moves the focus: the
    // application's focus signals must no longer reach this half-destroyed
    // window.
    disconnect(qApp, nullptr, this, nullptr);
}

bool TForm6::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the main window ends the program, also while a refused close
    // left this window shown beside it. While the main window is hidden,
    // this window keeps the program running, also after a message box that
    // had no window of the program to belong to has closed.
    if (watched == forms_.Form1.get() && event->type() == QEvent::Close) {
        hide();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm6::CreatePanels()
{
    Panel1 = MakePanel(this, {0, 0, 426, 41});
    Label2 = MakeTitleLabel(Panel1, "Velmora Process List");

    Panel2 = MakePanel(this, {0, 41, 105, 232});
    ExplorerButton3 = MakeCommandButton(Panel2, "Open &Explorer", {8, 8, 89, 25});
    ExplorerButton2 = MakeCommandButton(Panel2, "&Remove all", {8, 33, 89, 25});
    ExplorerButton1 = MakeCommandButton(Panel2, "&Close", {8, 64, 89, 25});
    ExplorerButton3->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton3Click(); };
    ExplorerButton2->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton2Click(); };
    ExplorerButton1->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton1Click(); };

    Panel3 = MakePanel(this, {105, 41, 321, 232});
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetBackground(Panel3, kWorkAreaColor);
}

void TForm6::CreateWorkArea()
{
    Memo1 = new QPlainTextEdit(kHintText, Panel3);
    Memo1->setGeometry(16, 24, 289, 137);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    Memo1->setFont(DialogFont());
    SetTextColor(Memo1, clNavy);
    Label3 = MakeLabel(Panel3, "&Files dominated for process:", 16, 8, Memo1);

    Edit1 = MakeEdit(Panel3, {16, 184, 289, 21});
    Label1 = MakeLabel(Panel3, "&Output directory:", 16, 168, Edit1);

    // Lower-cases whatever is put into it; never shown.
    Edit2 = MakeEdit(Panel3, {176, 208, 129, 21});
    Edit2->setReadOnly(true);
    Edit2->hide();
    connect(Edit2, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString lower = QString::fromStdString(platform::LowerAscii(text.toStdString()));
        if (lower != text) {
            Edit2->setText(lower);
        }
    });

    CheckBox1 = new QCheckBox("&Delete source after convert", Panel3);
    CheckBox1->setGeometry(16, 208, 153, 17);

    setTabOrder(Edit1, Memo1);
    setTabOrder(Memo1, CheckBox1);
    Edit1->setFocus(Qt::OtherFocusReason);
}

std::string TForm6::ListText() const
{
    return RawText(Memo1);
}

void TForm6::FormCreate()
{
    setAcceptDrops(true);
    RouteFileDropsToWindow(this, [this](const QList<QUrl>& urls) { FilesDropped(urls); });
}

void TForm6::ShowInPlaceOfMainWindow()
{
    TForm1& main = *forms_.Form1;
    move(main.pos());
    show();
    raise();
    activateWindow();
    main.hide();
    if (entryToSelect_) {
        SelectEntry(*entryToSelect_);
        entryToSelect_.reset();
    }
}

void TForm6::SelectEntry(std::size_t entry)
{
    Memo1->setFocus(Qt::OtherFocusReason);
    const QTextBlock line = Memo1->document()->findBlockByNumber(static_cast<int>(entry));
    if (!line.isValid()) {
        return; // the list has become shorter since
    }
    QTextCursor cursor(line);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
    Memo1->ensureCursorVisible();
}

bool TForm6::FormCloseQuery()
{
    // The list buttons follow the first entry as a job will read it.
    TurnListIntoDosForm();
    const std::vector<std::string> lines = Lines(Memo1);
    const bool canClose = !jobs::LineAt(lines, lines.size() - 1).empty();
    if (!canClose) {
        MessageDlg("Please remove the last line (press backspace in the filelist).",
                   TMsgDlgType::mtWarning, mbOK);
    }
    TForm1& main = *forms_.Form1;
    main.ExplorerButton5->SetCaption("Edi&t list");
    main.ExplorerButton7->SetEnabled(false);
    main.ExplorerButton6->SetEnabled(false);
    const std::string first = platform::UpperAscii(jobs::ExtensionPart(jobs::LineAt(lines, 0)));
    if (first == ".WAV") {
        main.ExplorerButton6->SetEnabled(true);
    }
    if (first == ".MP3") {
        main.ExplorerButton7->SetEnabled(true);
    }
    main.move(pos());
    main.show();
    main.raise();
    main.activateWindow();
    return canClose;
}

void TForm6::FormClose()
{
    Edit1Exit();
}

void TForm6::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery()) {
        FormClose();
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm6::ExplorerButton1Click()
{
    close();
}

void TForm6::ExplorerButton2Click()
{
    if (MessageDlg("Are you sure you want to remove all entries from the list?",
                   TMsgDlgType::mtConfirmation, mbYes | mbNo) == mbYes) {
        Memo1->clear();
    }
}

void TForm6::ExplorerButton3Click()
{
    platform::ShellExecute("open", "explorer.exe", "", "", platform::ShowState::Normal);
}

void TForm6::Memo1Enter()
{
    if (HoldsHint()) {
        Memo1->clear();
    }
}

void TForm6::Edit1Exit()
{
    // The backslash goes behind the DOS form: a host path's closing "/" is no
    // separator of it.
    TurnIntoDosForm(*Edit1);
    Edit1->setText(NormalisedDirectory(Edit1->text()));
}

void TForm6::TurnTypedPathsIntoDosForm()
{
    TurnListIntoDosForm();
    TurnIntoDosForm(*Edit1);
}

void TForm6::TurnListIntoDosForm()
{
    // The hint text is no list.
    if (!HoldsHint()) {
        TurnLinesIntoDosForm(*Memo1);
    }
}

void TForm6::FocusChanged(QWidget* old, QWidget* now)
{
    const bool withinWindow = now != nullptr && now->window() == this;
    if (old == Edit1 && withinWindow) {
        Edit1Exit();
    }
    if (old == Memo1 && withinWindow) {
        TurnListIntoDosForm();
    }
    if (now == Memo1) {
        Memo1Enter();
    }
}

bool TForm6::HoldsHint() const
{
    return QString::fromStdString(std::string(jobs::LineAt(Lines(Memo1), 1))) == kHintLine1;
}

bool TForm6::ListIsEmpty() const
{
    return HoldsHint() || Memo1->toPlainText().isEmpty();
}

void TForm6::FilesDropped(const QList<QUrl>& urls)
{
    // Accepted names go into the list a run at a time, so that a large drop
    // costs one edit of the list and not one per name; a refused file shows
    // its message over the list as it stands up to that file.
    std::vector<std::string> accepted;
    for (const QUrl& url : urls) {
        const std::optional<std::string> name = DroppedName(url);
        if (name && IsListExtension(*name)) {
            accepted.push_back(*name);
            continue;
        }
        AddDroppedNames(accepted);
        accepted.clear();
        RefuseDroppedFile();
    }
    AddDroppedNames(accepted);
}

void TForm6::AddDroppedNames(const std::vector<std::string>& names)
{
    auto next = names.begin();
    if (next != names.end() && ListIsEmpty()) {
        StartList(*next++);
    }
    QString lines;
    for (; next != names.end(); ++next) {
        lines += '\n' + QString::fromStdString(*next);
    }
    if (!lines.isEmpty()) {
        AppendLines(lines);
    }
}

void TForm6::StartList(const std::string& name)
{
    // The name that starts a list stands in lower case, unless that spelling
    // would name another file: names on this system differ by case. Both
    // spellings are looked up twice in one folder, which is read once.
    const platform::FolderCache folders;
    Edit2->setText(QString::fromStdString(name));
    const std::string lower = Edit2->text().toStdString();
    Memo1->setPlainText(QString::fromStdString(jobs::SameFile(lower, name) ? lower : name));
}

void TForm6::AppendLines(const QString& lines)
{
    // LINES starts with a line break; a list that ends in one already takes
    // the names from its empty last line on.
    QTextCursor end(Memo1->document());
    end.movePosition(QTextCursor::End);
    end.insertText(end.block().text().isEmpty() ? lines.mid(1) : lines);
}

void TForm6::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptFileDrag(event);
}

void TForm6::dropEvent(QDropEvent* event)
{
    TakeFileDrop(event, this, [this](const QList<QUrl>& urls) { FilesDropped(urls); });
}

} // namespace velmora::ui
