#include "render_command.h"

#include "board_options.h"
#include "scratch_folder.h"

#include "app/text_helpers.h"
#include "board/board_snapshot.h"
#include "board/resource_modules.h"
#include "engine/play_protocol.h"

#include <QGuiApplication>

#include <sstream>

namespace marlowe {

std::optional<int> RenderTableToFile(const TMainGame& mainGame, const std::vector<std::string>& arguments,
                                     std::ostream& errors)
{
    if (arguments.size() < 3)
        return std::nullopt;
    const auto number = ParseInteger(arguments[0]);
    const auto options = ParseBoardOptions(arguments, 3);
    if (!number || *number < 0 || *number > 9999 || !options)
        return std::nullopt;

    // Pictures and fonts need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "marlowe-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    ScratchFolder folder;
    std::ostringstream printed;
    std::ostringstream messages;
    PlayProtocol game(mainGame, folder.path(), printed, messages);
    if (!game.Start(static_cast<int>(*number), arguments[1], false)) {
        errors << messages.str();
        return 1;
    }
    ResourceModules modules(mainGame.programFolder);
    if (const Outcome opened = modules.Open(ResourceModule::Standard); !opened) {
        errors << "marlowe-cli: " << opened.message() << "\n";
        return 1;
    }
    SnapshotRequest request;
    request.sizeLetter = options->size;
    request.width = options->width;
    request.height = options->height;
    request.screenWidth = options->screenWidth;
    request.screenHeight = options->screenHeight;
    const QImage table = RenderTable(game.context(), modules, request);
    if (table.isNull() || !table.save(QString::fromStdString(arguments[2]), "PNG")) {
        errors << "marlowe-cli: cannot write " << arguments[2] << "\n";
        return 1;
    }
    return 0;
}

} // namespace marlowe
