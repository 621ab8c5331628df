// marlowe-gamec: compiles the game sources into the game file, the preview file "solp.dat" and the
// help pages of the folder "help" beside it and, with --hints, the hint file.
//   marlowe-gamec --output GAMES.DAT [--hints solr.dat] data/games/*.game

#include "game_compiler.h"
#include "game_file_writer.h"
#include "game_source.h"
#include "help_pages_writer.h"
#include "hint_file_writer.h"
#include "preview_file_writer.h"

#include "app/text_file.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace marlowe;

int main(int argc, char** argv)
{
    std::filesystem::path output;
    std::filesystem::path hints;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--output" && i + 1 < argc)
            output = argv[++i];
        else if (argument == "--hints" && i + 1 < argc)
            hints = argv[++i];
        else
            inputs.push_back(argument);
    }
    if (output.empty() || inputs.empty()) {
        std::cerr << "usage: marlowe-gamec --output GAMES.DAT [--hints solr.dat] SOURCE.game...\n";
        return 2;
    }

    try {
        std::vector<gamec::GameSource> sources;
        for (const auto& input : inputs) {
            std::ifstream in(input, std::ios::binary);
            if (!in) {
                std::cerr << input << ": error: cannot read the file\n";
                return 1;
            }
            std::ostringstream text;
            text << in.rdbuf();
            sources.push_back(gamec::ParseGameSource(text.str(), input));
        }
        const auto games = gamec::CompileGames(sources);
        if (!WriteTextLines(output, gamec::GameFileLines(games))) {
            std::cerr << output.string() << ": error: cannot write the game file\n";
            return 1;
        }
        // The miniatures of the selection dialog go beside the game file.
        const auto previews = output.parent_path() / kPreviewFileName;
        if (!gamec::WritePreviewFile(previews, games)) {
            std::cerr << previews.string() << ": error: cannot write the preview file\n";
            return 1;
        }
        // The help pages go into the help folder beside the game file.
        if (!gamec::WriteHelpPages(output.parent_path() / kHelpFolderName, games, sources)) {
            std::cerr << (output.parent_path() / kHelpFolderName).string() << ": error: cannot write the help pages\n";
            return 1;
        }
        if (!hints.empty() && !gamec::WriteHintFile(hints, games)) {
            std::cerr << hints.string() << ": error: cannot write the hint file\n";
            return 1;
        }
    } catch (const gamec::CompileError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
