// A game source as the game compiler reads it: parsed, then compiled on its own. Any fault must
// come back as a CompileError naming the line, never as a crash.
#include "game_compiler.h"
#include "game_source.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace marlowe::gamec;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        CompileGames({ParseGameSource(text, "fuzz.game")});
    } catch (const CompileError&) {
    }
    return 0;
}
