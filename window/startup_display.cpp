#include "window/startup_display.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace orvane {
namespace {

// The platform asked for on the command line, as Qt reads it: -platform NAME
// or --platform NAME, and the -platform=NAME spelling as well.
QByteArray PlatformArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, "--", 2) == 0) ++arg;
        if (std::strcmp(arg, "-platform") == 0 && i + 1 < argc) return argv[i + 1];
        if (std::strncmp(arg, "-platform=", 10) == 0) return arg + 10;
    }
    return {};
}

// What the user can check: the platform asked for and the displays named.
std::string DescribeDisplay(int argc, char** argv) {
    std::string described;
    auto add = [&described](const char* name, const QByteArray& value) {
        if (value.isEmpty()) return;
        if (!described.empty()) described += ", ";
        described += name;
        described += value.constData();
    };
    QByteArray platform = PlatformArgument(argc, argv);
    if (platform.isEmpty()) platform = qgetenv("QT_QPA_PLATFORM");
    add("platform ", platform);
    add("WAYLAND_DISPLAY=", qgetenv("WAYLAND_DISPLAY"));
    add("DISPLAY=", qgetenv("DISPLAY"));
    return described;
}

// A message as Qt handed it over. A context field Qt left null stays null:
// the message pattern leaves out what is missing, but prints what is empty.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

const char* NullIfNull(const QByteArray& field) { return field.isNull() ? nullptr : field.constData(); }

// One guard at a time: QApplication is built once.
struct GuardState {
    QtMessageHandler previous = nullptr;
    std::string line;
    std::vector<HeldMessage> held;
};
GuardState* guardState = nullptr;

// Qt names the platform plugin it could not find or load in a warning
// before it gives up, and lists the ones it has in its last words.
std::string PluginFailureLine(const QString& fatalText) {
    static const QRegularExpression named(QStringLiteral("Qt platform plugin \"([^\"]*)\""));
    static const QRegularExpression available(QStringLiteral("Available platform plugins are: ([^\n]*?)\\.?\n?$"));
    QString plugin;
    for (const HeldMessage& message : guardState->held) {
        // A display that cannot be opened also makes its plugin fail to load;
        // the user then needs the display advice, not a list of plugins.
        if (message.text.contains(QLatin1String("could not connect to display")) ||
            message.text.contains(QLatin1String("Failed to create wl_display"))) {
            return {};
        }
        const QRegularExpressionMatch match = named.match(message.text);
        if (match.hasMatch()) plugin = match.captured(1);
    }
    const QRegularExpressionMatch list = available.match(fatalText);
    if (plugin.isEmpty() || !list.hasMatch()) return {};
    return "orvane: no usable Qt platform plugin \"" + plugin.toStdString() +
           "\"; available: " + list.captured(1).toStdString() + "\n";
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const std::string pluginLine = PluginFailureLine(text);
        std::fputs(pluginLine.empty() ? guardState->line.c_str() : pluginLine.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    guardState->held.push_back({type, QByteArray(context.file), context.line,
                                QByteArray(context.function), QByteArray(context.category), text});
}

}  // namespace

bool HasDisplay(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !PlatformArgument(argc, argv).isEmpty();
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

void ReportNoDisplay(const char* program) {
    std::fprintf(stderr,
                 "orvane: no display found; run it on a desktop, or under a virtual one: "
                 "xvfb-run -a %s\n",
                 program);
}

DisplayOpenGuard::DisplayOpenGuard(const char* program, int argc, char** argv) {
    guardState = new GuardState;
    guardState->line = "orvane: cannot open the display (" + DescribeDisplay(argc, argv) +
                       "); run it on a desktop, or under a virtual one: xvfb-run -a " + program +
                       "\n";
    guardState->previous = qInstallMessageHandler(HoldOrFail);
    // Qt reads -platform NAME but not -platform=NAME; hand it either
    // spelling the way it reads a platform from the environment.
    const QByteArray platform = PlatformArgument(argc, argv);
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}

void DisplayOpenGuard::Release() {
    if (guardState == nullptr) return;
    qInstallMessageHandler(guardState->previous);
    for (const HeldMessage& message : guardState->held) {
        const QMessageLogContext context(NullIfNull(message.file), message.line,
                                         NullIfNull(message.function), NullIfNull(message.category));
        guardState->previous(message.type, context, message.text);
    }
    delete guardState;
    guardState = nullptr;
}

}  // namespace orvane
