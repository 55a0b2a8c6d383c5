#pragma once

#include "basemodule.h"
#include "commandstring.h"
#include "progresstimer.h"
#include "watchdog.h"

#include <QString>
#include <QStringList>

#include <functional>

// The system-service module: the panel's link to the board's operating system (brightness,
// volume, key click, clock, updates from the USB stick, the watchdog and the progress timer).
// It dispatches; the helpers beside it do the work.
class Tavrio : public BaseModule
{
    Q_OBJECT
public:
    // Asks the operator for a folder: title and starting folder in, the choice out ("" when
    // cancelled). Tests replace the toolkit's dialog with this.
    using FolderChooser = std::function<QString(const QString &title, const QString &start)>;
    static void set_folder_chooser(FolderChooser chooser);

    static const QString kUpdateProgram; // the external update program

    explicit Tavrio(const QString &name = QStringLiteral("tavrio"));
    ~Tavrio() override;

    void init() override;
    void handle_cmd(QString cmd) override;

    Q_INVOKABLE void closedog();
    Q_INVOKABLE void exitSoft();
    Q_INVOKABLE int openSerial();
    Q_INVOKABLE void closeSerial();
    Q_INVOKABLE void refreshPort();
    Q_INVOKABLE void set_cur_cadname(QString strName);
    Q_INVOKABLE QString get_time() const;
    Q_INVOKABLE QString get_time_z() const;
    Q_INVOKABLE QStringList get_fonts(QString family) const;

    void start_timer_progress(double start, double end);
    void stop_timer_progress();

    Watchdog &watchdog() { return m_watchdog; }
    ProgressTimer &progress() { return m_progress; }

signals:
    // Declared for the information page, which listens to it.
    void update_reloadSoft();

private:
    // The progress verbs of the transfer senders; only some senders name the kind.
    void progressCommand(const Command &command, bool withKind);
    void startProgress(const Command &command, bool withKind);
    void qmlCommand(const QString &remainder);
    void chooseFolder(const QString &key);
    void checkUpdateFile();
    void updateSoftware();
    void updateLanguage();
    void keyBeep(const QString &argument);
    void setMachineTime(const QString &text);
    void setVolume(int volume);
    void setBright(int brightness);
    // Raises the information box over the current page through the message parameters.
    void showMessage(const QString &info);
    // Calls a serial operation of the process module by name; false when it is not there.
    bool callProcessModule(const char *method,
                           QGenericReturnArgument result = QGenericReturnArgument());

    Watchdog m_watchdog;
    ProgressTimer m_progress;
    CommandTable m_tags;
    CommandTable m_qml;
};
