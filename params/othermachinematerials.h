#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

class ParamMge;

// Material folders of the laser, vision and glue machine kinds that share the technology
// library with the press (KT420/, VAZiza1080/), and the vision thickness commands.
class OtherMachineMaterials
{
public:
    explicit OtherMachineMaterials(ParamMge &module) : m_module(module) {}

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
    void AddNewMaterial_Glue(const QString &strMaterialPath, const QString &strMaterialName,
                             int nUseLayerSelfParam);

    QVariantList get_curTextureValue();
    QVariant get_curTextureIndex();

private:
    ParamMge &m_module;
};
