#pragma once
// The miniature table of the game selection dialog: the 99 small pictures the preview records
// name, cut and masked once from the resource module, and the preview drawn from a game's
// records on the dialog's green backdrop.

#include "catalogue/preview_file.h"

#include <QImage>

#include <array>
#include <optional>
#include <vector>

namespace marlowe {

class ResourceModules;

// The backdrop behind the miniature; the pieces' edges were settled against this green.
inline constexpr QRgb kPreviewBackdrop = 0xff007038;
// The colour that stands for "transparent" in the module's opaque pictures.
inline constexpr QRgb kColourKey = 0xffff00ff;

// A copy of an opaque picture in which the pixels of the key colour are transparent.
QImage KeyedTransparent(const QImage& picture, QRgb key = kColourKey);

class MiniaturePictures {
public:
    // Builds every picture from the open standard module; a picture the module lacks stays null
    // and is left out of the drawing.
    explicit MiniaturePictures(const ResourceModules& modules);

    // Picture number 1..99 of the records; a null image for any other number.
    const QImage& Picture(int number) const;

private:
    std::array<QImage, miniature::Count> pictures_;
};

// The preview of game number: its records on the backdrop; without records, the module's
// picture "GAME" + the number in four digits centred at the top (its top-left colour taken as
// transparent), or the bare backdrop when the module has none.
QImage DrawPreview(const MiniaturePictures& pictures, const ResourceModules& modules,
                   const std::optional<std::vector<PreviewRecord>>& records, int number);

// The picture of the product page: the four Aces and the joker fanned on the backdrop.
QImage DrawProductPicture(const MiniaturePictures& pictures);

} // namespace marlowe
