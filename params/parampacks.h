#pragma once

#include <QString>

class ParamMge;

// Parameter packs on the U-disk and their transfer to the controller side: export, import, the
// technology file and the work-parameter zip. Reached through the parameter module's commands
// and invokables; the module stays a dispatcher.
class ParamPacks
{
public:
    explicit ParamPacks(ParamMge &module) : m_module(module) {}

    // strPath empty: the operator chooses the file.
    void importFile(const QString &strPath);
    void exportFile(const QString &strPath);
    void importTechFile(const QString &strPath);
    void exportTechFile(const QString &strPath);

    void tranFileToArm();
    void getFileFromArm();
    void tranRestoreSettingsToArm();
    void tranTechFileToArm();
    void getTechFileFromArm();

    void make_work_para_zip();
    void uppack_work_para_zip();

private:
    ParamMge &m_module;
};
