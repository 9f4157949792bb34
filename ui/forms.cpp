#include "ui/forms.h"

#include "ui/unit1.h"
#include "ui/unit2.h"
#include "ui/unit3.h"
#include "ui/unit4.h"
#include "ui/unit6.h"

namespace velmora::ui {

Forms::~Forms() = default;

std::unique_ptr<Forms> CreateForms(std::string firstArgument)
{
    auto forms = std::make_unique<Forms>();
    forms->firstArgument = std::move(firstArgument);
    forms->Form1 = std::make_unique<TForm1>(*forms);
    forms->Form2 = std::make_unique<TForm2>(*forms);
    forms->Form3 = std::make_unique<TForm3>();
    forms->Form4 = std::make_unique<TForm4>();
    forms->Form6 = std::make_unique<TForm6>(*forms);
    return forms;
}

} // namespace velmora::ui
