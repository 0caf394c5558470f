// A program that keeps to one instance per data folder, as Velkora does:
//   velkora_instance_child DATA_FOLDER
// It prints "first" and runs until killed, printing "to front" whenever a
// later start asks for it; a later start prints "handed over" and ends.
#include "app/SingleInstance.h"

#include <QCoreApplication>
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
    return app.exec();
}
