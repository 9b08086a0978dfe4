#include "media/wavereader.h"

#include <QBuffer>

#include <cstdint>

static void dropMessages(QtMsgType, const QMessageLogContext &, const QString &) { }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QtMessageHandler installed = qInstallMessageHandler(dropMessages);
    Q_UNUSED(installed);
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    const QImage image = CreateWaveImage(&buffer, 530, 50);
    if (!image.isNull() && image.size() != QSize(530, 50))
        __builtin_trap();
    return 0;
}
