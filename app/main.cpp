// The program entry: the application object and the program in the
// executable's folder.
#include "app/Program.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TProgram program(TApplication::applicationDirPath().toStdString());
    return program.Run();
}
