#include "layout_command.h"

#include "board_options.h"

#include "app/text_helpers.h"
#include "layout/auto_card_size.h"
#include "layout/board_layout.h"
#include "resources/resource_names.h"
#include "catalogue/rule_loader.h"
#include "catalogue/custom_games.h"

namespace marlowe {


std::optional<int> PrintLayout(const TMainGame& mainGame, const std::vector<std::string>& arguments, std::ostream& out,
                               std::ostream& errors)
{
    const auto number = arguments.empty() ? std::nullopt : ParseInteger(arguments[0]);
    const auto options = ParseBoardOptions(arguments, 1);
    if (!number || *number < 0 || *number > 9999 || !options)
        return std::nullopt;
    const int game = static_cast<int>(*number);
    if (game < kFirstCustomGameNumber && mainGame.CatalogueIndex(game) < 0) {
        errors << "marlowe-cli: there is no game " << game << "\n";
        return 2;
    }
    RuleVector rules;
    if (const auto loaded = LoadRules(mainGame, game, rules); !loaded) {
        errors << "marlowe-cli: " << loaded.message() << "\n";
        return 1;
    }
    const LayoutRequest request =
        PlainBoardRequest(options->width, options->height, options->screenWidth, options->screenHeight);
    BoardGeometry board;
    if (options->size == kAutoSizeLetter) {
        AutoCardWidth(rules, request, false, board);
        out << "# card " << board.card.cardWidth << ' ' << board.card.cardHeight << '\n';
    } else if (FittingFixedSize(rules, request, options->size, false, board) != options->size) {
        out << "# card " << board.card.cardWidth << ' ' << board.card.cardHeight << '\n';
    }
    for (const PileRef pile : PilesOnBoard(rules)) {
        const Place place = board.PlaceOf(pile);
        const bool placed = IsPlaced(place.x);
        out << PileName(pile) << ' ' << (placed ? place.x : NotPlaced) << ' ' << (placed ? place.y : NotPlaced) << '\n';
    }
    return 0;
}

} // namespace marlowe
