#include "board/board_snapshot.h"

#include "app/register_settings.h"
#include "app/session_registers.h"
#include "board/board_painter.h"
#include "board/card_images.h"
#include "board/resource_modules.h"
#include "engine/game_context.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "layout/auto_card_size.h"
#include "layout/board_layout.h"

#include <QTemporaryDir>

namespace marlowe {

QImage RenderTable(const GameContext& context, ResourceModules& modules, const SnapshotRequest& request)
{
    if (!modules.IsOpen(ResourceModule::Standard))
        return {};
    // The default cards and back; nothing the player chose is read or written.
    QTemporaryDir data;
    SessionRegisters registers;
    ClearCardFileChoices(registers);
    registers.Set(reg::CardSet, "001");
    registers.Set(reg::CardBack, "011");
    RecordingPresentation quiet;
    Preferences preferences(data.path().toStdString(), registers, quiet);
    CardImages images(modules, registers, preferences, quiet, data.path().toStdString(), 16777216);
    BoardGeometry geometry;
    const LayoutRequest layout =
        PlainBoardRequest(request.width, request.height, request.screenWidth, request.screenHeight);
    char letter = request.sizeLetter;
    if (letter == kAutoSizeLetter)
        images.SetAutoCardWidth(AutoCardWidth(context.rules, layout, request.shadows, geometry));
    else if (letter = FittingFixedSize(context.rules, layout, letter, request.shadows, geometry);
             letter == kAutoSizeLetter)
        images.SetAutoCardWidth(geometry.card.cardWidth);
    images.SetCardSize(letter, context.rules[rule::SuitSheetMode]);

    if (images.IsAutoSize())
        geometry.SetCardWidth(images.cardWidth(), request.shadows, context.rules);
    else
        geometry.SetCardSize(images.SizeLetter(), request.shadows, context.rules);
    geometry.screenWidth = layout.screenWidth;
    ComputeBoardLayout(context.rules, layout, geometry);

    BoardPainter painter(context, geometry, images);
    painter.Resize(QSize(request.width, request.height));
    painter.SetLook(BoardLook{request.shadows, 0, 0});
    painter.DrawBoard();
    return painter.BoardImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace marlowe
