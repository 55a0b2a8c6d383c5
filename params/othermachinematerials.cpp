#include "othermachinematerials.h"

#include "commandstring.h"
#include "folderqueries.h"
#include "inifile.h"
#include "materiallibrary.h"
#include "parammge.h"
#include "qmlsignal.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

const QString OtherMachineMaterials::kLaserPack = QStringLiteral("KT420");
const QString OtherMachineMaterials::kGluePack = QStringLiteral("VAZiza1080");

namespace {

constexpr int kLaserLayers = 12;
constexpr int kGlueLayers = 24;

// Key, the global holding the value of a new material and its default, the global holding the
// value of a rewrite and its default. A key without globals is written as the constant.
struct KeySource
{
    const char *key;
    const char *newGlobal;
    const char *rewriteGlobal;
    const char *value; // default, or the constant
};

const KeySource kCutting[] = {
    {"m_dCutSpeed", "m_dNewCutSpeed", "m_dCutSpeed", "10"},
    {"m_dCutJumpSpeed", nullptr, nullptr, "100"},
    {"m_nCutLaserPower", "m_nNewCutLaserPower", "m_nCutLaserPower", "50"},
    {"m_nCutGasPower", "m_nNewCutGasPower", "m_nCutGasPower", "50"},
};

const KeySource kEngraving[] = {
    {"m_dEngSpeed", "m_dNewEngSpeed", "m_dEngSpeed", "200"},
    {"m_dEngJumpSpeed", nullptr, nullptr, "100"},
    {"m_nMinLaserPower", nullptr, nullptr, "0"},
    {"m_nMaxLaserPower", "m_nNewMaxLaserPower", "m_nMaxLaserPower", "50"},
    {"m_nEngGasPower", "m_nNewEngGasPower", "m_nEngGasPower", "50"},
    {"m_dEngPrecision", "m_dNewEngPrecision", "m_dEngPrecision", "0.2"},
    {"m_dBlankSize", nullptr, nullptr, "2"},
    {"m_nEnableBlank", nullptr, nullptr, "0"},
    {"m_nEnableFram", nullptr, nullptr, "0"},
};

const KeySource kVision[] = {
    {"m_dMatchScore", "m_dNewMatchScore", "m_dMatchScore", "0.8"},
    {"m_dDefMatchScore", "m_dNewDefMatchScore", "m_dDefMatchScore", "0.95"},
    {"m_nSmooth", "m_nNewSmooth", "m_nSmooth", "30"},
    {"m_dAngleStar", "m_dNewAngleStar", "m_dAngleStar", "-45"},
    {"m_dAngleExternt", "m_dNewAngleExternt", "m_dAngleExternt", "360"},
    {"m_dOverLapVal", "m_dNewOverLapVal", "m_dOverLapVal", "0.9"},
    {"m_dScaleNum", "m_dNewScaleNum", "m_dScaleNum", "0.04"},
    {"m_dGreedNum", "m_dNewGreedNum", "m_dGreedNum", "0.9"},
    {"m_nDeformation", "m_nNewDeformation", "m_nDeformation", "2"},
    {"m_dDefAreaPercent", "m_dNewDefAreaPercent", "m_dDefAreaPercent", "10"},
    {"m_nDifferenceArea", "m_nNewDifferenceArea", "m_nDifferenceArea", "15000"},
    {"m_nGlueExposure", "m_nNewGlueExposure", "m_nGlueExposure", "35000"},
    {"m_dGlueGain", "m_dNewGlueGain", "m_dGlueGain", "0"},
};

const QMap<QString, QString> &pointValues()
{
    static const QMap<QString, QString> values{
        {"m_dGluePointSpeed", "13000"}, {"m_dPointPspLen", "3"},
        {"m_nPointHighTime", "22"},     {"m_dExtensionStartLen", "0"},
        {"m_dExtensionEndingLen", "0"}, {"m_nCircleDelayPoint", "0"},
    };
    return values;
}

const QMap<QString, QString> &lineValues()
{
    static const QMap<QString, QString> values{
        {"m_dGlueLineSpeed", "100"},     {"m_dLinePspLen", "3"},
        {"m_dAdvanceOpenGlueTime", "0"}, {"m_dAdvanceCloseGlueTime", "35"},
        {"m_dExtensionStartLen", "3"},   {"m_dExtensionEndingLen", "2"},
        {"m_dDrawingHeight", "10"},      {"m_dDrawingSpeed", "120"},
        {"m_nCircleDelayLine", "0"},     {"m_dLinePauseLen", "1.5"},
    };
    return values;
}

template <size_t N>
QMap<QString, QString> valuesOf(const KeySource (&keys)[N], bool rewrite, const ParamMge &module)
{
    QMap<QString, QString> values;
    for (const KeySource &k : keys) {
        const char *global = rewrite ? k.rewriteGlobal : k.newGlobal;
        values.insert(QLatin1String(k.key), global ? module.try_get_ini_para(QLatin1String(global),
                                                                             QLatin1String(k.value))
                                                   : QLatin1String(k.value));
    }
    return values;
}

double roundedToTenth(double value)
{
    return std::round(value * 10.0) / 10.0;
}

QString thicknessKey(double thickness)
{
    return QStringLiteral("thickoffset_") + QString::number(thickness, 'f', 1);
}

void createEmptyFile(const QString &file)
{
    if (QFileInfo::exists(file))
        return;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile create(file);
    if (create.open(QIODevice::WriteOnly))
        create.close();
}

} // namespace

QString OtherMachineMaterials::shortNumber(double value)
{
    return QString::number(value, 'g', 10);
}

QMap<QString, QString> OtherMachineMaterials::cuttingValues(Values which) const
{
    return valuesOf(kCutting, which == RewriteValues, m_module);
}

QMap<QString, QString> OtherMachineMaterials::engravingValues(Values which) const
{
    return valuesOf(kEngraving, which == RewriteValues, m_module);
}

QMap<QString, QString> OtherMachineMaterials::visionValues(Values which) const
{
    return valuesOf(kVision, which == RewriteValues, m_module);
}

void OtherMachineMaterials::writeFiles(const QString &folder, const QString &base,
                                       const QMap<QString, QString> &values, bool main, int layers)
{
    if (main && !Ini::write(folder + '/' + base + QStringLiteral(".ini"), values))
        qWarning() << "material file not written:" << folder + '/' + base;
    if (layers <= 0)
        return;
    const QString layerFolder = folder + '/' + base;
    QDir().mkpath(layerFolder);
    for (int n = 0; n < layers; ++n) {
        if (!Ini::write(layerFolder + QStringLiteral("/%1.ini").arg(n), values))
            qWarning() << "material layer file not written:" << layerFolder << n;
    }
}

bool OtherMachineMaterials::materialFolder(const QString &folder) const
{
    const QString library = QDir::cleanPath(m_module.m_strTechPath);
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (!clean.startsWith(library + '/')) {
        qWarning() << "material folder outside the technology library refused:" << folder;
        return false;
    }
    if (!QFileInfo(clean).isDir() && !QDir().mkpath(clean)) {
        qWarning() << "material folder cannot be made:" << folder;
        return false;
    }
    return true;
}

void OtherMachineMaterials::finish(const QString &name)
{
    m_module.set_local_para(QStringLiteral("m_strMaterialName"), name);
    emit m_module.m_trans->update_texturename(name);
}

void OtherMachineMaterials::transferIfConnected()
{
    if (m_module.try_get_ini_para(QStringLiteral("m_nConnectStd"), QStringLiteral("0")).toInt() !=
        0)
        m_module.tranTechFileToArm();
}

int OtherMachineMaterials::layerFlag() const
{
    return m_module.try_get_ini_para(QStringLiteral("m_nUseLayerSelfParam"), QStringLiteral("0"))
        .toInt();
}

// ---- creating and rewriting materials ----------------------------------------------------------

void OtherMachineMaterials::AddNewMaterial(const QString &strMaterialPath,
                                           const QString &strMaterialName, int nUseLayerSelfParam)
{
    Q_UNUSED(nUseLayerSelfParam) // every new material gets its layer files
    if (!materialFolder(strMaterialPath))
        return;
    const QMap<QString, QString> cutting = cuttingValues(NewValues);
    const QMap<QString, QString> engraving = engravingValues(NewValues);
    writeFiles(strMaterialPath, QStringLiteral("LaserCut"), cutting, true, kLaserLayers);
    writeFiles(strMaterialPath, QStringLiteral("Engraving"), engraving, true, kLaserLayers);
    finish(strMaterialName);
    transferIfConnected();
}

void OtherMachineMaterials::modifyMaterial(const QString &strMaterialPath,
                                           const QString &strMaterialName, int nUseLayerSelfParam)
{
    if (!materialFolder(strMaterialPath))
        return;
    if (nUseLayerSelfParam == 0 || nUseLayerSelfParam == 1) {
        const bool main = nUseLayerSelfParam == 0;
        const int layers = main ? 0 : kLaserLayers;
        writeFiles(strMaterialPath, QStringLiteral("LaserCut"), cuttingValues(RewriteValues), main,
                   layers);
        writeFiles(strMaterialPath, QStringLiteral("Engraving"), engravingValues(RewriteValues),
                   main, layers);
    }
    finish(strMaterialName);
    transferIfConnected();
}

void OtherMachineMaterials::AddNewMaterial_Glue(const QString &strMaterialPath,
                                                const QString &strMaterialName,
                                                int nUseLayerSelfParam)
{
    Q_UNUSED(nUseLayerSelfParam)
    if (!materialFolder(strMaterialPath))
        return;
    writeFiles(strMaterialPath, QStringLiteral("VisionParams"), visionValues(NewValues), true, 0);
    writeFiles(strMaterialPath, QStringLiteral("Point"), pointValues(), true, kGlueLayers);
    writeFiles(strMaterialPath, QStringLiteral("Line"), lineValues(), true, kGlueLayers);
    writeFiles(strMaterialPath, QStringLiteral("Line1"), lineValues(), true, kGlueLayers);
    finish(strMaterialName);
}

void OtherMachineMaterials::modifyMaterial_Glue(const QString &strMaterialPath,
                                                const QString &strMaterialName,
                                                int nUseLayerSelfParam)
{
    Q_UNUSED(nUseLayerSelfParam)
    if (!materialFolder(strMaterialPath))
        return;
    writeFiles(strMaterialPath, QStringLiteral("VisionParams"), visionValues(RewriteValues), true,
               0);
    finish(strMaterialName);
}

void OtherMachineMaterials::deleteMaterial(const QString &strPack, const QString &strMaterial)
{
    // An empty or odd name would make the path name the whole pack, or leave it.
    if (!MaterialLibrary::isSafeName(strPack) || !MaterialLibrary::isSafeName(strMaterial)) {
        qWarning() << "delete_material refused for" << strPack << strMaterial;
        return;
    }
    m_module.delete_file(m_module.m_strTechPath + strPack + '/' + strMaterial);
    emit m_module.update_paralist();
    transferIfConnected();
}

// ---- screen commands ---------------------------------------------------------------------------

void OtherMachineMaterials::new_texture(const QString &name)
{
    if (!MaterialLibrary::isSafeName(name))
        return;
    const QString folder = m_module.m_strTechPath + kLaserPack + '/' + name;
    const int flag = layerFlag();
    if (!QFileInfo(folder).isDir()) {
        AddNewMaterial(folder, name, flag);
        return;
    }
    m_module.set_ini_para(QStringLiteral("m_strMessageInfo"),
                          tr("材质【(%1)】已存在，<br>是否修改参数？").arg(name));
    m_module.set_ini_para(
        QStringLiteral("m_strMessageCmd"),
        QStringLiteral("Qml##AddNewMaterial##%1##%2##%3").arg(folder, name).arg(flag));
    m_module.set_ini_para(QStringLiteral("m_strMessageCmdTo"), QStringLiteral("param_mge"));
    emit m_module.m_trans->qml_test(QStringLiteral("?"));
}

void OtherMachineMaterials::glueVision_new_texture(const QString &name)
{
    if (!MaterialLibrary::isSafeName(name))
        return;
    const QString folder = m_module.m_strTechPath + kGluePack + '/' + name;
    const int flag = layerFlag();
    if (QFileInfo(folder).isDir() &&
        m_module.show_question_mesgbox(tr("新建材质"),
                                       tr("材质【(%1)】已存在，<br>是否修改参数？").arg(name),
                                       tr("确认"), tr("取消")) != 1)
        return;
    AddNewMaterial_Glue(folder, name, flag);
}

void OtherMachineMaterials::modify_texture(const QString &name)
{
    if (MaterialLibrary::isSafeName(name))
        modifyMaterial(m_module.m_strTechPath + kLaserPack + '/' + name, name, layerFlag());
}

void OtherMachineMaterials::glueVision_modify_texture(const QString &name)
{
    if (MaterialLibrary::isSafeName(name))
        modifyMaterial_Glue(m_module.m_strTechPath + kGluePack + '/' + name, name, layerFlag());
}

// ---- vision thickness --------------------------------------------------------------------------

QString OtherMachineMaterials::visionOffsetFile() const
{
    return BaseModule::path_fp_file(m_module.m_strParaPath + QStringLiteral("TechLibrary"),
                                    kLaserPack, QStringLiteral("VisionOffset.ini"));
}

bool OtherMachineMaterials::laserKindOfName(const QString &displayName, QStringList *parts)
{
    *parts = displayName.split(QLatin1Char(' '));
    if (parts->size() >= 2)
        return true;
    m_module.show_warning_mesgbox(tr("材质名称格式错误"),
                                  tr("材质名称与厚度数值之间没有空格隔开：如 ABC 1 mm"));
    return false;
}

void OtherMachineMaterials::material_change(const QString &displayName)
{
    if (m_module.try_get_ini_para(QStringLiteral("m_nMachType"), QStringLiteral("0")).toInt() ==
        3) {
        emit m_module.m_trans->update_texturename(displayName);
        return;
    }
    QStringList parts;
    if (!laserKindOfName(displayName, &parts))
        return;
    const double thickness = roundedToTenth(parts.at(parts.size() - 2).toDouble());
    m_module.send_cmd(QStringLiteral("Tcp_FileTransfer"),
                      QStringLiteral("HalconDKJ#material_thick#") + shortNumber(thickness));
    if (thickness == m_module.m_dLastMaterialThick)
        return;
    m_module.m_dLastMaterialThick = thickness;
    createEmptyFile(visionOffsetFile());
    emit m_module.m_trans->update_VisionOffset(thickness);
    m_module.m_dLastThcikOffset =
        m_module
            .try_get_path_fp_para(m_module.m_strParaPath + QStringLiteral("TechLibrary"),
                                  kLaserPack, QStringLiteral("VisionOffset.ini"),
                                  thicknessKey(thickness), QStringLiteral("0.0"))
            .toDouble();
    m_module.send_cmd(QStringLiteral("VisionFunc"),
                      QStringLiteral("ParamMge#CreateAdaptiveMap#") +
                          shortNumber(thickness + m_module.m_dLastThcikOffset));
    emit m_module.m_trans->update_texturename(displayName);
}

void OtherMachineMaterials::thickoffset(const QString &offset)
{
    const double value = offset.toDouble();
    if (value == m_module.m_dLastThcikOffset)
        return;
    m_module.m_dLastThcikOffset = value;
    createEmptyFile(visionOffsetFile());
    m_module.set_path_fp_para(m_module.m_strParaPath + QStringLiteral("TechLibrary"), kLaserPack,
                              QStringLiteral("VisionOffset.ini"),
                              thicknessKey(m_module.m_dLastMaterialThick), shortNumber(value));
    m_module.send_cmd(QStringLiteral("VisionFunc"),
                      QStringLiteral("ParamMge#CreateAdaptiveMap#") +
                          shortNumber(m_module.m_dLastMaterialThick + value));
    qDebug() << "材质厚度=" << m_module.m_dLastMaterialThick << " 厚度偏移=" << value;
}

void OtherMachineMaterials::current_material(const QString &displayName)
{
    if (m_module.try_get_ini_para(QStringLiteral("m_nMachType"), QStringLiteral("0")).toInt() == 3)
        return;
    QStringList parts;
    if (!laserKindOfName(displayName, &parts))
        return;
    m_module.m_dLastMaterialThick = parts.at(parts.size() - 2).toDouble();
    emit m_module.m_trans->update_VisionOffset(m_module.m_dLastMaterialThick);
}

void OtherMachineMaterials::halconDKJ(const QString &remainder)
{
    const Command command(remainder);
    if (command.tag() != QLatin1String("materialInfo") || !command.has(3))
        return;
    const double thickness = command.toDouble(2) * 0.5;
    const QString base = m_module.try_get_path_fp_para(
        m_module.m_strParaPath + QStringLiteral("TechLibrary"), kLaserPack,
        QStringLiteral("material.ini"), QStringLiteral("material_") + command.at(1),
        QStringLiteral("0"));
    const QString name = base + QStringLiteral(" %1 mm").arg(shortNumber(thickness));
    if (!MaterialLibrary::isSafeName(name)) {
        qWarning() << "vision material name refused:" << name;
        return;
    }
    const QString folder = m_module.m_strTechPath + kLaserPack + '/' + name;
    if (!QFileInfo(folder).isDir())
        AddNewMaterial(folder, name, 0);
    finish(name);
}

// ---- queries -----------------------------------------------------------------------------------

QVariantList OtherMachineMaterials::get_curTextureValue()
{
    return FolderQueries::toVariantList(
        FolderQueries::folderListing(m_module.m_strTechPath + kLaserPack));
}

QVariant OtherMachineMaterials::get_curTextureIndex()
{
    return QVariant();
}
