#pragma once
// The resource modules beside the program (SOL.RGF and the modules of the plus folder), opened
// as Qt binary resources, and the named entries inside them. Names are looked up without regard
// to case, as the program has always spelt some of them in two ways ("Joker_L", "JOKER_L").

#include "app/outcome.h"
#include "resources/resource_names.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace marlowe {

class Presentation;

// A picture of an additional module that cannot be loaded: the player is told to reinstall the
// add-on ("Card Set", "Deck", "Background" and the display name), and the data folder's
// "Rnd_read.dat", which would pick from the add-on again, is deleted.
void ReportAdditionalPictureFailure(Presentation& presentation, const std::filesystem::path& dataFolder,
                                    std::string_view what, std::string_view name);

class ResourceModules {
public:
    explicit ResourceModules(std::filesystem::path programFolder);
    ~ResourceModules();
    ResourceModules(const ResourceModules&) = delete;
    ResourceModules& operator=(const ResourceModules&) = delete;

    // Opens a module once; later calls answer at once. On failure the message is
    // "Can't find/load " and the module's full path in lower case.
    Outcome Open(ResourceModule module);
    bool IsOpen(ResourceModule module) const;
    std::filesystem::path PathOf(ResourceModule module) const;

    bool Has(std::string_view name) const;
    // The picture of a named entry of an open module; a null image when there is none.
    QImage Image(std::string_view name) const;
    // The raw bytes of a named entry (a WAVE sound, a JPEG background); empty when there is none.
    QByteArray Data(std::string_view name) const;

    // The resource name that a module's list file gives for a display name: the part before "="
    // of the first line whose end equals the name. Empty when the list does not hold it.
    std::string ListedResourceName(ResourceModule module, std::string_view displayName) const;

    // The resource path of a named entry (":/module0/WAVE/STOCK.wav"), or empty.
    QString EntryPath(std::string_view name) const;

private:

    std::filesystem::path programFolder_;
    std::set<ResourceModule> open_;
    QHash<QString, QString> entries_;  // upper-case name -> resource path
};

}  // namespace marlowe
