// Fuzzes the loading of question pictures. The input is the picture file; its first byte picks
// the name it is saved under: odd "*.jpg", even "*.bmp" (so a real BMP, starting with "B", is a
// .bmp and a real JPEG, starting with 0xFF, a .jpg). The loader must give BMP file bytes that
// decode again, or refuse the file with zorvek::Error.
#include "core/Error.h"
#include "editor/PictureFile.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt's image readers (the JPEG plugin) need an application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int appArgc = 1;
    static char* appArgv[] = {(*argc > 0 ? (*argv)[0] : const_cast<char*>("fuzz_picture")), nullptr};
    static std::unique_ptr<QGuiApplication> app(new QGuiApplication(appArgc, appArgv));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString base = QStringLiteral("/tmp/fuzz_picture_%1").arg(qint64(::getpid()));
    const QString path = base + ((size > 0 && (data[0] & 1)) ? QStringLiteral(".jpg") : QStringLiteral(".bmp"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        if (file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            abort();
    }
    try {
        const QByteArray bmp = PictureFile::loadAsBitmap(path);
        if (!bmp.startsWith("BM")) {
            fprintf(stderr, "the loader gave something other than a BMP file\n");
            abort();
        }
        const QImage back = QImage::fromData(bmp, "BMP");
        if (back.isNull() || back.width() > PictureFile::MaxSide || back.height() > PictureFile::MaxSide) {
            fprintf(stderr, "the loader gave a BMP that does not decode again\n");
            abort();
        }
    } catch (const zorvek::Error&) {
    }
    QFile::remove(path);
    return 0;
}
