#pragma once
// A dealt game of the shipped catalogue in a fresh data folder of its own, with the card images of
// the standard module: the common ground of the drawing benchmarks.

#include "app/register_settings.h"
#include "app/session_registers.h"
#include "board/card_images.h"
#include "board/resource_modules.h"
#include "engine/play_protocol.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace marlowe::bench {

class DealtBoard {
public:
    // deckStyle: the card set's number (1 the default deck); none leaves the register as it starts.
    DealtBoard(int game, const std::string& folderName, std::optional<int> deckStyle = std::nullopt)
        : data_(std::filesystem::temp_directory_path() / (folderName + "-" + std::to_string(game))),
          modules_(MARLOWE_BUILD_DIR)
    {
        std::filesystem::remove_all(data_);
        std::filesystem::create_directories(data_);
        mainGame_.programFolder = MARLOWE_BUILD_DIR;
        ok = mainGame_.LoadCatalogue() && modules_.Open(ResourceModule::Standard);
        protocol_ = std::make_unique<PlayProtocol>(mainGame_, data_, printed_, messages_);
        ok = ok && protocol_->Start(game, "0000000000001", false);
        if (!ok)
            return;
        ClearCardFileChoices(registers_);
        if (deckStyle)
            registers_.Set(reg::CardSet, "00" + std::to_string(*deckStyle));
        preferences_ = std::make_unique<Preferences>(data_, registers_, quiet_);
        images_ = std::make_unique<CardImages>(modules_, registers_, *preferences_, quiet_, data_, 16777216);
    }
    ~DealtBoard() { std::filesystem::remove_all(data_); }
    DealtBoard(const DealtBoard&) = delete;
    DealtBoard& operator=(const DealtBoard&) = delete;

    const GameContext& context() const { return protocol_->context(); }
    CardImages& images() { return *images_; }
    const std::filesystem::path& dataFolder() const { return data_; }

    bool ok = false;

private:
    std::filesystem::path data_;
    TMainGame mainGame_;
    ResourceModules modules_;
    std::ostringstream printed_;
    std::ostringstream messages_;
    std::unique_ptr<PlayProtocol> protocol_;
    SessionRegisters registers_;
    RecordingPresentation quiet_;
    std::unique_ptr<Preferences> preferences_;
    std::unique_ptr<CardImages> images_;
};

} // namespace marlowe::bench
