// The sounds of the shipped module reach the player by name; a name without a sound stops what
// plays instead of failing, and nothing breaks without an audio device.

#include "board/resource_modules.h"
#include "ui/sound_player.h"

#include <gtest/gtest.h>

using namespace marlowe;

TEST(SoundPlayerTest, PlaysTheModulesSoundsByNameAndStopsOnAnUnknownOne)
{
    ResourceModules modules(MARLOWE_BUILD_DIR);
    ASSERT_TRUE(modules.Open(ResourceModule::Standard));
    SoundPlayer player(modules);
    for (const std::string& name : SoundNames())
        EXPECT_TRUE(player.Play(name, name == "Redeal" ? SoundMode::Looping : SoundMode::Once)) << name;
    EXPECT_TRUE(player.Play("New", SoundMode::NoInterrupt));
    EXPECT_FALSE(player.Play("_tmp_stop_", SoundMode::Once));
    player.Stop();
}
