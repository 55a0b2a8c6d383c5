// The link's receive handler fed arbitrary chunks in both modes (batch acknowledgements and
// status polling): it must not crash and must not keep more than a bounded partial line.
//
// Input layout: byte 0 picks the starting mode and the piece counter; the rest is cut into chunks
// at every 0xFF byte, and a chunk that starts with 0xFE switches the mode first.

#include "baseparameter.h"
#include "vevodaraserial.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
VevOdaraSerial *g_link = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QTemporaryDir home;
    qputenv("TAVRIO_HOME", home.path().toLocal8Bit());
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    static QCoreApplication app(*argc, *argv);
    GlobalPara::get_instance()->set_para(QStringLiteral("m_nUseSeparateCounter"),
                                         QStringLiteral("1"));
    g_link = new VevOdaraSerial();
    g_link->init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    VevOdaraSerial &link = *g_link;
    link.m_receiveData.clear();
    link.m_nRun = data[0] & 1;
    link.m_nProductionCount = data[0] >> 1;
    link.m_nStopDetectE04 = 0;
    link.m_nStartE04Timer = 0;
    link.m_sCurrentSendCode = QStringLiteral("M190*117\n");

    size_t begin = 1;
    while (begin <= size) {
        size_t end = begin;
        while (end < size && data[end] != 0xFF)
            ++end;
        const char *chunk = reinterpret_cast<const char *>(data + begin);
        int length = static_cast<int>(end - begin);
        if (length > 0 && static_cast<uint8_t>(chunk[0]) == 0xFE) {
            link.m_nRun ^= 1;
            ++chunk;
            --length;
        }
        link.handleReceived(QString::fromUtf8(chunk, length));
        if (link.m_nRun == 1 && !link.m_receiveData.isEmpty())
            std::abort(); // batch mode keeps nothing
        if (link.m_receiveData.size() > VevOdaraSerial::kMaxReceiveChars)
            std::abort(); // unbounded growth
        begin = end + 1;
    }
    return 0;
}
