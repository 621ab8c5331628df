#pragma once
// A dealt table drawn into an image without a window: for the command line's "render", for the
// tests that look at every game, and for anyone who wants a picture of a deal.

#include <QImage>

namespace marlowe {

class GameContext;
class ResourceModules;

struct SnapshotRequest {
    char sizeLetter = 'B';  // or 'A', "Auto": the largest card that fits the board
    int width = 1024;        // the board's client size, no toolbar or status bar
    int height = 768;
    int screenWidth = 0;     // 0: as the board
    int screenHeight = 0;
    bool shadows = true;
};

// The table of context as the board shows it: laid out for the request, the default green
// background, every pile drawn. A null image when the standard resource module is not open.
QImage RenderTable(const GameContext& context, ResourceModules& modules, const SnapshotRequest& request);

}  // namespace marlowe
