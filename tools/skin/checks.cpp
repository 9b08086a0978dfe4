#include "checks.h"

#include <QMap>
#include <QRect>

#include <cmath>

namespace skin {

namespace {

QMap<QString, QSize> expectedSizes()
{
    QMap<QString, QSize> sizes {
            {QStringLiteral("main_bg.png"), {749, 530}},
            {QStringLiteral("about_bg.png"), {400, 258}},
            {QStringLiteral("register_bg.png"), {537, 385}},
            {QStringLiteral("wifi_bg.png"), {600, 500}},
            {QStringLiteral("disc.png"), {165, 165}},
            {QStringLiteral("left_back.png"), {26, 425}},
            {QStringLiteral("left_fore.png"), {26, 425}},
            {QStringLiteral("right_back.png"), {27, 299}},
            {QStringLiteral("right_fore.png"), {27, 299}},
            {QStringLiteral("volume_left.png"), {129, 13}},
            {QStringLiteral("volume_right.png"), {129, 13}},
            {QStringLiteral("volume_thumb.png"), {5, 17}},
            {QStringLiteral("volume_add.png"), {7, 7}},
            {QStringLiteral("volume_add2.png"), {7, 7}},
            {QStringLiteral("volume_sub.png"), {7, 7}},
            {QStringLiteral("menu.png"), {58, 58}},
            {QStringLiteral("menu_separator.png"), {106, 2}},
            {QStringLiteral("edit_border.png"), {89, 28}},
            {QStringLiteral("dlg_close_button.png"), {24, 24}},
            {QStringLiteral("dlg_close_hover.png"), {24, 24}},
            {QStringLiteral("dlg_close_down.png"), {24, 24}},
            {QStringLiteral("button.png"), {88, 29}},
            {QStringLiteral("button_hover.png"), {88, 29}},
            {QStringLiteral("button_down.png"), {88, 29}},
            {QStringLiteral("button_disable.png"), {88, 29}},
    };
    for (const char *icon : {"tool", "help", "home", "about", "kind_ringtone", "kind_tone"})
        sizes.insert(QLatin1String(icon) + QStringLiteral(".png"), {16, 16});
    for (const char *arrow : {"spinboxup", "spinboxdown"}) {
        for (const char *state : {"", "hover", "pressed", "disabled"})
            sizes.insert(QLatin1String(arrow) + QLatin1String(state) + QStringLiteral(".png"),
                         {18, 8});
    }
    const std::pair<const char *, QSize> families[] = {{"generate", {60, 60}},
                                                       {"stop", {60, 60}},
                                                       {"play", {92, 38}},
                                                       {"pause", {92, 38}},
                                                       {"clip", {92, 38}},
                                                       {"suggest", {36, 36}},
                                                       {"wifi", {32, 32}},
                                                       {"halt", {36, 36}},
                                                       {"browse", {89, 29}},
                                                       {"close", {29, 29}},
                                                       {"minimize", {31, 31}},
                                                       {"menu", {28, 28}},
                                                       {"check", {22, 24}}};
    for (const auto &[stem, size] : families) {
        for (const char *state : {"_button", "_hover", "_down", "_disable"})
            sizes.insert(QLatin1String(stem) + QLatin1String(state) + QStringLiteral(".png"), size);
    }
    // Keyboard focus, in each state a focused button can be in.
    for (const auto &[stem, size] : families) {
        for (const char *state : {"_focus", "_focus_hover", "_focus_down"})
            sizes.insert(QLatin1String(stem) + QLatin1String(state) + QStringLiteral(".png"), size);
    }
    for (const char *state : {"_focus", "_focus_hover", "_focus_down"}) {
        sizes.insert(QStringLiteral("button") + QLatin1String(state) + QStringLiteral(".png"),
                     {88, 29});
        sizes.insert(QStringLiteral("dlg_close") + QLatin1String(state) + QStringLiteral(".png"),
                     {24, 24});
    }
    return sizes;
}

// Form widgets in window pixels, and the two level bars. The export row counts as its export
// check box where its layout places it (the rest of the row is the layout's spacer); the iTunes
// box beside it is never shown on this system, and the tone kind takes its place.
const QRect requiredRects[] = {
        {60, 205, 530, 50},  {440, 470, 94, 22},  {572, 137, 28, 28}, {598, 160, 31, 31},
        {634, 169, 29, 29},  {543, 450, 60, 60},  {294, 343, 92, 38}, {383, 319, 92, 38},
        {474, 343, 92, 38},  {477, 160, 88, 29},  {60, 164, 100, 16}, {153, 160, 315, 28},
        {40, 470, 391, 22},  {50, 510, 471, 21},  {60, 440, 133, 22}, {290, 290, 121, 16},
        {450, 290, 160, 16}, {485, 306, 101, 20}, {60, 286, 174, 80}, {60, 410, 511, 30},
        {60, 380, 341, 30},  {330, 310, 51, 22},  {270, 300, 61, 34}, {0, 82, 26, 425},
        {644, 208, 27, 299},
};

// Controls added beside the form's, which must cover none of them: the fade-out and the loop
// preview (editor/mainshape.cpp).
const QRect addedRects[] = {{404, 382, 95, 28},
                            {501, 384, 46, 22},
                            {552, 384, 79, 22},
                            // The loudness beside the volume, and the even-loudness option.
                            {478, 326, 108, 16},
                            {410, 440, 130, 22},
                            // Suggest, left of Play (editor/mainsuggest.cpp).
                            {251, 344, 36, 36},
                            // The preview's Stop, right of Play Clip (editor/previewstop.cpp).
                            {571, 344, 36, 36},
                            // Export's kind, right of the export check box
                            // (editor/maintonekind.cpp).
                            {199, 440, 155, 22},
                            // Send over Wi-Fi, right of Generate (editor/wifisendbutton.cpp).
                            {607, 464, 32, 32}};

bool opaque(const QImage &image, int x, int y)
{
    const int ratio = qRound(image.devicePixelRatio());
    for (int dy = 0; dy < ratio; ++dy) {
        for (int dx = 0; dx < ratio; ++dx) {
            if (qAlpha(image.pixel(x * ratio + dx, y * ratio + dy)) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

QStringList sizeProblems(const Pictures &pictures, qreal ratio)
{
    QStringList problems;
    QMap<QString, QSize> expected;
    const QMap<QString, QSize> logical = expectedSizes();
    for (auto it = logical.constBegin(); it != logical.constEnd(); ++it)
        expected.insert(ratio == 1 ? it.key() : twinName(it.key()), it.value() * ratio);
    for (const Picture &picture : pictures) {
        const auto it = expected.constFind(picture.name);
        if (it == expected.constEnd())
            problems << QStringLiteral("unexpected picture %1").arg(picture.name);
        else if (picture.image.size() != *it)
            problems << QStringLiteral("%1 is %2 x %3")
                                .arg(picture.name)
                                .arg(picture.image.width())
                                .arg(picture.image.height());
        expected.remove(picture.name);
    }
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
        problems << QStringLiteral("missing picture %1").arg(it.key());
    return problems;
}

QStringList layoutProblems(const QImage &mainBackground)
{
    QStringList problems;
    const QRect inside(QPoint(0, 0), mainBackground.deviceIndependentSize().toSize());
    QList<QRect> rects(std::begin(requiredRects), std::end(requiredRects));
    for (const QRect &added : addedRects) {
        for (const QRect &other : rects) {
            if (added.intersects(other))
                problems << QStringLiteral("%1,%2 %3x%4 covers a control at %5,%6")
                                    .arg(added.x())
                                    .arg(added.y())
                                    .arg(added.width())
                                    .arg(added.height())
                                    .arg(other.x())
                                    .arg(other.y());
        }
        rects << added;
    }
    for (const QRect &r : rects) {
        const QRect part = r.intersected(inside);
        int holes = 0;
        for (int y = part.top(); y <= part.bottom(); ++y) {
            for (int x = part.left(); x <= part.right(); ++x)
                holes += opaque(mainBackground, x, y) ? 0 : 1;
        }
        if (holes > 0)
            problems << QStringLiteral("%1 pixels of %2,%3 %4x%5 are not opaque")
                                .arg(holes)
                                .arg(r.x())
                                .arg(r.y())
                                .arg(r.width())
                                .arg(r.height());
    }
    // The disc turns about (666, 82) and reaches 82 pixels from it.
    int holes = 0;
    for (int y = 0; y < inside.height(); ++y) {
        for (int x = 584; x < inside.width(); ++x) {
            if (std::hypot(x + 0.5 - 666, y + 0.5 - 82) <= 82.5 && !opaque(mainBackground, x, y))
                ++holes;
        }
    }
    if (holes > 0)
        problems << QStringLiteral("%1 pixels under the disc are not opaque").arg(holes);
    return problems;
}

} // namespace skin
