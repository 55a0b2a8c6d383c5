#include "tavrio.h"

#include "commandstring.h"

Tavrio::Tavrio(const QString &name) : BaseModule(name) {}

void Tavrio::init() {}

void Tavrio::handle_cmd(QString cmd) { Q_UNUSED(cmd) }
