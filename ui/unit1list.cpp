// The main window's list job buttons, which code the process list window's
// list into its output directory.
#include "jobs/jobhandlers.h"
#include "ui/forms.h"
#include "ui/unit1.h"
#include "ui/unit3.h"
#include "ui/unit6.h"

#include <QCheckBox>
#include <QLineEdit>

namespace velmora::ui {

jobs::JobRequest TForm1::ListRequest() const
{
    const TForm6& list = *forms_.Form6;
    jobs::JobRequest request = SingleFileRequest();
    request.listEntries = list.ListText();
    request.outputDirectory = list.Edit1->text().toStdString();
    request.deleteSource = list.CheckBox1->isChecked();
    return request;
}

void TForm1::RunListJob(jobs::JobKind kind)
{
    TForm6& list = *forms_.Form6;
    // A refused close may have left the list window open with a field still
    // being edited.
    list.TurnTypedPathsIntoDosForm();
    list.SelectEntryOnReturn(std::nullopt);
    jobs::RunListJob(kind, *this, forms_.Form3->Memo1, ListRequest());
}

void TForm1::ListEntryRefused(std::size_t entry)
{
    forms_.Form6->SelectEntryOnReturn(entry);
}

void TForm1::ExplorerButton6Click()
{
    RunListJob(jobs::JobKind::Encoding);
}

void TForm1::ExplorerButton7Click()
{
    RunListJob(jobs::JobKind::Decoding);
}

} // namespace velmora::ui
