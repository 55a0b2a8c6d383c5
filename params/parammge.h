#pragma once

#include "basemodule.h"

// The parameter module: materials, users, archives and folder queries of the panel.
class ParamMge : public BaseModule
{
    Q_OBJECT
public:
    explicit ParamMge(const QString &name = QStringLiteral("param_mge"));
    void init() override;
    void handle_cmd(QString cmd) override;
};
