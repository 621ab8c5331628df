// marlowe-resgen: makes the resource modules (SOL.RGF and the modules of the plus folder) that the
// program loads its pictures, cursors and sounds from.
//
//   marlowe-resgen --output FOLDER --rcc PROGRAM [--decks FOLDER] [--icons FOLDER]
//   marlowe-resgen --application-icon SVG --output THEME-FOLDER

#include "application_icons.h"
#include "module_writer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The SVG renderer and fonts need a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    marlowe::resgen::ModuleWriterSettings settings;
    settings.sources.deckFolder = "/usr/share/carddecks";
    settings.sources.iconFolder = "/usr/share/icons/breeze";
    QString applicationIcon;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--output" && hasValue)
            settings.outputFolder = args[++i];
        else if (arg == "--rcc" && hasValue)
            settings.rccProgram = args[++i];
        else if (arg == "--decks" && hasValue)
            settings.sources.deckFolder = args[++i];
        else if (arg == "--icons" && hasValue)
            settings.sources.iconFolder = args[++i];
        else if (arg == "--application-icon" && hasValue)
            applicationIcon = args[++i];
        else {
            std::fprintf(stderr, "marlowe-resgen: unknown argument %s\n", qPrintable(arg));
            return 2;
        }
    }
    if (!applicationIcon.isEmpty() && !settings.outputFolder.isEmpty()) {
        const QString name = QFileInfo(applicationIcon).completeBaseName();
        const QStringList failures = marlowe::resgen::WriteApplicationIcons(applicationIcon, settings.outputFolder, name);
        for (const QString& file : failures)
            std::fprintf(stderr, "marlowe-resgen: could not make %s\n", qPrintable(file));
        return failures.isEmpty() ? 0 : 1;
    }
    if (settings.outputFolder.isEmpty() || settings.rccProgram.isEmpty()) {
        std::fprintf(stderr, "usage: marlowe-resgen --output FOLDER --rcc PROGRAM [--decks FOLDER] "
                             "[--icons FOLDER]\n"
                             "       marlowe-resgen --application-icon SVG --output THEME-FOLDER\n");
        return 2;
    }

    const QStringList failures = marlowe::resgen::WriteAllModules(settings);
    for (const QString& name : failures)
        std::fprintf(stderr, "marlowe-resgen: could not make %s\n", qPrintable(name));
    return failures.isEmpty() ? 0 : 1;
}
