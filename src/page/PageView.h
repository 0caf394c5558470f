#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace velkora {

// State of one form control of the page, as grading and saving answers read it.
struct ControlState {
    QString id;
    QString name;
    QString type; // "radio", "checkbox", "select-one", ...
    bool checked = false;
    QString value;
};

// What the program needs of a page view. Every call that waits for the page
// pumps the event loop and is bounded, so other events may run meanwhile.
class PageView {
public:
    virtual ~PageView() = default;

    // Loads a local HTML file and waits until it is ready. False when it
    // failed, timed out, or another load started while this one waited.
    virtual bool load(const QString &filePath) = 0;
    // Starts loading a local HTML file without waiting for it; a load() of
    // the same file that follows takes it over. A hint a view may ignore.
    virtual void preload(const QString &filePath) { Q_UNUSED(filePath) }
    // Appends the fragments to the end of the body, in order, each parsed on
    // its own; returns once they are in and laid out. False when the page
    // did not take them.
    virtual bool appendHtml(const QStringList &fragments) = 0;
    // Text zoom, 0 (smallest) to 4 (largest).
    virtual void setTextZoom(int level) = 0;
    // Runs a script and waits for it to finish; false when it could not run.
    virtual bool runScript(const QString &script) = 0;
    // Every input and select element of the page, in document order.
    virtual QList<ControlState> controls() = 0;
    virtual bool setElementColor(const QString &elementId, const QString &color) = 0;
    virtual bool setBodyFontSize(int pixels) = 0;
    // True when the page's scripts define every function named; an empty
    // list is always defined.
    virtual bool definesFunctions(const QStringList &names) = 0;
    // Checks the controls `checkedIds` and gives each drop-down of
    // `selections` (id, value) its value, in one call. False when the page
    // could not run it; ids missing from the page are skipped.
    virtual bool presetControls(const QStringList &checkedIds,
                                const QList<std::pair<QString, QString>> &selections) = 0;
};

} // namespace velkora
