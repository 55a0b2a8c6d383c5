#pragma once

#include "basemodule.h"

// The heat-press process module; it owns the serial link to the controller board.
class VevOdaraMotion : public BaseModule
{
    Q_OBJECT
public:
    explicit VevOdaraMotion(const QString &name = QStringLiteral("VevOdaraMotion"));
    void init() override;
    void handle_cmd(QString cmd) override;
};
