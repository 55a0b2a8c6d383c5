#include "parampacks.h"

#include "inifile.h"
#include "parammge.h"
#include "paths.h"
#include "qmlsignal.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString kGlobalIni = QStringLiteral("global.ini");
const QString kModuleIni = QStringLiteral("param_mge.ini");
const QString kGlueIni = QStringLiteral("GtsGlueMotion.ini");
const QString kInitMachinePara = QStringLiteral("ParamMge##initMachinePara");

ParamPacks::FileChooser &fileChooser()
{
    static ParamPacks::FileChooser chooser;
    return chooser;
}

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// A global parameter of another table than "General" is stored as "<table>/<name>".
void splitTable(const QString &key, QString *table, QString *name)
{
    const int slash = key.indexOf(QLatin1Char('/'));
    *table = slash < 0 ? QStringLiteral("General") : key.left(slash);
    *name = slash < 0 ? key : key.mid(slash + 1);
}

} // namespace

void ParamPacks::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

QString ParamPacks::chooseFile(const FileRequest &request) const
{
    if (fileChooser())
        return fileChooser()(request);
    // Without a widget application nobody could answer a dialog: that counts as cancelled.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return QString();
    if (request.save)
        return QFileDialog::getSaveFileName(nullptr, request.caption, request.start,
                                            request.filter);
    return QFileDialog::getOpenFileName(nullptr, request.caption, request.start, request.filter);
}

void ParamPacks::progress(double value)
{
    emit m_module.m_trans->update_machine_para_trans_progress(value);
}

// ---- packs -------------------------------------------------------------------------------------

void ParamPacks::exportSubFile(const QString &ini_file, QMap<QString, QString> &pack)
{
    const QString file = m_module.m_strParaPath + ini_file;
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly)) {
        qDebug() << "配置文件打开失败:" << file;
        return;
    }
    probe.close();
    const QMap<QString, QString> onDisk = Ini::readAll(file);
    for (auto it = onDisk.cbegin(); it != onDisk.cend(); ++it) {
        QString value;
        if (ini_file == kGlobalIni) {
            QString table, name;
            splitTable(it.key(), &table, &name);
            value = m_module.get_ini_para(name, table);
        } else if (ini_file == kModuleIni) {
            value = m_module.get_local_para(it.key());
        } else {
            value = it.value();
        }
        pack.insert(ini_file + '/' + it.key(), value);
    }
}

bool ParamPacks::writePack(const QString &file)
{
    QFile create(file);
    if (!create.open(QIODevice::WriteOnly)) {
        qDebug() << "参数包写入失败:" << file;
        return false;
    }
    create.close();
    // The global store writes its file a moment after a change; the key set is taken from that
    // file, so it must be current.
    m_module.save_ini_para();
    QMap<QString, QString> pack;
    exportSubFile(kGlobalIni, pack);
    exportSubFile(kModuleIni, pack);
    return Ini::replaceAll(file, pack);
}

bool ParamPacks::exportTo(const QString &file)
{
    const bool written = writePack(file);
    m_module.send_cmd(QStringLiteral("CadMgr2D"), kInitMachinePara);
    return written;
}

void ParamPacks::exportFile(const QString &strPath)
{
    QString name = strPath;
    if (name.isEmpty())
        name = chooseFile(
            {true, tr("另存参数文件"), QStringLiteral("./default.qzp"), tr("QZP file(*.qzp)")});
    if (name.isEmpty())
        return;
    exportTo(name);
}

void ParamPacks::importSubFile_para(const QString &ini_file, const QMap<QString, QString> &pack)
{
    const QString prefix = ini_file + '/';
    for (auto it = pack.cbegin(); it != pack.cend(); ++it) {
        if (!it.key().startsWith(prefix))
            continue;
        const QString key = it.key().mid(prefix.size());
        if (ini_file == kGlobalIni) {
            // The language of the panel's own screens is never taken from another panel.
            if (key == QLatin1String("m_nPCLanguage"))
                continue;
            QString table, name;
            splitTable(key, &table, &name);
            m_module.set_ini_para(name, it.value(), table);
        } else if (ini_file == kModuleIni) {
            if (key == QLatin1String("m_strMaterialName") &&
                !m_module.get_local_para(key).isEmpty())
                continue;
            m_module.set_local_para(key, it.value());
        } else if (ini_file == kGlueIni) {
            m_module.set_module_para(kGlueIni, key, it.value());
        }
    }
}

void ParamPacks::importFile(const QString &strPath)
{
    QString name = strPath;
    if (name.isEmpty()) {
        name = chooseFile({false, tr("导入参数"),
                           m_module.try_get_ini_para(QStringLiteral("para_dir"), QString()),
                           tr("QZP Files (*.qzp )")});
        m_module.set_ini_para(QStringLiteral("para_dir"), name);
    }
    if (name.isEmpty())
        return;
    importFrom(name);
}

bool ParamPacks::importFrom(const QString &file)
{
    bool readable = false;
    QMap<QString, QString> pack = Ini::readAll(file, &readable);
    if (!readable) {
        // Half-parsed garbage must not land in the parameters.
        qDebug() << "参数包无法读取:" << file;
        pack.clear();
    }
    const QString userType =
        m_module.try_get_ini_para(QStringLiteral("m_nUserType"), QStringLiteral("0"));
    importSubFile_para(kGlobalIni, pack);
    importSubFile_para(kModuleIni, pack);
    m_module.set_ini_para(QStringLiteral("m_nUserType"), userType);
    emit m_module.m_trans->qml_fresh_parameter();
    m_module.send_cmd(QStringLiteral("CadMgr2D"), kInitMachinePara);
    progress(1);
    return readable;
}

// ---- technology file: exchanged by the communication module
// --------------------------------------

void ParamPacks::exportTechFile(const QString &strPath)
{
    QString name = strPath;
    if (name.isEmpty())
        name = chooseFile(
            {true, tr("另存参数文件"), QStringLiteral("./default.tech"), tr("TECH file(*.tech)")});
    if (!name.isEmpty())
        m_module.send_cmd(QStringLiteral("communicate_mge"),
                          QStringLiteral("ParamMge##exportTechFile##") + name);
}

void ParamPacks::importTechFile(const QString &strPath)
{
    QString name = strPath;
    if (name.isEmpty()) {
        name = chooseFile({false, tr("导入参数"),
                           m_module.try_get_ini_para(QStringLiteral("tech_para_dir"), QString()),
                           tr("TECH Files (*.tech )")});
        m_module.set_ini_para(QStringLiteral("tech_para_dir"), name);
    }
    if (!name.isEmpty())
        m_module.send_cmd(QStringLiteral("communicate_mge"),
                          QStringLiteral("ParamMge##importTechFile##") + name);
}

void ParamPacks::tranTechFileToArm()
{
    m_module.send_cmd(QStringLiteral("communicate_mge"),
                      QStringLiteral("ParamMge##tranTechFileToArm"));
}

void ParamPacks::getTechFileFromArm()
{
    m_module.send_cmd(QStringLiteral("communicate_mge"),
                      QStringLiteral("ParamMge##getTechFileFromArm"));
}

// ---- U-disk ------------------------------------------------------------------------------------

bool ParamPacks::udiskReady(QString *folder)
{
    *folder = m_module.try_get_ini_para(QStringLiteral("m_strUDiskPath"), QStringLiteral("D:\\"));
    if (QFileInfo(*folder).isDir())
        return true;
    m_module.show_warning_mesgbox(tr("未检测到U盘"), tr("请重新拔插U盘并等待5秒钟再操作"));
    return false;
}

void ParamPacks::make_work_para_zip()
{
    QString udisk;
    if (!udiskReady(&udisk))
        return;
    const QString pack = Paths::join(udisk, QStringLiteral("ParaInfo.qzzip"));
    // An old pack left on the stick must not pass for a new one.
    const bool written = exportTo(pack);
    exportTechFile(Paths::join(udisk, QStringLiteral("TechInfo.qzzip")));
    if (written && QFileInfo(pack).isFile())
        m_module.show_info_mesgbox(tr("导出参数"), tr("导出完成"));
    else
        m_module.show_warning_mesgbox(tr("导出参数异常"), tr("导出失败"));
}

void ParamPacks::uppack_work_para_zip()
{
    QString udisk;
    if (!udiskReady(&udisk))
        return;
    const QString pack = Paths::join(udisk, QStringLiteral("ParaInfo.qzzip"));
    if (!QFileInfo(pack).isFile()) {
        m_module.show_warning_mesgbox(tr("导入参数异常"), tr("参数包不存在"));
        return;
    }
    if (!importFrom(pack)) {
        m_module.show_warning_mesgbox(tr("导入参数异常"), tr("参数包无法读取"));
        return;
    }
    importTechFile(Paths::join(udisk, QStringLiteral("TechInfo.qzzip")));
    m_module.Msleep(1000);
    m_module.show_info_mesgbox(tr("导入参数"), tr("导入完成,重启系统参数才能生效"));
}

// ---- transfers to the other board --------------------------------------------------------------

void ParamPacks::tranFileToArm()
{
    const int kind =
        m_module.try_get_ini_para(QStringLiteral("m_nMachType"), QStringLiteral("0")).toInt();
    if (kind == 1) {
        m_module.send_cmd(QStringLiteral("GrblLaserMotion"),
                          QStringLiteral("ParamMge##updataParam"));
    } else if (kind == 2) {
        m_module.send_cmd(QStringLiteral("MarlinPrintMotion"),
                          QStringLiteral("ParamMge##updataParam"));
    } else if (kind == 0) {
        if (m_module.try_get_ini_para(QStringLiteral("m_nUseSingleGlobal"), QStringLiteral("0"))
                .toInt() != 0) {
            const QString pack = m_module.m_strParaPath + QStringLiteral("qzp_to_arm.ini");
            writePack(pack);
            progress(0.5);
            m_module.send_cmd(QStringLiteral("communicate_mge"),
                              QStringLiteral("ParamMge##tranFileToArm##") + pack);
        } else {
            transferAll(QStringLiteral("AllParam"), QStringLiteral("ParamMge##SendAllParamFile##"));
        }
    }
    m_module.send_cmd(QStringLiteral("preview_cad_2d"), QStringLiteral("ParamMge##init_CadPage"));
    m_module.send_cmd(QStringLiteral("CadMgr2D"), kInitMachinePara);
}

void ParamPacks::tranRestoreSettingsToArm()
{
    transferAll(QStringLiteral("RestoreSettings"),
                QStringLiteral("ParamMge##SendRestoreSettingsFile##"));
}

void ParamPacks::transferAll(const QString &folder, const QString &sendCommand)
{
    const QString para = m_module.m_strParaPath;
    const QString work = para + folder;
    m_module._clearDir(work);
    writePack(work + QStringLiteral("/qzp_to_arm.ini"));
    progress(0.2);

    const QString laserPack = m_module.m_strTechPath + QStringLiteral("KT420");
    if (!QDir(laserPack)
             .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
             .isEmpty())
        compression_file_my(withoutTrailingSlash(m_module.m_strTechPath),
                            work + QStringLiteral("/TechLibrary.tech"), QStringLiteral(".tech"));
    progress(0.4);

    const QString bottom = m_module.m_strVisionPath + QStringLiteral("Tup/BottomCal.calpixel");
    const QString top = m_module.m_strVisionPath + QStringLiteral("Tup/TopCal.calpixel");
    if (!QFileInfo(bottom).isFile() || !QFileInfo(top).isFile()) {
        m_module.show_warning_mesgbox(tr("视觉文件异常"), tr("点集文件缺失无法传送"));
    } else {
        const QString tmp = m_module.m_strRootPath + QStringLiteral("Vision/Tup/TranTmp");
        if (QFileInfo(m_module.m_strRootPath + QStringLiteral("Vision")).isDir())
            QDir().mkpath(tmp);
        m_module._clearDir(tmp);
        QFile::copy(bottom, tmp + QStringLiteral("/BottomCal.calpixel"));
        QFile::copy(top, tmp + QStringLiteral("/TopCal.calpixel"));
        const QString visionArchive = tmp + QStringLiteral("/VisionFile.dir");
        compression_file_my(tmp, visionArchive, QStringLiteral(".dir"));
        QFile::remove(work + QStringLiteral("/VisionFile.dir"));
        QFile::copy(visionArchive, work + QStringLiteral("/VisionFile.dir"));
    }

    progress(0.6);
    compression_file_my(work, withoutTrailingSlash(para), QStringLiteral(".qzzip"));
    progress(0.7);
    m_module.send_cmd(QStringLiteral("ComTcpClient"),
                      sendCommand + para + folder + QStringLiteral(".qzzip"));
}

void ParamPacks::getFileFromArm()
{
    const int kind =
        m_module.try_get_ini_para(QStringLiteral("m_nMachType"), QStringLiteral("0")).toInt();
    if (kind == 1) {
        m_module.send_cmd(QStringLiteral("GrblLaserMotion"), QStringLiteral("ParamMge##getParam"));
    } else if (kind == 2) {
        m_module.send_cmd(QStringLiteral("MarlinPrintMotion"),
                          QStringLiteral("ParamMge##getParam"));
    } else if (kind == 0) {
        if (m_module.try_get_ini_para(QStringLiteral("m_nUseSingleGlobal"), QStringLiteral("0"))
                .toInt() != 0) {
            writePack(m_module.m_strParaPath + QStringLiteral("qzp_from_arm.ini"));
            m_module.send_cmd(QStringLiteral("communicate_mge"),
                              QStringLiteral("ParamMge##getFileFromArm##qzp_from_arm.ini"));
            progress(0.5);
        } else {
            m_module.send_cmd(QStringLiteral("communicate_mge"),
                              QStringLiteral("getAllParamFromArm"));
            progress(0.1);
        }
    }
}

// ---- archives ----------------------------------------------------------------------------------

Archive::Result ParamPacks::compression_file_my(const QString &srcPath, const QString &destPath,
                                                const QString &strSuffix)
{
    Archive archive;
    QObject::connect(&archive, &Archive::logLine,
                     [this](const QString &line) { m_module.vlog(line); });
    QObject::connect(&archive, &Archive::progress, m_module.m_trans,
                     &QmlSignal::update_tech_para_trans_progress);
    return archive.compression_file_my(srcPath, destPath, strSuffix);
}

Archive::Result ParamPacks::decompression_file_my(const QString &srcPathAndName,
                                                  const QString &destPath)
{
    Archive archive;
    const Archive::Result result = archive.decompression_file_my(srcPathAndName, destPath);
    QString warning;
    switch (result) {
    case Archive::BadDestination:
        warning = tr("目的路径异常！");
        break;
    case Archive::BadSource:
        warning = tr("原路径异常！");
        break;
    case Archive::CannotOpenArchive:
    case Archive::Refused:
        warning = tr("压缩包已损坏或不安全，未解压！");
        break;
    case Archive::Truncated:
        warning = tr("压缩包不完整，只解压了其中完整的部分！");
        break;
    case Archive::NotAllWritten:
        warning = tr("部分文件未能解压！");
        break;
    default:
        break;
    }
    if (result != Archive::Ok && result != Archive::EmptyPath)
        m_module.wlog(QStringLiteral("解压 %1: %2").arg(srcPathAndName, archive.message()));
    if (!warning.isEmpty())
        m_module.show_warning_mesgbox(QString(), warning);
    return result;
}
