#include "board/resource_modules.h"

#include "app/text_file.h"
#include "engine/presentation.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QResource>

#include <algorithm>

namespace marlowe {
namespace {

// Each module is mapped under a root of its own, so entries of two modules never meet.
QString RootOf(ResourceModule module)
{
    return "/module" + QString::number(static_cast<int>(module));
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

void ReportAdditionalPictureFailure(Presentation& presentation, const std::filesystem::path& dataFolder,
                                    std::string_view what, std::string_view name)
{
    presentation.ShowInfo("Error loading the " + std::string(what) + ": " + std::string(name) + "\n" +
                          "Please install again Kestrel Plus!");
    std::error_code ignored;
    std::filesystem::remove(FindFileNoCase(dataFolder, "Rnd_read.dat"), ignored);
}

ResourceModules::ResourceModules(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder))
{
}

ResourceModules::~ResourceModules()
{
    for (ResourceModule module : open_)
        QResource::unregisterResource(QString::fromStdString(PathOf(module).string()), RootOf(module));
}

std::filesystem::path ResourceModules::PathOf(ResourceModule module) const
{
    return programFolder_ / ModuleFileName(module);
}

Outcome ResourceModules::Open(ResourceModule module)
{
    if (IsOpen(module))
        return Outcome::Success();
    const std::filesystem::path path = PathOf(module);
    const QString root = RootOf(module);
    if (!QResource::registerResource(QString::fromStdString(path.string()), root))
        return Outcome::Failure("Can't find/load " + Lower(path.string()));
    open_.insert(module);
    QDirIterator files(":" + root, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString entry = files.next();
        entries_.insert(QFileInfo(entry).completeBaseName().toUpper(), entry);
    }
    return Outcome::Success();
}

bool ResourceModules::IsOpen(ResourceModule module) const
{
    return open_.count(module) > 0;
}

QString ResourceModules::EntryPath(std::string_view name) const
{
    return entries_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper());
}

bool ResourceModules::Has(std::string_view name) const
{
    return !EntryPath(name).isEmpty();
}

QImage ResourceModules::Image(std::string_view name) const
{
    const QString path = EntryPath(name);
    return path.isEmpty() ? QImage() : QImage(path);
}

QByteArray ResourceModules::Data(std::string_view name) const
{
    const QString path = EntryPath(name);
    if (path.isEmpty())
        return {};
    const QResource resource(path);
    return resource.uncompressedData();
}

std::string ResourceModules::ListedResourceName(ResourceModule module, std::string_view displayName) const
{
    const std::string listName = ModuleListFileName(module);
    if (listName.empty() || displayName.empty())
        return {};
    const auto lines = ReadTextLines(programFolder_ / listName);
    if (!lines)
        return {};
    for (const std::string& line : *lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || line.size() < displayName.size())
            continue;
        if (line.compare(line.size() - displayName.size(), displayName.size(), displayName) == 0)
            return line.substr(0, equals);
    }
    return {};
}

}  // namespace marlowe
