#pragma once
// A game of the shipped catalogue (the GAMES.DAT the build wrote) driven through the play
// protocol, for the tests that play whole games.

#include "engine/play_protocol.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace marlowe::testing {

inline TMainGame ShippedCatalogue()
{
    TMainGame mainGame;
    mainGame.programFolder = MARLOWE_BUILD_DIR;
    EXPECT_TRUE(mainGame.LoadCatalogue());
    return mainGame;
}

class ProtocolGame {
public:
    ProtocolGame(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay = false)
        : protocol_(mainGame, folder_.path(), printed, messages)
    {
        started = protocol_.Start(game, dealNumber, autoplay);
    }

    std::string Run(const std::string& line) { return protocol_.Run(line); }
    GameContext& context() { return protocol_.context(); }

    bool started = false;
    std::ostringstream printed;  // what "state" and "hint" printed
    std::ostringstream messages; // what the engine told the player

private:
    TempFolder folder_;
    PlayProtocol protocol_;
};

} // namespace marlowe::testing
