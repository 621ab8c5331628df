#pragma once
// A test suite over the shipped catalogue (the GAMES.DAT the build wrote), loaded once for the
// suite, handing out each game's rule vector.

#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"

#include <gtest/gtest.h>

#include <memory>

namespace marlowe::testing {

class ShippedRulesSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        mainGame = std::make_unique<TMainGame>();
        mainGame->programFolder = MARLOWE_BUILD_DIR;
        ASSERT_TRUE(mainGame->LoadCatalogue());
    }
    static void TearDownTestSuite() { mainGame.reset(); }

    static RuleVector Rules(int number)
    {
        RuleVector rules;
        EXPECT_TRUE(LoadRules(*mainGame, number, rules)) << number;
        return rules;
    }

    static inline std::unique_ptr<TMainGame> mainGame;
};

} // namespace marlowe::testing
