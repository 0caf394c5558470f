// A program that keeps to one instance per data folder, as Velkora does:
//   velkora_instance_child DATA_FOLDER
// It prints "first" and runs, printing "to front" whenever a later start
// asks for it, until its input is closed (it then ends as a program does,
// removing its lock and socket) or it is killed; a later start prints
// "handed over" and ends.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>

using namespace velkora;

namespace {
void say(const char *line) {
    std::puts(line);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velkora"));
    if (app.arguments().size() != 2) {
        std::fputs("usage: velkora_instance_child DATA_FOLDER\n", stderr);
        return 2;
    }
    SingleInstance instance(app.arguments().at(1));
    switch (instance.claim()) {
    case SingleInstance::Start::First:
        say("first");
        break;
    case SingleInstance::Start::HandedOver:
        say("handed over");
        return 0;
    case SingleInstance::Start::OtherUnreachable:
        say("unreachable");
        return 1;
    }
    QObject::connect(&instance, &SingleInstance::activationRequested, [] { say("to front"); });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    return app.exec();
}
