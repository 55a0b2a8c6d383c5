#include "othermachinematerials.h"

#include "parammge.h"

// Not built yet: every operation is accepted and does nothing.

void OtherMachineMaterials::halconDKJ(const QString &remainder)
{
    Q_UNUSED(remainder)
}

void OtherMachineMaterials::deleteMaterial(const QString &strPack, const QString &strMaterial)
{
    Q_UNUSED(strPack)
    Q_UNUSED(strMaterial)
}

void OtherMachineMaterials::new_texture(const QString &name)
{
    Q_UNUSED(name)
}
void OtherMachineMaterials::glueVision_new_texture(const QString &name)
{
    Q_UNUSED(name)
}
void OtherMachineMaterials::modify_texture(const QString &name)
{
    Q_UNUSED(name)
}
void OtherMachineMaterials::glueVision_modify_texture(const QString &name)
{
    Q_UNUSED(name)
}
void OtherMachineMaterials::material_change(const QString &displayName)
{
    Q_UNUSED(displayName)
}
void OtherMachineMaterials::thickoffset(const QString &offset)
{
    Q_UNUSED(offset)
}
void OtherMachineMaterials::current_material(const QString &displayName)
{
    Q_UNUSED(displayName)
}

void OtherMachineMaterials::AddNewMaterial(const QString &strMaterialPath,
                                           const QString &strMaterialName, int nUseLayerSelfParam)
{
    Q_UNUSED(strMaterialPath)
    Q_UNUSED(strMaterialName)
    Q_UNUSED(nUseLayerSelfParam)
}

void OtherMachineMaterials::AddNewMaterial_Glue(const QString &strMaterialPath,
                                                const QString &strMaterialName,
                                                int nUseLayerSelfParam)
{
    Q_UNUSED(strMaterialPath)
    Q_UNUSED(strMaterialName)
    Q_UNUSED(nUseLayerSelfParam)
}

QVariantList OtherMachineMaterials::get_curTextureValue()
{
    return {};
}

QVariant OtherMachineMaterials::get_curTextureIndex()
{
    return {};
}
