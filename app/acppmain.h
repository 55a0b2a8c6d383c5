#pragma once

#include "basecppmain.h"

#include <QStringList>

#include <functional>

// The application object: registers the panel's modules, opens the window and restarts the
// program when the language changes.
class ACppMain : public BaseCppMain
{
    Q_OBJECT
public:
    // Starts the detached new instance on restart; tests replace it to see what would start.
    using ProcessStarter = std::function<bool(const QString &program, const QStringList &args)>;

    explicit ACppMain(const QString &name = QStringLiteral("cpp_main"));
    ~ACppMain() override;

    void init() override {}
    void handle_cmd(QString cmd) override { Q_UNUSED(cmd) }
    void init_all() override;
    void create_all_obj() override;
    void _init_window() override;

    Q_INVOKABLE void reloadSoft();

    static void set_process_starter(ProcessStarter starter);
};
