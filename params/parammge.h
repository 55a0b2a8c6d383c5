#pragma once

#include "basemodule.h"
#include "folderqueries.h"

#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>

class Command;
class CommandTable;
class MaterialLibrary;
class OtherMachineMaterials;
class ParamPacks;

// The parameter module: the panel's file-based data (technology library, users and their
// materials, parameter packs) and the folder queries of the screens. It only dispatches: the
// work is done by small classes by concern, each usable without the module host.
class ParamMge : public BaseModule
{
    Q_OBJECT
public:
    explicit ParamMge(const QString &name = QStringLiteral("param_mge"));
    ~ParamMge() override;

    void init() override;
    void handle_cmd(QString cmd) override;

    // ---- screen-facing operations --------------------------------------------------------------
    Q_INVOKABLE QString get_time();
    Q_INVOKABLE QString get_time_z();
    Q_INVOKABLE QString get_config_path() { return m_strParaPath; }
    Q_INVOKABLE QString get_TechLibrary_path() { return m_strTechPath; }
    Q_INVOKABLE void refresh_para();
    Q_INVOKABLE void updateCameraVisible(bool bStd);

    // Material library.
    Q_INVOKABLE void reload_para_pack();
    Q_INVOKABLE QVariantList get_all_material_dirs();
    Q_INVOKABLE QVariantList get_curTextureValue();
    Q_INVOKABLE QVariant get_curTextureIndex();

    // Users and self-materials.
    Q_INVOKABLE void add_new_user(QString strUserName, QString strPassword);
    Q_INVOKABLE int delete_user(QString strUserName);
    Q_INVOKABLE bool modify_user(QString strUserName, QString strNewUserName);
    Q_INVOKABLE int add_new_selfmaterial(QString materialpath, QString filename);
    Q_INVOKABLE int delete_selfmaterial(QString materialfilepath, int showquestion = 1);
    Q_INVOKABLE bool modify_selfmaterial(QString sFileNamePath, QString sNewFileNamePath);
    Q_INVOKABLE QVariantList get_all_username_dirs();

    // Parameter packs.
    Q_INVOKABLE void importFile(QString strPath = QString());
    Q_INVOKABLE void exportFile(QString strPath = QString());
    Q_INVOKABLE void importTechFile(QString strPath = QString());
    Q_INVOKABLE void exportTechFile(QString strPath = QString());
    Q_INVOKABLE void tranFileToArm();
    Q_INVOKABLE void getFileFromArm();
    Q_INVOKABLE void tranRestoreSettingsToArm();
    Q_INVOKABLE void tranTechFileToArm();
    Q_INVOKABLE void getTechFileFromArm();
    // Archives of folder trees (no screen command reaches them).
    void compression_file_my(QString srcPath, QString destPath, QString strSuffix);
    void decompression_file_my(QString srcPathAndName, QString destPath);

    // Folder and file queries.
    Q_INVOKABLE QStringList get_all_file(QString path, QString filter = QStringLiteral("*"));
    Q_INVOKABLE QStringList get_all_filesname(QString path, QString filter = QStringLiteral("*"));
    Q_INVOKABLE QStringList get_all_files(QString path, QString filter = QStringLiteral("*"),
                                          int nAndDir = 0);
    Q_INVOKABLE QVariantList get_all_dirs(QString path);
    Q_INVOKABLE QVariantList get_dest_dirs(QString para_name);
    Q_INVOKABLE QVariantList get_all_pack_dirs();
    Q_INVOKABLE QVariantList get_all_tech_dirs();
    Q_INVOKABLE QVariantList get_production_data();
    Q_INVOKABLE QVariantList get_para_selector(QString paratile);
    Q_INVOKABLE QVariantList get_laser_tech();
    Q_INVOKABLE QVariant get_foldernum(QString title);
    Q_INVOKABLE int check_file_exist(QString filepath);
    Q_INVOKABLE int check_dir_exist(QString dirpath, int nmkdir = 0);
    Q_INVOKABLE bool delete_file(QString strPath);
    bool _clearDir(const QString &path);

    // Language, version, network name.
    Q_INVOKABLE int change_language(int nIndex);
    Q_INVOKABLE void show_soft_version();
    Q_INVOKABLE QString get_ssid();

    // Single keys of material files, for the screens.
    Q_INVOKABLE QString try_get_path_fp_para(QString path, QString dir, QString file, QString key,
                                             QString defaultValue) const;
    Q_INVOKABLE void set_path_fp_para(QString path, QString dir, QString file, QString key,
                                      QString value);

    // For other code: where send_para writes.
    void set_cur_module(const QString &strModuleID) { m_strCurModuleID = strModuleID; }
    void send_para(const QString &strParaName, const QVariant &varValue);

    // The helpers by concern, for the code that works on the same data.
    MaterialLibrary &library() { return *m_library; }
    ParamPacks &packs() { return *m_packs; }
    OtherMachineMaterials &otherMaterials() { return *m_other; }
    const DataDeleter &deleter() const { return m_deleter; }

    QString m_strTechPath;   // ".../Config/TechLibrary/"
    QString m_strParaPath;   // ".../Config/"
    QString m_strRootPath;   // application folder, "/" at the end
    QString m_strVisionPath; // ".../Vision/"
    QString m_strCurModuleID;
    double m_dLastMaterialThick = 0;
    double m_dLastThcikOffset = 0;

signals:
    void qml_recvlog(QString str);
    void update_paralist();
    void qml_show_UserInformation();
    void qml_show_TemperatureSet();
    void qml_deletefile_Done();
    void qml_change_language(int nIndex);

private:
    void qml_cmd(const QString &remainder);
    void tcp_file_transfer(const QString &remainder);
    void restore_default_set();
    // Folders may move in init: the helpers follow.
    void rebuildHelpers();
    void showDeferredInfo(const QString &info);

    DataDeleter m_deleter;
    std::unique_ptr<MaterialLibrary> m_library;
    std::unique_ptr<ParamPacks> m_packs;
    std::unique_ptr<OtherMachineMaterials> m_other;
    std::unique_ptr<CommandTable> m_firstLevel;
    std::unique_ptr<CommandTable> m_screen;
};
