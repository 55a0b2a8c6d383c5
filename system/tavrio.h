#pragma once

#include "basemodule.h"

// The system-service module: the panel's link to the board's operating system.
class Tavrio : public BaseModule
{
    Q_OBJECT
public:
    explicit Tavrio(const QString &name = QStringLiteral("tavrio"));
    void init() override;
    void handle_cmd(QString cmd) override;
};
