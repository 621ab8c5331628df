#pragma once
// Writes the resource modules: the made entries of each module into a staging folder with its
// Qt resource list, then `rcc --binary` into the module file, and the list files of the
// additional modules beside them.

#include "resource_makers.h"

#include <QString>
#include <QStringList>

namespace marlowe::resgen {

struct ModuleWriterSettings {
    QString outputFolder;  // the program folder: SOL.RGF here, the rest in plus/
    QString rccProgram;
    MakerSources sources;
};

// Makes every entry of the resource table and writes every module. Returns the names of the
// entries that could not be made (empty on success); a failing rcc run is reported as an entry
// named after the module.
QStringList WriteAllModules(const ModuleWriterSettings& settings);

}  // namespace marlowe::resgen
