// The program's windows. Each is created once, in the order Form1 (the main
// window), Form2, Form3, Form4, Form6, and lives until the program ends; every
// window reaches the others through this one object.
#pragma once

#include <memory>
#include <string>

namespace velmora::ui {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm6;

struct Forms
{
    // The program's first command-line argument as a DOS path; empty when none.
    std::string firstArgument;

    // Destroyed in the reverse order: the main window last.
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm6> Form6;

    ~Forms();
};

// Creates the windows in their order, all hidden.
std::unique_ptr<Forms> CreateForms(std::string firstArgument);

} // namespace velmora::ui
