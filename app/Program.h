#pragma once
// The program object: creates the five windows in their fixed order, owns
// them for the whole run and is how each window reaches the others. There
// are no global windows, so two programs can live in one process.
#include <memory>
#include <string>
#include <string_view>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

class TProgram {
public:
    // `programFolder` holds every file the program reads or writes: the
    // executable's folder in the program, a temporary folder in tests.
    explicit TProgram(std::string programFolder);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    const std::string& ProgramFolder() const { return FProgramFolder; }
    // A file of the program folder.
    std::string FileName(std::string_view name) const;
    // The settings file, named after the program file: Kuralo.ini. The one
    // name for the existence test and for every read and write.
    std::string IniFileName() const;

    // The windows. Each exists from its place in the creation order on:
    // TForm1's creation step runs before the dialogs exist.
    TForm1& Form1() const { return *FForm1; }
    TForm2& Form2() const { return *FForm2; }
    TForm3& Form3() const { return *FForm3; }
    TForm4& Form4() const { return *FForm4; }
    TForm5& Form5() const { return *FForm5; }

    // Shows the main window and runs the message loop until it closes.
    int Run();

private:
    std::string FProgramFolder;
    std::unique_ptr<TForm1> FForm1;
    std::unique_ptr<TForm2> FForm2;
    std::unique_ptr<TForm3> FForm3;
    std::unique_ptr<TForm4> FForm4;
    std::unique_ptr<TForm5> FForm5;
};
