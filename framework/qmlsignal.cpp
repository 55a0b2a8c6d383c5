#include "qmlsignal.h"

QmlSignal *QmlSignal::get_instance()
{
    static QmlSignal *instance = new QmlSignal();
    return instance;
}
