#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QVariant>
#include <QVariantList>

class ParamMge;

// Material folders of the laser, vision and glue machine kinds that share the technology
// library with the press (KT420/, VAZiza1080/), and the vision thickness commands.
//
// A laser material is a folder with LaserCut.ini and Engraving.ini and twelve per-layer copies
// of each (LaserCut/0.ini ... 11.ini); a glue material holds VisionParams.ini and the dispensing
// files Point.ini, Line.ini, Line1.ini with 24 per-layer copies each. Laser material names read
// "<name> <thickness> mm".
class OtherMachineMaterials
{
    Q_DECLARE_TR_FUNCTIONS(OtherMachineMaterials)
public:
    explicit OtherMachineMaterials(ParamMge &module) : m_module(module) {}

    static const QString kLaserPack; // "KT420"
    static const QString kGluePack;  // "VAZiza1080"

    // "HalconDKJ##..." less its tag.
    void halconDKJ(const QString &remainder);
    // Deletes material strMaterial of pack folder strPack.
    void deleteMaterial(const QString &strPack, const QString &strMaterial);

    void new_texture(const QString &name);
    void glueVision_new_texture(const QString &name);
    void modify_texture(const QString &name);
    void glueVision_modify_texture(const QString &name);
    void material_change(const QString &displayName);
    void thickoffset(const QString &offset);
    void current_material(const QString &displayName);

    void AddNewMaterial(const QString &strMaterialPath, const QString &strMaterialName,
                        int nUseLayerSelfParam);
    void modifyMaterial(const QString &strMaterialPath, const QString &strMaterialName,
                        int nUseLayerSelfParam);
    void AddNewMaterial_Glue(const QString &strMaterialPath, const QString &strMaterialName,
                             int nUseLayerSelfParam);
    void modifyMaterial_Glue(const QString &strMaterialPath, const QString &strMaterialName,
                             int nUseLayerSelfParam);

    QVariantList get_curTextureValue();
    QVariant get_curTextureIndex();

    // Thickness in the short form of the vision commands and names: "1.5", "2".
    static QString shortNumber(double value);

private:
    enum Values
    {
        NewValues,
        RewriteValues
    };
    QMap<QString, QString> cuttingValues(Values which) const;
    QMap<QString, QString> engravingValues(Values which) const;
    QMap<QString, QString> visionValues(Values which) const;
    // Writes the main file <folder>/<base>.ini and/or the layer files <folder>/<base>/<n>.ini.
    static void writeFiles(const QString &folder, const QString &base,
                           const QMap<QString, QString> &values, bool main, int layers);
    // Material folders are made only below the technology library.
    bool materialFolder(const QString &folder) const;
    void finish(const QString &name);
    void transferIfConnected();
    int layerFlag() const;
    bool laserKindOfName(const QString &displayName, QStringList *parts);
    QString visionOffsetFile() const;

    ParamMge &m_module;
};
