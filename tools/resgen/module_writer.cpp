#include "module_writer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtConcurrent/QtConcurrentMap>

namespace marlowe::resgen {
namespace {

constexpr ResourceModule kModules[] = {ResourceModule::Standard, ResourceModule::ExtraLarge,
                                       ResourceModule::AdditionalCardSets, ResourceModule::AdditionalBacks,
                                       ResourceModule::AdditionalBackgrounds};

struct MadeEntry {
    const ResourceEntry* entry = nullptr;
    QByteArray bytes;
};

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString ModuleStem(ResourceModule module)
{
    return QFileInfo(QString::fromStdString(ModuleFileName(module))).completeBaseName().toLower();
}

// Stages the module's entries with their resource list and packs them into the module file.
bool PackModule(ResourceModule module, const std::vector<MadeEntry>& made, const ModuleWriterSettings& settings)
{
    const QString stage = settings.outputFolder + "/resource-stage/" + ModuleStem(module);
    QDir(stage).removeRecursively();
    QString list = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const MadeEntry& item : made) {
        if (item.entry->module != module || item.bytes.isEmpty())
            continue;
        const QString path = EntryPath(*item.entry);
        if (!WriteFile(stage + "/" + path, item.bytes))
            return false;
        list += "  <file>" + path + "</file>\n";
    }
    list += "</qresource>\n</RCC>\n";
    const QString listPath = stage + "/module.qrc";
    if (!WriteFile(listPath, list.toUtf8()))
        return false;

    const QString target = settings.outputFolder + "/" + QString::fromStdString(ModuleFileName(module));
    QDir().mkpath(QFileInfo(target).path());
    QProcess rcc;
    rcc.setWorkingDirectory(stage);
    rcc.start(settings.rccProgram, {"--binary", "--no-compress", "module.qrc", "-o", target});
    return rcc.waitForFinished(-1) && rcc.exitStatus() == QProcess::NormalExit && rcc.exitCode() == 0;
}

bool WriteListFile(ResourceModule module, const QString& outputFolder)
{
    const std::string listName = ModuleListFileName(module);
    if (listName.empty())
        return true;
    QByteArray text;
    for (const ListedResource& listed : ListedResources(module))
        text += QByteArray::fromStdString(listed.resourceName + "=" + listed.displayName + "\n");
    return WriteFile(outputFolder + "/" + QString::fromStdString(listName), text);
}

}  // namespace

QStringList WriteAllModules(const ModuleWriterSettings& settings)
{
    const std::vector<ResourceEntry>& entries = AllResourceEntries();
    std::vector<MadeEntry> made(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        made[i].entry = &entries[i];
    QtConcurrent::blockingMap(made, [&settings](MadeEntry& item) {
        item.bytes = MakeEntryBytes(*item.entry, settings.sources);
    });

    QStringList failures;
    for (const MadeEntry& item : made)
        if (item.bytes.isEmpty())
            failures << QString::fromStdString(item.entry->name);
    for (ResourceModule module : kModules) {
        if (!PackModule(module, made, settings))
            failures << QString::fromStdString(ModuleFileName(module));
        if (!WriteListFile(module, settings.outputFolder))
            failures << QString::fromStdString(ModuleListFileName(module));
    }
    return failures;
}

}  // namespace marlowe::resgen
