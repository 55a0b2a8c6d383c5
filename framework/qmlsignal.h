#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

// The one signal hub through which modules update the screens (context object "cpp_signal").
// It keeps no state: whatever screen element is alive when a module emits runs its handler at
// once, in the emitting thread. Argument names are part of the interface; QML handlers use them.
class QmlSignal : public QObject
{
    Q_OBJECT
public:
    static QmlSignal *get_instance();

    void set_image(QImage *image) { m_image = image; }
    QImage *m_image = nullptr;

signals:
    void qml_test(QString str);
    void qml_fresh_parameter();
    void update_texturename(QString strName);
    void update_tportstate(int nisOpen);
    void update_cur_dest_temperature(double dTemperature);
    void update_cur_act_temperature(double dTemperature);
    void update_cur_dest_time(int nSecond);
    void update_cur_act_heat_second(int nSecond);
    void update_cur_dest_pressure(double dTemperature);
    void update_print_stopwork();
    void update_vevodara_workui(bool bRun);
    void update_vevodara_ambienttemp(double dtemp);
    void update_vevodara_humidity(double dhuidity);
    void update_vevodara_press(double dpress);
    void update_vevodara_workcount(double dcount);
    void update_vevodara_Backimg(QString strImageName);
    void update_showTempl(int bShow);
    void update_showHumidy(int bSHow);
    void update_MachineTime(QString strMachineTime);
    void update_vevodara_FirstOnTemper();
    void update_vevodara_ErrorMsg(int nNum);
    void update_vevodara_EmergencyForm(bool bShow);
    void update_file_trans_progress(double value);
    void update_takephoto_trans_progress(double value);
    void update_machine_para_trans_progress(double value);
    void update_tech_para_trans_progress(double value);
    void updata_camera_visible(bool bStd);
    void update_VisionOffset(double dHeight);
    void update_tportname(QStringList slist);
    void qml_gCode_text(QString str);
    void update_chosematerial();
    void update_vevodara_recvtemp(QString strinfo);
    void update_runvnt(QString strFile, QString strName);
    void enableShowMoveKeyBoard(int nShow);

private:
    using QObject::QObject;
};
