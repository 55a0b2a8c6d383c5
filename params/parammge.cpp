#include "parammge.h"

ParamMge::ParamMge(const QString &name) : BaseModule(name) {}

void ParamMge::init() {}

void ParamMge::handle_cmd(QString cmd) { Q_UNUSED(cmd) }
