#include "canvas.h"
#include "checks.h"
#include "controls.h"
#include "frames.h"
#include "meters.h"
#include "sheet.h"
#include "windows.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Every picture at `ratio` device pixels per logical pixel, named as the program loads it.
skin::Pictures drawAll(qreal ratio)
{
    skin::setPixelRatio(ratio);
    skin::Pictures pictures;
    skin::addWindows(pictures);
    skin::addDisc(pictures);
    skin::addLevelBars(pictures);
    skin::addVolume(pictures);
    skin::addButtons(pictures);
    skin::addCheckBoxes(pictures);
    skin::addSpinArrows(pictures);
    skin::addFrames(pictures);
    skin::addIcons(pictures);
    if (ratio != 1) {
        for (skin::Picture &pic : pictures)
            pic.name = skin::twinName(pic.name);
    }
    return pictures;
}

bool report(const QStringList &problems)
{
    for (const QString &problem : problems)
        std::fprintf(stderr, "vardel_skin: %s\n", qPrintable(problem));
    return problems.isEmpty();
}

bool savePictures(const skin::Pictures &pictures, const QString &folder)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "vardel_skin: cannot create %s\n", qPrintable(folder));
        return false;
    }
    for (const skin::Picture &pic : pictures) {
        // Straight (not premultiplied) 8-bit channels, as the PNG file stores them.
        const QImage image = pic.image.hasAlphaChannel()
                ? pic.image.convertToFormat(QImage::Format_ARGB32)
                : pic.image.convertToFormat(QImage::Format_RGB32);
        const QString path = QDir(folder).filePath(pic.name);
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "vardel_skin: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

const skin::Picture *find(const skin::Pictures &pictures, const QString &name)
{
    for (const skin::Picture &pic : pictures) {
        if (pic.name == name)
            return &pic;
    }
    return nullptr;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: vardel_skin <output folder>\n"
                 "       vardel_skin --sheet <contact sheet.png> <window preview.png>\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Text needs a font database, which needs a GUI application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool sheet = args.value(0) == QLatin1String("--sheet");
    if ((sheet && args.size() != 3) || (!sheet && args.size() != 1))
        return usage();

    const skin::Pictures pictures = drawAll(1);
    const skin::Pictures twins = drawAll(2);
    bool ok = report(skin::sizeProblems(pictures, 1));
    ok = report(skin::sizeProblems(twins, 2)) && ok;
    for (const skin::Picture *bg : {find(pictures, QStringLiteral("main_bg.png")),
                                    find(twins, QStringLiteral("main_bg@2x.png"))}) {
        if (bg)
            ok = report(skin::layoutProblems(bg->image)) && ok;
    }
    if (!ok)
        return 1;
    if (sheet) {
        return skin::contactSheet(pictures).save(args[1])
                        && skin::windowPreview(pictures).save(args[2])
                ? 0
                : 1;
    }
    return savePictures(pictures, args[0]) && savePictures(twins, args[0]) ? 0 : 1;
}
