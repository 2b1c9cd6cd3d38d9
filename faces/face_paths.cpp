#include "faces/face_paths.h"

#include <charconv>
#include <cstdlib>

namespace orvane {
namespace {

void Append(std::string& out, char command, std::initializer_list<qreal> numbers) {
    if (!out.empty()) out += ' ';
    out += command;
    for (const qreal number : numbers) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
        out += ' ';
        out.append(buffer, end);
    }
}

}  // namespace

std::string PathData(const QPainterPath& path) {
    std::string out;
    QPointF start;
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            start = e;
            Append(out, 'M', {e.x, e.y});
        } else if (e.isLineTo()) {
            Append(out, 'L', {e.x, e.y});
        } else if (e.isCurveTo() && i + 2 < count) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            Append(out, 'C', {e.x, e.y, c2.x, c2.y, end.x, end.y});
            i += 2;
        }
        const bool subpathEnds = i + 1 == count || path.elementAt(i + 1).isMoveTo();
        if (subpathEnds && !e.isMoveTo() && QPointF(path.elementAt(i)) == start) out += " Z";
    }
    return out;
}

QPainterPath PathFromData(std::string_view data) {
    QPainterPath path;
    const char* at = data.data();
    const char* const end = at + data.size();
    auto number = [&] {
        while (at < end && *at == ' ') ++at;
        double value = 0;
        at = std::from_chars(at, end, value).ptr;
        return value;
    };
    while (at < end) {
        const char command = *at++;
        switch (command) {
            case 'M': {
                const double x = number();
                path.moveTo(x, number());
                break;
            }
            case 'L': {
                const double x = number();
                path.lineTo(x, number());
                break;
            }
            case 'C': {
                double v[6];
                for (double& value : v) value = number();
                path.cubicTo(v[0], v[1], v[2], v[3], v[4], v[5]);
                break;
            }
            case 'Z':
                path.closeSubpath();
                break;
            default:
                break;  // the spaces between commands
        }
    }
    return path;
}

}  // namespace orvane
