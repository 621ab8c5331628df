#include "board_options.h"

#include "app/text_helpers.h"
#include "layout/card_geometry.h"
#include "resources/resource_names.h"

namespace marlowe {

std::optional<BoardOptions> ParseBoardOptions(const std::vector<std::string>& arguments, std::size_t first)
{
    BoardOptions options;
    for (std::size_t i = first; i < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        if (i + 1 >= arguments.size())
            return std::nullopt;
        const std::string& value = arguments[i + 1];
        if (option == "--size") {
            if (EqualsNoCase(value, "Auto")) {
                options.size = kAutoSizeLetter;
                continue;
            }
            if (value.size() != 1 || kCardSizeLetters.find(value[0]) == std::string_view::npos)
                return std::nullopt;
            options.size = value[0];
            continue;
        }
        const auto number = ParseInteger(value);
        if (!number || *number < 1 || *number > 20000)
            return std::nullopt;
        const int pixels = static_cast<int>(*number);
        if (option == "--width")
            options.width = pixels;
        else if (option == "--height")
            options.height = pixels;
        else if (option == "--screen-width")
            options.screenWidth = pixels;
        else if (option == "--screen-height")
            options.screenHeight = pixels;
        else
            return std::nullopt;
    }
    return options;
}


} // namespace marlowe
