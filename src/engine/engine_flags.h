#pragma once
// The engine's byte flags, shared by the lifecycle, the moves and the window.

#include <array>
#include <cstdint>

namespace marlowe {

enum EngineFlag {
    GameInProgress = 2,         // a deal has been made and the game has not been ended
    ClockRunning = 3,
    FirstActivationPending = 4,
    PointerState = 5,
    WinAnimationRunning = 6,
    WonMark = 8,                // the position is won
    StopAutoPlay = 9,
};

class EngineFlags {
public:
    bool operator[](EngineFlag flag) const { return flags_[flag] != 0; }
    void Set(EngineFlag flag, bool on = true) { flags_[flag] = on ? 1 : 0; }
    void Clear(EngineFlag flag) { flags_[flag] = 0; }
    void ClearAll() { flags_.fill(0); }

private:
    std::array<std::uint8_t, 10> flags_{};
};

} // namespace marlowe
