// SPDX-License-Identifier: MIT
#include "platform/pictures/metafile.h"

#include <QPainter>
#include <QSvgRenderer>

#include <csignal>
#include <cstdlib>
#include <libwmf/api.h>
#include <libwmf/svg.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnholt {

namespace {

constexpr int RenderSeconds = 5;
// The drawing limit of the picture loader, as width times height.
constexpr qint64 MaxMetafilePixels = 40'000'000;

// In the child: the SVG text of the metafile, or nothing.
QByteArray svgOf(QByteArray bytes)
{
    wmfAPI* api = nullptr;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None)
        return {};
    QByteArray svg;
    wmfD_Rect box{};
    unsigned int width = 0, height = 0;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(bytes.data()), bytes.size()) == wmf_E_None
        && wmf_scan(api, 0, &box) == wmf_E_None && wmf_display_size(api, &width, &height, 96, 96) == wmf_E_None
        && width > 0 && height > 0 && qint64(width) * height <= MaxMetafilePixels) {
        wmf_svg_t* device = WMF_SVG_GetData(api);
        device->out = wmf_stream_create(api, nullptr);
        device->Description = const_cast<char*>("metafile");
        device->bbox = box;
        device->width = width;
        device->height = height;
        if (wmf_play(api, 0, &box) == wmf_E_None) {
            char* text = nullptr;
            unsigned long length = 0;
            // The text belongs to the library's own allocations, which wmf_api_destroy frees.
            wmf_stream_destroy(api, device->out, &text, &length);
            device->out = nullptr;
            svg = QByteArray(text, qsizetype(length));
        }
    }
    wmf_api_destroy(api);
    return svg;
}

[[noreturn]] void renderInChild(const QByteArray& bytes, int output)
{
    const QByteArray svg = svgOf(bytes);
    qsizetype sent = 0;
    while (sent < svg.size()) {
        const ssize_t written = ::write(output, svg.constData() + sent, std::size_t(svg.size() - sent));
        if (written <= 0)
            _exit(1);
        sent += written;
    }
    _exit(svg.isEmpty() ? 1 : 0);
}

// Everything the child writes until it closes the pipe; nothing after the time limit.
std::optional<QByteArray> readUntilClosed(int input)
{
    QByteArray text;
    char buffer[65536];
    for (int waited = 0; waited < RenderSeconds * 10;) {
        pollfd ready{input, POLLIN, 0};
        const int events = ::poll(&ready, 1, 100);
        if (events == 0) {
            ++waited;
            continue;
        }
        const ssize_t count = events > 0 ? ::read(input, buffer, sizeof buffer) : -1;
        if (count == 0)
            return text;
        if (count < 0 && errno != EINTR)
            return std::nullopt;
        if (count > 0)
            text.append(buffer, count);
    }
    return std::nullopt;
}

QByteArray svgFromChild(const QByteArray& bytes)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        renderInChild(bytes, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    if (child < 0) {
        ::close(pipeEnds[0]);
        return {};
    }
    const std::optional<QByteArray> svg = readUntilClosed(pipeEnds[0]);
    ::close(pipeEnds[0]);
    if (!svg)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const bool drawn = svg && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return drawn ? *svg : QByteArray();
}

} // namespace

bool looksLikeMetafile(const QByteArray& bytes)
{
    static const QByteArray placeable("\xD7\xCD\xC6\x9A", 4);
    static const QByteArray inMemory("\x01\x00\x09\x00", 4), onDisk("\x02\x00\x09\x00", 4);
    return bytes.startsWith(placeable) || bytes.startsWith(inMemory) || bytes.startsWith(onDisk);
}

QImage renderMetafile(const QByteArray& bytes)
{
    QSvgRenderer renderer(svgFromChild(bytes));
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace varnholt
