#include "vevodaramotion.h"

VevOdaraMotion::VevOdaraMotion(const QString &name) : BaseModule(name) {}

void VevOdaraMotion::init() {}

void VevOdaraMotion::handle_cmd(QString cmd) { Q_UNUSED(cmd) }
