#include "parampacks.h"

#include "parammge.h"

// Not built yet: every operation is accepted and does nothing.

void ParamPacks::importFile(const QString &strPath)
{
    Q_UNUSED(strPath)
}
void ParamPacks::exportFile(const QString &strPath)
{
    Q_UNUSED(strPath)
}
void ParamPacks::importTechFile(const QString &strPath)
{
    Q_UNUSED(strPath)
}
void ParamPacks::exportTechFile(const QString &strPath)
{
    Q_UNUSED(strPath)
}

void ParamPacks::tranFileToArm() {}
void ParamPacks::getFileFromArm() {}
void ParamPacks::tranRestoreSettingsToArm() {}
void ParamPacks::tranTechFileToArm() {}
void ParamPacks::getTechFileFromArm() {}

void ParamPacks::make_work_para_zip() {}
void ParamPacks::uppack_work_para_zip() {}
