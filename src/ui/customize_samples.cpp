#include "ui/customize_samples.h"

#include "app/text_helpers.h"
#include "ui/customize_choices.h"
#include "ui/table_session.h"

#include <QPainter>

namespace marlowe {

namespace {

// What the board paints for a background node; the numbering is the one ChooseBackground reads.
BackgroundSettings SettingsOf(int node, long long plainColour, bool fade)
{
    BackgroundSettings settings;
    settings.fade = fade;
    if (node <= kDefaultBackgroundNode)
        return settings;
    if (node <= kLastTextureNode && node != kPlainColourNode) {
        settings.kind = BackgroundKind::Texture;
        settings.textureNumber = node;
        return settings;
    }
    settings.kind = BackgroundKind::PlainColour;
    settings.colour = BackgroundColourOf(node == kPlainColourNode ? plainColour : node);
    return settings;
}

}  // namespace

CustomizeSamples::CustomizeSamples(TableSession& session)
    : session_(session),
      background_(session.modules(), session.context().registers, session.preferences(), session,
                  session.context().mainGame.dataFolder, session.ColourCount())
{
}

QImage CustomizeSamples::Background(QSize size, std::optional<int> node, long long plainColour, bool fade)
{
    QImage sample(size, QImage::Format_RGB32);
    // Without a node the player's picture or an additional background is in effect. It is
    // copied from the board: loading it again could fail, and a failure resets the choices.
    const QImage& board = session_.painter().BackgroundImage();
    if (!node && !board.isNull()) {
        sample.fill(Qt::black);
        QPainter(&sample).drawImage(0, 0, board);
        return sample;
    }
    background_.Paint(sample, SettingsOf(node.value_or(kDefaultBackgroundNode), plainColour, fade));
    return sample;
}

QImage CustomizeSamples::Back(std::optional<int> back) const
{
    const CardPixelSize card = CardSizeOf('B');
    const QImage picture =
        back ? session_.modules().Image(CardBackName('B', ZeroPad(*back, 3))) : session_.images().Back();
    return picture.isNull() ? picture
                            : picture.scaled(card.width, card.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace marlowe
