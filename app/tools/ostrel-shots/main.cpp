// ostrel-shots --out DIR   one PNG per toolkit widget and state, for review
// ostrel-shots --show      a gallery window to try the widgets by hand

#include "Application/XApplication.h"
#include "Gallery.h"
#include "ImageResources.h"
#include "Shots.h"

#include <QCommandLineParser>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    XApplication app(argc, argv);
    initImageResources();
    QCommandLineParser parser;
    parser.setApplicationDescription("Screenshots and gallery of the widget toolkit");
    parser.addHelpOption();
    const QCommandLineOption out("out", "Write one PNG per widget and state into <folder>.", "folder");
    const QCommandLineOption show("show", "Open the gallery window instead.");
    parser.addOption(out);
    parser.addOption(show);
    parser.process(app);

    if (parser.isSet(show)) {
        QTemporaryDir pictures;
        Gallery gallery(pictures.path());
        gallery.show();
        return app.exec();
    }
    if (!parser.isSet(out))
        parser.showHelp(2);
    return writeShots(parser.value(out)) == 0 ? 0 : 1;
}
