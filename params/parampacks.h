#pragma once

#include "archive.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

#include <functional>

class ParamMge;

// Parameter packs on the U-disk and their transfer to the controller side: export, import, the
// technology file and the work-parameter zip, and the module's archive operations. Reached
// through the parameter module's commands and invokables; the module stays a dispatcher.
//
// A pack is an INI file with one section per parameter file: [global.ini] holds the global
// parameters, [param_mge.ini] the module's own. The key set comes from the files on disk, the
// values from the live parameters.
class ParamPacks
{
    Q_DECLARE_TR_FUNCTIONS(ParamPacks)
public:
    explicit ParamPacks(ParamMge &module) : m_module(module) {}

    // What a file dialog is asked for; the answer is the chosen name, empty when cancelled.
    struct FileRequest
    {
        bool save = false;
        QString caption;
        QString start;
        QString filter;
    };
    using FileChooser = std::function<QString(const FileRequest &)>;
    // Replaces the file dialog (tests); nullptr restores it.
    static void setFileChooser(FileChooser chooser);

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

    // The archive operations, with the module's log, progress signal and warning boxes.
    Archive::Result compression_file_my(const QString &srcPath, const QString &destPath,
                                        const QString &strSuffix);
    Archive::Result decompression_file_my(const QString &srcPathAndName, const QString &destPath);

    // One section of a pack, as "section/key" -> value.
    void exportSubFile(const QString &ini_file, QMap<QString, QString> &pack);
    void importSubFile_para(const QString &ini_file, const QMap<QString, QString> &pack);

private:
    // Writes the pack file; false when it could not be written.
    bool writePack(const QString &file);
    bool exportTo(const QString &file);
    // Imports a pack file; false when it could not be read (nothing is imported then).
    bool importFrom(const QString &file);
    // The full transfer into work folder "AllParam" or "RestoreSettings" of the configuration.
    void transferAll(const QString &folder, const QString &sendCommand);
    void progress(double value);
    QString chooseFile(const FileRequest &request) const;
    bool udiskReady(QString *folder);

    ParamMge &m_module;
};
