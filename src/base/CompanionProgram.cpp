#include "base/CompanionProgram.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>

namespace velkora {

Q_LOGGING_CATEGORY(lcCompanion, "velkora.companion")

bool startCompanionProgram(const ProgramFolder &folder, const QString &name) {
    const QString program = folder.path(name);
    if (QFileInfo(program).isExecutable() && QProcess::startDetached(program, {}, folder.dir()))
        return true;
    qCWarning(lcCompanion) << "program not started:" << program;
    return false;
}

} // namespace velkora
