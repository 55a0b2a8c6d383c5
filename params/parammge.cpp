#include "parammge.h"

#include "board.h"
#include "commandstring.h"
#include "inifile.h"
#include "materiallibrary.h"
#include "othermachinematerials.h"
#include "panelinfo.h"
#include "parampacks.h"
#include "paths.h"
#include "qmlsignal.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTime>

using FolderQueries::toVariantList;

ParamMge::ParamMge(const QString &name) : BaseModule(name, QStringLiteral("null"))
{
    const QString project = Paths::projectDir();
    m_strTechPath = QStringLiteral("%1/Config/TechLibrary/").arg(project);
    m_strParaPath = QStringLiteral("%1/Config/").arg(project);
    m_strRootPath = QStringLiteral("%1/").arg(project);
    m_strVisionPath = QStringLiteral("%1/Vision/").arg(project);
    rebuildHelpers();
    vlog(QStringLiteral("参数管理ParamMge注册完成"));
    m_trans = QmlSignal::get_instance();

    m_firstLevel.reset(new CommandTable{
        {QStringLiteral("importFile"),
         [this](const Command &) {
             m_packs->importFile(QString());
         }},
        {QStringLiteral("exportFile"),
         [this](const Command &) {
             m_packs->exportFile(QString());
         }},
        {QStringLiteral("tranFileToArm"),
         [this](const Command &) {
             m_packs->tranFileToArm();
         }},
        {QStringLiteral("getFileFromArm"),
         [this](const Command &) {
             m_packs->getFileFromArm();
         }},
        {QStringLiteral("Tcp_FileTransfer"),
         [this](const Command &c) {
             tcp_file_transfer(c.remainder());
         }},
        {QStringLiteral("ComTcpClient"),
         [this](const Command &c) {
             tcp_file_transfer(c.remainder());
         }},
        {QStringLiteral("HalconDKJ"),
         [this](const Command &c) {
             m_other->halconDKJ(c.remainder());
         }},
        {QStringLiteral("delete_material"),
         [this](const Command &c) {
             if (c.has(3))
                 m_other->deleteMaterial(c.at(1), c.at(2));
         }},
        {QStringLiteral("Qml"),
         [this](const Command &c) {
             qml_cmd(c.remainder());
         }},
        {QStringLiteral("reload_para_pack"),
         [this](const Command &) {
             reload_para_pack();
         }},
    });

    // Commands that name a material carry no field check on the sending side; one without the
    // name is ignored rather than run on an empty name.
    auto named = [](std::function<void(const QString &)> op) {
        return [op](const Command &c) {
            if (c.has(2))
                op(c.at(1));
        };
    };
    m_screen.reset(new CommandTable{
        {QStringLiteral("new_texture"),
         named([this](const QString &n) { m_other->new_texture(n); })},
        {QStringLiteral("GlueVision_new_texture"),
         named([this](const QString &n) { m_other->glueVision_new_texture(n); })},
        {QStringLiteral("modify_texture"),
         named([this](const QString &n) { m_other->modify_texture(n); })},
        {QStringLiteral("GlueVision_modify_texture"),
         named([this](const QString &n) { m_other->glueVision_modify_texture(n); })},
        {QStringLiteral("material_change"),
         named([this](const QString &n) { m_other->material_change(n); })},
        {QStringLiteral("thickoffset"),
         named([this](const QString &n) { m_other->thickoffset(n); })},
        {QStringLiteral("current_material"),
         named([this](const QString &n) { m_other->current_material(n); })},
        {QStringLiteral("fresh_parameter"),
         [this](const Command &) {
             refresh_para();
         }},
        {QStringLiteral("make_work_para_zip"),
         [this](const Command &) {
             m_packs->make_work_para_zip();
         }},
        {QStringLiteral("uppack_work_para_zip"),
         [this](const Command &) {
             m_packs->uppack_work_para_zip();
         }},
        {QStringLiteral("RestoreDefaultSet"),
         [this](const Command &) {
             restore_default_set();
         }},
        {QStringLiteral("AddNewMaterial"),
         [this](const Command &c) {
             if (c.has(4))
                 m_other->AddNewMaterial(c.at(1), c.at(2), c.toInt(3));
         }},
        {QStringLiteral("add_new_user"),
         [this](const Command &c) {
             if (c.has(3))
                 add_new_user(c.at(1), c.at(2));
         }},
        {QStringLiteral("delete_file"),
         [this](const Command &c) {
             if (c.has(2) && delete_file(c.at(1)))
                 emit qml_show_UserInformation();
         }},
        {QStringLiteral("add_new_selfmaterial"),
         [this](const Command &c) {
             if (c.has(3) && add_new_selfmaterial(c.at(1), c.at(2)) == 0)
                 emit qml_show_TemperatureSet();
         }},
        {QStringLiteral("delete_selfmaterial"),
         [this](const Command &c) {
             if (!c.has(3) || !delete_file(c.at(1)))
                 return;
             const int index = c.toInt(2);
             const int current =
                 try_get_ini_para(QStringLiteral("m_strMaterialSelNameIndex"), QStringLiteral("0"))
                     .toInt();
             if (index == current) {
                 qDebug() << "删除的自定义材质是当前使用的材质" << index << current;
                 set_ini_para(QStringLiteral("m_strMaterialSelNameIndex"), QStringLiteral("0"));
             }
             emit qml_deletefile_Done();
         }},
        {QStringLiteral("change_language"),
         [this](const Command &c) {
             if (c.has(2))
                 emit qml_change_language(c.toInt(1));
         }},
    });
}

ParamMge::~ParamMge() = default;

void ParamMge::rebuildHelpers()
{
    m_deleter.setFolders({m_strParaPath, m_strVisionPath},
                         {m_strTechPath, m_strTechPath + QStringLiteral("MainMaterial")});
    m_library.reset(new MaterialLibrary(m_strTechPath, m_deleter));
    if (!m_packs)
        m_packs.reset(new ParamPacks(*this));
    if (!m_other)
        m_other.reset(new OtherMachineMaterials(*this));
}

void ParamMge::init()
{
    const QString app = Paths::executableDir();
    if (QFileInfo(app + QStringLiteral("/Config/TechLibrary")).isDir())
        m_strTechPath = app + QStringLiteral("/Config/TechLibrary/");
    if (QFileInfo(app + QStringLiteral("/Config")).isDir()) {
        m_strParaPath = app + QStringLiteral("/Config/");
        m_strRootPath = app + QStringLiteral("/");
    }
    if (QFileInfo(app + QStringLiteral("/Vision")).isDir())
        m_strVisionPath = app + QStringLiteral("/Vision/");
    rebuildHelpers();

    if (get_all_pack_dirs().isEmpty())
        showDeferredInfo(tr("工艺库缺失"));
}

void ParamMge::showDeferredInfo(const QString &info)
{
    set_ini_para(QStringLiteral("m_strMessageInfo"), info);
    set_ini_para(QStringLiteral("m_strMessageCmd"), QString());
    emit m_trans->qml_test(QString());
}

void ParamMge::handle_cmd(QString cmd)
{
    m_firstLevel->dispatch(cmd);
}

void ParamMge::qml_cmd(const QString &remainder)
{
    m_screen->dispatch(remainder);
}

void ParamMge::tcp_file_transfer(const QString &remainder)
{
    const Command command(remainder);
    if (command.tag() == QLatin1String("importFile") && command.has(2))
        m_packs->importFile(command.at(1));
}

// ---- small services
// ------------------------------------------------------------------------------

QString ParamMge::get_time()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss "));
}

QString ParamMge::get_time_z()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz "));
}

void ParamMge::refresh_para()
{
    emit m_trans->qml_fresh_parameter();
}

void ParamMge::updateCameraVisible(bool bStd)
{
    emit m_trans->updata_camera_visible(bStd);
}

void ParamMge::send_para(const QString &strParaName, const QVariant &varValue)
{
    BaseModule *module = get_module_base(m_strCurModuleID);
    if (module)
        module->set_ini_para(strParaName, varValue.toString());
}

QString ParamMge::try_get_path_fp_para(QString path, QString dir, QString file, QString key,
                                       QString defaultValue) const
{
    return BaseModule::try_get_path_fp_para(path, dir, file, key, defaultValue);
}

void ParamMge::set_path_fp_para(QString path, QString dir, QString file, QString key, QString value)
{
    BaseModule::set_path_fp_para(path, dir, file, key, value);
}

// ---- material library
// ------------------------------------------------------------------------------

void ParamMge::reload_para_pack()
{
    const int machType =
        try_get_ini_para(QStringLiteral("m_nMachType"), QStringLiteral("0")).toInt();
    switch (machType) {
    case 0:
    case 1:
    case 2: {
        set_local_para(QStringLiteral("m_strPackName"), QStringLiteral("KT420"));
        const QVariantList materials = get_all_material_dirs();
        if (!materials.isEmpty())
            set_local_para(QStringLiteral("m_strMaterialName"), materials.first().toString());
        break;
    }
    case 3:
        set_local_para(QStringLiteral("m_strPackName"), QStringLiteral("VAZiza1080"));
        set_local_para(QStringLiteral("m_strMaterialName"), QStringLiteral("Cloth"));
        break;
    case 4:
        set_local_para(QStringLiteral("m_strPackName"), QStringLiteral("MainMaterial"));
        break;
    default:
        break;
    }
}

QVariantList ParamMge::get_all_material_dirs()
{
    return toVariantList(FolderQueries::folderListing(
        m_strTechPath + get_local_para(QStringLiteral("m_strPackName"))));
}

QVariantList ParamMge::get_curTextureValue()
{
    return m_other->get_curTextureValue();
}

QVariant ParamMge::get_curTextureIndex()
{
    return m_other->get_curTextureIndex();
}

void ParamMge::restore_default_set()
{
    const QStringList failed = m_library->deleteAllUsers();
    m_library->addNewUser(MaterialLibrary::kDefaultUser, MaterialLibrary::kDefaultPassword);
    if (failed.isEmpty()) {
        set_ini_para(QStringLiteral("m_strMessageInfo"), tr("恢复出厂设置完成,请重新开机!"));
        set_ini_para(QStringLiteral("m_strMaterialSelNameIndex"), QStringLiteral("0"));
        set_ini_para(QStringLiteral("m_curUserName"), MaterialLibrary::kDefaultUser);
        set_ini_para(QStringLiteral("m_nBright"), QStringLiteral("100"));
        send_cmd(QStringLiteral("tavrio"), QStringLiteral("Qml##SetBright##100"));
        set_ini_para(QStringLiteral("m_nVolume"), QStringLiteral("20"));
        send_cmd(QStringLiteral("tavrio"), QStringLiteral("Qml##SetVolume##20"));
        set_ini_para(QStringLiteral("backimg"), QStringLiteral("bk_0.png"));
    } else {
        set_ini_para(QStringLiteral("m_strMessageInfo"),
                     tr("以下用户恢复出厂设置失败:") + failed.join(','));
    }
    set_ini_para(QStringLiteral("m_strMessageCmd"), QString());
    emit m_trans->qml_test(QString());
}

// ---- users and self-materials ------------------------------------------------------------------

void ParamMge::add_new_user(QString strUserName, QString strPassword)
{
    m_library->addNewUser(strUserName, strPassword);
}

int ParamMge::delete_user(QString strUserName)
{
    if (!MaterialLibrary::isSafeName(strUserName)) {
        wlog(QStringLiteral("refused to delete user \"%1\"").arg(strUserName));
        return 0;
    }
    const int answer = show_question_mesgbox(tr("删除用户"), tr("请您确认是否删除该用户？"),
                                             tr("确认"), tr("取消"));
    if (answer == 1)
        delete_file(m_library->userFolder(strUserName));
    return answer;
}

bool ParamMge::modify_user(QString strUserName, QString strNewUserName)
{
    return m_library->modifyUser(strUserName, strNewUserName);
}

QVariantList ParamMge::get_all_username_dirs()
{
    return toVariantList(m_library->userNames());
}

int ParamMge::add_new_selfmaterial(QString materialpath, QString filename)
{
    return m_library->addNewSelfmaterial(materialpath, filename);
}

int ParamMge::delete_selfmaterial(QString materialfilepath, int showquestion)
{
    qDebug() << "delete_selfmaterial_path:" << materialfilepath;
    if (showquestion == 0)
        return delete_file(materialfilepath) ? 1 : 0;
    const int answer = show_question_mesgbox(tr("删除材质"), tr("请您确认是否删除该材质？"),
                                             tr("确认"), tr("取消"));
    if (answer == 1)
        delete_file(materialfilepath);
    return answer;
}

bool ParamMge::modify_selfmaterial(QString sFileNamePath, QString sNewFileNamePath)
{
    return m_library->modifySelfmaterial(sFileNamePath, sNewFileNamePath);
}

// ---- parameter packs
// -------------------------------------------------------------------------------

void ParamMge::importFile(QString strPath)
{
    m_packs->importFile(strPath);
}
void ParamMge::exportFile(QString strPath)
{
    m_packs->exportFile(strPath);
}
void ParamMge::importTechFile(QString strPath)
{
    m_packs->importTechFile(strPath);
}
void ParamMge::exportTechFile(QString strPath)
{
    m_packs->exportTechFile(strPath);
}
void ParamMge::tranFileToArm()
{
    m_packs->tranFileToArm();
}
void ParamMge::getFileFromArm()
{
    m_packs->getFileFromArm();
}
void ParamMge::tranRestoreSettingsToArm()
{
    m_packs->tranRestoreSettingsToArm();
}
void ParamMge::tranTechFileToArm()
{
    m_packs->tranTechFileToArm();
}
void ParamMge::getTechFileFromArm()
{
    m_packs->getTechFileFromArm();
}
void ParamMge::compression_file_my(QString srcPath, QString destPath, QString strSuffix)
{
    m_packs->compression_file_my(srcPath, destPath, strSuffix);
}
void ParamMge::decompression_file_my(QString srcPathAndName, QString destPath)
{
    m_packs->decompression_file_my(srcPathAndName, destPath);
}

// ---- folder and file queries
// -----------------------------------------------------------------------

QStringList ParamMge::get_all_file(QString path, QString filter)
{
    return FolderQueries::filesEndingWith(path, filter);
}

QStringList ParamMge::get_all_filesname(QString path, QString filter)
{
    return FolderQueries::fileBaseNames(path, filter);
}

QStringList ParamMge::get_all_files(QString path, QString filter, int nAndDir)
{
    return FolderQueries::filesAndFolders(path, filter, nAndDir);
}

QVariantList ParamMge::get_all_dirs(QString path)
{
    return toVariantList(FolderQueries::folderListing(path));
}

QVariantList ParamMge::get_all_pack_dirs()
{
    return toVariantList(FolderQueries::folderListing(m_strTechPath));
}

QVariantList ParamMge::get_all_tech_dirs()
{
    const QString pack = get_local_para(QStringLiteral("m_strPackName"));
    QString material = get_local_para(QStringLiteral("m_strMaterialName"));
    if (material.isEmpty()) {
        const QVariantList materials = get_all_material_dirs();
        if (!materials.isEmpty()) {
            material = materials.first().toString();
            set_local_para(QStringLiteral("m_strMaterialName"), material);
        }
    }
    return toVariantList(FolderQueries::folderListing(m_strTechPath + pack + '/' + material));
}

QVariantList ParamMge::get_dest_dirs(QString para_name)
{
    if (para_name == QLatin1String("m_strPackName"))
        return get_all_pack_dirs();
    if (para_name == QLatin1String("m_strMaterialName"))
        return get_all_material_dirs();
    if (para_name != QLatin1String("m_strTechName"))
        return {};

    QStringList names;
    if (try_get_ini_para(QStringLiteral("m_nUseLayerSelfParam"), QStringLiteral("0")).toInt() ==
        1) {
        for (const QVariant &name : get_all_tech_dirs())
            names << name.toString();
    } else {
        // Same pack and material as the layer folders, including the fallback material.
        get_all_tech_dirs();
        const QString folder = m_strTechPath + get_local_para(QStringLiteral("m_strPackName")) +
                               '/' + get_local_para(QStringLiteral("m_strMaterialName"));
        for (QString name : FolderQueries::filesEndingWith(folder, QStringLiteral(".ini")))
            names << name.remove(QStringLiteral(".ini"));
    }
    if (try_get_ini_para(QStringLiteral("m_nMachType"), QStringLiteral("0")).toInt() == 3) {
        names = FolderQueries::glueFilter(
            names,
            try_get_ini_para(QStringLiteral("m_nGlueMachType"), QStringLiteral("0")).toInt());
    }
    return toVariantList(names);
}

QVariantList ParamMge::get_production_data()
{
    const QString file = m_strTechPath + QStringLiteral("Production/ProductionCount.ini");
    if (!QFileInfo::exists(file)) {
        QFile f(file);
        if (f.open(QIODevice::WriteOnly))
            f.close();
    }
    Board &board = Board::instance();
    board.system(
        QStringLiteral("chmod 777 %1 -R")
            .arg(board.path(QStringLiteral("/home/rvk/Public/QZLaser/Config/TechLibrary"))));
    QVariantList entries;
    const QMap<QString, QString> values = Ini::readAll(file);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        entries << QStringLiteral("%1 %2").arg(it.key(), it.value());
    return entries;
}

QVariantList ParamMge::get_para_selector(QString paratile)
{
    const QString first = paratile.left(1);
    QStringList titles;
    if (first == QLatin1String("0")) {
        titles << tr("0.机器配置") << tr("1.界面参数") << tr("2.导入图设置") << tr("3.系统信息");
    } else if (first == QLatin1String("1")) {
        titles << tr("0.运动参数") << tr("1.雕刻参数") << tr("2.加工参数");
    } else if (first == QLatin1String("2")) {
        titles << tr("0.激光参数") << tr("1.电机参数") << tr("2.相机参数");
        if (try_get_ini_para(QStringLiteral("m_nMachType"), QStringLiteral("0")).toInt() == 2)
            titles << tr("3.通信参数");
    } else if (first == QLatin1String("3")) {
        titles << tr("0.测试");
    }
    return toVariantList(titles);
}

QVariantList ParamMge::get_laser_tech()
{
    return {QStringLiteral("LaserCut"), QStringLiteral("Engraving")};
}

QVariant ParamMge::get_foldernum(QString title)
{
    return FolderQueries::folderNumber(title);
}

int ParamMge::check_file_exist(QString filepath)
{
    return FolderQueries::checkFileExist(filepath);
}

int ParamMge::check_dir_exist(QString dirpath, int nmkdir)
{
    return FolderQueries::checkDirExist(dirpath, nmkdir);
}

bool ParamMge::delete_file(QString strPath)
{
    return m_deleter.deleteFile(strPath);
}

bool ParamMge::_clearDir(const QString &path)
{
    return m_deleter.clearDir(path);
}

// ---- language, version, network name -----------------------------------------------------------

int ParamMge::change_language(int nIndex)
{
    Q_UNUSED(nIndex)
    Board::instance().system(QStringLiteral("echo 0 > /sys/class/gpio/gpio362/value"));
    return show_question_mesgbox(tr("切换语言"), tr("请确认是否切换语言？"), tr("确认"),
                                 tr("取消"));
}

void ParamMge::show_soft_version()
{
    Board::instance().bash(QStringLiteral("echo 0 > /sys/class/gpio/gpio362/value"), 30000);
    show_info_mesgbox(QStringLiteral("software_version"), PanelInfo::softwareVersion());
}

QString ParamMge::get_ssid()
{
    return PanelInfo::ssid(3000);
}
