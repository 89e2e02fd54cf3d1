// OstrelWindowsData: one instance per user; a splash while the disks are
// read, then the main window. The program ends only through the main
// window's quit sequence, which never returns here.

#include "Application/XApplication.h"
#include "ProgramStart.h"

int main(int argc, char** argv)
{
    XApplication app(argc, argv, true, XApplication::OptionNotifySecondary, 1000);
    if (app.isSecondary())
        return 0;
    ProgramStart program(app);
    return app.exec();
}
