#include "tavrio.h"

#include "baseparameter.h"
#include "board.h"
#include "devicefixups.h"
#include "languagepack.h"
#include "machineclock.h"
#include "panelcontrols.h"
#include "qmlsignal.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMetaObject>
#include <QTime>

namespace {
Tavrio::FolderChooser g_folderChooser;

QString askForFolder(const QString &title, const QString &start)
{
    if (g_folderChooser)
        return g_folderChooser(title, start);
    return QFileDialog::getExistingDirectory(nullptr, title, start, QFileDialog::ShowDirsOnly);
}

const QString kProcessModule = QStringLiteral("VevOdaraMotion");

static_assert(MachineClock::kHwclockTimeoutMs < Watchdog::kTimeoutSeconds * 1000,
              "a clock read-back must not outlast the watchdog");
} // namespace

const QString Tavrio::kUpdateProgram = QStringLiteral("/home/rvk/Public/QZLaser/Bootload");

void Tavrio::set_folder_chooser(FolderChooser chooser)
{
    g_folderChooser = std::move(chooser);
}

Tavrio::Tavrio(const QString &name) : BaseModule(name)
{
    connect(&m_progress, &ProgressTimer::fileProgress, m_trans,
            &QmlSignal::update_file_trans_progress);
    connect(&m_progress, &ProgressTimer::photoProgress, m_trans,
            &QmlSignal::update_takephoto_trans_progress);

    m_tags = {
        {QStringLiteral("dxf_thumbnali"),
         [this](const Command &c) {
             send_cmd(QStringLiteral("cad_2d"), QStringLiteral("dxf_thumbnali##") + c.at(1));
         }},
        {QStringLiteral("CommunicateMge"),
         [this](const Command &c) {
             progressCommand(Command(c.remainder()), true);
         }},
        {QStringLiteral("Tcp_FileTransfer"),
         [this](const Command &c) {
             progressCommand(Command(c.remainder()), false);
         }},
        {QStringLiteral("ComTcpClient"),
         [this](const Command &c) {
             progressCommand(Command(c.remainder()), false);
         }},
        {QStringLiteral("Qml"),
         [this](const Command &c) {
             qmlCommand(c.remainder());
         }},
    };

    const auto nothing = [](const Command &) {
    };
    m_qml = {
        {QStringLiteral("start_takephoto_progress"),
         [this](const Command &c) {
             startProgress(c, true);
         }},
        {QStringLiteral("stop_takephoto_progress"),
         [this](const Command &) {
             stop_timer_progress();
         }},
        {QStringLiteral("set_importPath"),
         [this](const Command &) {
             chooseFolder(QStringLiteral("m_strUpdatePath"));
         }},
        {QStringLiteral("set_UDiskPath"),
         [this](const Command &) {
             chooseFolder(QStringLiteral("m_strUDiskPath"));
         }},
        {QStringLiteral("update_QZLaser"),
         [this](const Command &) {
             checkUpdateFile();
         }},
        {QStringLiteral("get_QZLaser"),
         [this](const Command &) {
             send_cmd(QStringLiteral("communicate_mge"), QStringLiteral("Tavrio##get_QZLaser"));
         }},
        {QStringLiteral("sendfile"), nothing},
        {QStringLiteral("createGcode"), nothing},
        {QStringLiteral("saveGcodeAs"), nothing},
        {QStringLiteral("Range"), nothing},
        {QStringLiteral("Bee"),
         [this](const Command &c) {
             keyBeep(c.at(1));
         }},
        {QStringLiteral("update_sys"),
         [this](const Command &) {
             updateSoftware();
         }},
        {QStringLiteral("update_lang"),
         [this](const Command &) {
             updateLanguage();
         }},
        {QStringLiteral("openPDF"),
         [this](const Command &c) {
             // The panel has no document viewer; the line is only logged.
             vlog(QStringLiteral("openPDF not run: evince ") + c.at(1));
         }},
        {QStringLiteral("GetMachineTime"),
         [this](const Command &) {
             emit m_trans->update_MachineTime(MachineClock::now());
         }},
        {QStringLiteral("SetMachineTime"),
         [this](const Command &c) {
             setMachineTime(c.at(1));
         }},
        {QStringLiteral("SetShowTempl"),
         [this](const Command &c) {
             emit m_trans->update_showTempl(c.toInt(1));
         }},
        {QStringLiteral("SetShowHumidy"),
         [this](const Command &c) {
             emit m_trans->update_showHumidy(c.toInt(1));
         }},
        {QStringLiteral("SetVolume"),
         [this](const Command &c) {
             setVolume(c.toInt(1));
         }},
        {QStringLiteral("SetBright"),
         [this](const Command &c) {
             setBright(c.toInt(1));
         }},
    };
}

Tavrio::~Tavrio()
{
    m_progress.stop();
    // The watchdog stops feeding but stays open: only closedog stops it in order.
}

void Tavrio::init()
{
    DeviceFixups::fixNoAudioOutput();

    set_ini_para(QStringLiteral("test_watchdog_timeout"), QStringLiteral("0"));
    m_watchdog.start();
    if (m_watchdog.descriptor() != -1)
        set_ini_para(QStringLiteral("test_watchdog_timeout"),
                     QString::number(m_watchdog.timeoutSeconds()));
    set_ini_para(QStringLiteral("test_watchdog_return"), QString::number(m_watchdog.descriptor()));

    PanelControls::setBeeper(false);

    set_ini_para(QStringLiteral("m_nUserType"), QStringLiteral("0"));
    set_ini_para(QStringLiteral("m_nMachType"), QStringLiteral("4"));
    set_ini_para(QStringLiteral("m_nNeedSetPara"), QStringLiteral("1"));
    set_ini_para(QStringLiteral("m_nNeedCheckDoubleExe"), QStringLiteral("1"));
    set_ini_para(QStringLiteral("m_sUpdFile"), QStringLiteral("VeskorUltra"));

    setBright(try_get_ini_para(QStringLiteral("m_nBright"), QStringLiteral("100")).toInt());

    DeviceFixups::cleanErrorLogs();
}

void Tavrio::handle_cmd(QString cmd)
{
    m_tags.dispatch(cmd);
}

void Tavrio::qmlCommand(const QString &remainder)
{
    m_qml.dispatch(remainder);
}

void Tavrio::progressCommand(const Command &command, bool withKind)
{
    const QString verb = command.tag();
    if (verb == QLatin1String("start_sendfile_progress"))
        startProgress(command, withKind);
    else if (verb == QLatin1String("stop_sendfile_progress") ||
             verb == QLatin1String("stop_takephoto_progress"))
        stop_timer_progress();
}

void Tavrio::startProgress(const Command &command, bool withKind)
{
    if (withKind)
        m_progress.setKind(command.count() >= 4 ? command.toInt(3) : ProgressTimer::FileTransfer);
    start_timer_progress(command.toDouble(1), command.toDouble(2));
}

void Tavrio::start_timer_progress(double start, double end)
{
    m_progress.start(start, end);
}

void Tavrio::stop_timer_progress()
{
    m_progress.stop();
}

void Tavrio::showMessage(const QString &info)
{
    set_ini_para(QStringLiteral("m_strMessageInfo"), info);
    set_ini_para(QStringLiteral("m_strMessageCmd"), QString());
    emit m_trans->qml_test(QString());
}

void Tavrio::chooseFolder(const QString &key)
{
    QString start = try_get_ini_para(key, QStringLiteral("D:\\"));
    if (start == QLatin1String("0"))
        start = QStringLiteral("D:\\");
    QString chosen = askForFolder(tr("文件路径"), start);
    if (chosen.isEmpty())
        chosen = start;
    set_ini_para(key, chosen);
    emit m_trans->qml_fresh_parameter();
}

void Tavrio::checkUpdateFile()
{
    const QString folder =
        try_get_ini_para(QStringLiteral("m_strUpdatePath"), QStringLiteral("D:/"));
    const QString file = folder + QStringLiteral("/QZLaser.upd");
    if (!QFileInfo::exists(file)) {
        showMessage(tr("QZLaser.upd升级程序不在") + folder + tr("目录下"));
        return;
    }
    send_cmd(QStringLiteral("communicate_mge"), QStringLiteral("Tavrio##update_QZLaser##") + file);
}

void Tavrio::updateSoftware()
{
    // The update program may take longer than the watchdog's time-out.
    closedog();
    Board::instance().system(kUpdateProgram);
}

void Tavrio::updateLanguage()
{
    LanguagePack pack;
    switch (pack.update()) {
    case LanguagePack::NoStick:
        return;
    case LanguagePack::Failed:
        showMessage(tr("语言包更新失败,请联系售后!"));
        return;
    case LanguagePack::Updated:
        showMessage(tr("语言包更新完成,请重新开机!"));
        return;
    }
}

void Tavrio::keyBeep(const QString &argument)
{
    if (try_get_ini_para(QStringLiteral("m_nEnableBtnBee"), QStringLiteral("0")).toInt() == 0)
        return;
    if (argument == QLatin1String("1")) {
        PanelControls::setBeeper(true);
        Msleep(15);
    }
    PanelControls::setBeeper(false);
}

void Tavrio::setMachineTime(const QString &text)
{
    try {
        MachineClock clock;
        if (clock.set(text) == MachineClock::Set)
            showMessage(tr("日期时间设置成功"));
    } catch (const std::exception &e) {
        vlog(QStringLiteral("SetMachineTime Failed:") + QString::fromLocal8Bit(e.what()));
    }
}

void Tavrio::setVolume(int volume)
{
    m_para->set_para(QStringLiteral("m_nVolume"), volume);
    PanelControls::setVolume(volume);
    vlog(QStringLiteral("m_nVolume ") +
         try_get_ini_para(QStringLiteral("m_nVolume"), QStringLiteral("0")));
}

void Tavrio::setBright(int brightness)
{
    PanelControls::setBacklight(brightness);
}

void Tavrio::closedog()
{
    m_watchdog.close();
}

void Tavrio::exitSoft() {}

bool Tavrio::callProcessModule(const char *method, QGenericReturnArgument result)
{
    BaseModule *module = get_module(kProcessModule);
    if (!module) {
        vlog(QStringLiteral("no module %1 for %2").arg(kProcessModule, QLatin1String(method)));
        return false;
    }
    if (!QMetaObject::invokeMethod(module, method, Qt::DirectConnection, result)) {
        vlog(QStringLiteral("%1 has no operation %2").arg(kProcessModule, QLatin1String(method)));
        return false;
    }
    return true;
}

int Tavrio::openSerial()
{
    int opened = 0;
    callProcessModule("OpenSerial", Q_RETURN_ARG(int, opened));
    return opened;
}

void Tavrio::closeSerial()
{
    callProcessModule("CloseSerial");
}

void Tavrio::refreshPort()
{
    callProcessModule("EnumPortName");
}

void Tavrio::set_cur_cadname(QString strName)
{
    send_cmd(QStringLiteral("cad_2d"), QStringLiteral("tavrio##set_cur_cadname##") + strName);
}

QString Tavrio::get_time() const
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss "));
}

QString Tavrio::get_time_z() const
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz "));
}

QStringList Tavrio::get_fonts(QString family) const
{
    Q_UNUSED(family)
    return QFontDatabase().families();
}
