// The process list window with a large list, on the real windows:
//   list_window [ENTRIES [RUNS]]      (default 5,000 and 5)
// - a drop of ENTRIES files on the list, delivered to the list control as
//   the desktop does, against one setPlainText of the same names (goal: a
//   ratio of at most 3);
// - "En&code list" on those ENTRIES names: how long the press keeps the
//   window from answering (goal: at most 0.1 s).
// Medians of RUNS. It runs on the offscreen platform unless QT_QPA_PLATFORM
// says otherwise.
#include "bench/listfolder.h"
#include "bench/timing.h"
#include "platform/dosfs.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/unit1.h"
#include "ui/unit6.h"

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

using velmora::bench::Median;
using velmora::bench::Seconds;

// Drops URLS on the list's text area and waits until the window has taken them.
void DropOnList(velmora::ui::TForm6& list, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QWidget* area = list.Memo1->viewport();
    const QPointF at = area->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(area, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(area, &drop);
    while (list.Memo1->document()->isEmpty()) {
        QApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    velmora::ui::TApplication application(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const fs::path root = fs::temp_directory_path() / "velmora-list-window";
    fs::remove_all(root);
    const std::vector<std::string> names =
        velmora::bench::MakeListFolder(root, entries, "/bin/true");
    QList<QUrl> urls;
    QStringList lines;
    for (const std::string& name : names) {
        urls.append(QUrl::fromLocalFile(
            QString::fromStdString(velmora::platform::HostPath(name)->string())));
        lines.append(QString::fromStdString(name));
    }
    const QString text = lines.join('\n');
    // The script is started but never run: its interpreter is /bin/true.
    fs::copy_file("/bin/true", root / "C/Velmora/dosbatch");

    const auto forms = velmora::ui::CreateForms("");
    velmora::ui::TForm1& main = *forms->Form1;
    velmora::ui::TForm6& list = *forms->Form6;
    main.show();
    main.ExplorerButton5Click();
    QApplication::processEvents();

    std::vector<double> reference, drop;
    for (int run = 0; run < runs; ++run) {
        list.Memo1->clear();
        reference.push_back(Seconds([&] { list.Memo1->setPlainText(text); }));
        list.Memo1->clear();
        drop.push_back(Seconds([&] { DropOnList(list, urls); }));
    }
    // The first name of a list stands in lower case.
    const QString dropped = list.Memo1->toPlainText();
    const bool sameList = dropped.mid(dropped.indexOf('\n')) == text.mid(text.indexOf('\n'));

    // A message box would wait for a user: it is closed and reported, and the
    // press counts only when the job went through without one.
    QString refusal;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&refusal] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            refusal = box->text();
            box->done(0);
        }
    });
    closer.start(10);
    list.Edit1->setText("D:\\Out\\");
    std::vector<double> press;
    for (int run = 0; run < runs; ++run) {
        main.ExplorerButton6->SetEnabled(true);
        press.push_back(Seconds([&] { main.ExplorerButton6Click(); }));
        fs::remove(root / "C/Velmora/Encoding.bat");
        QApplication::processEvents();
    }
    fs::remove_all(root);

    const double m_reference = Median(reference), m_drop = Median(drop);
    std::printf("drop of %d files on the list: %.3f s, setPlainText of the same names: %.3f s, "
                "ratio %.2f (goal: at most 3)%s\n",
                entries, m_drop, m_reference, m_drop / m_reference,
                sameList ? "" : " -- the list differs from the names dropped");
    if (!refusal.isEmpty()) {
        std::printf("\"En&code list\" was refused: %s\n", qPrintable(refusal));
        return 1;
    }
    std::printf("\"En&code list\" with %d entries blocks the window %.3f s (goal: at most 0.1 s)\n",
                entries, Median(press));
    return 0;
}
