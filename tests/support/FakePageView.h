#pragma once

#include "page/PageView.h"

#include <QHash>
#include <QStringList>
#include <functional>

namespace velkora::test {

// A page view without a browser: it records what reaches it and answers
// with the controls a test put on it. `duringLoad` runs while a load
// "waits", as other events would in the real view.
class FakePageView : public PageView {
public:
    bool load(const QString &filePath) override {
        ++loads;
        loaded = filePath;
        appended.clear();
        colors.clear();
        if (duringLoad)
            std::exchange(duringLoad, nullptr)();
        return loadSucceeds;
    }
    bool appendHtml(const QStringList &fragments) override {
        appended << fragments;
        return appendSucceeds;
    }
    void setTextZoom(int level) override { zoom = level; }
    bool runScript(const QString &script) override {
        scripts << script;
        return true;
    }
    QList<ControlState> controls() override {
        ++snapshots;
        return states;
    }
    bool setElementColor(const QString &elementId, const QString &color) override {
        colors.insert(elementId, color);
        return true;
    }
    bool definesFunctions(const QStringList &) override { return templateComplete; }
    bool setBodyFontSize(int pixels) override {
        bodyFontSize = pixels;
        return true;
    }
    bool presetControls(const QStringList &checkedIds,
                        const QList<std::pair<QString, QString>> &selections) override {
        for (ControlState &s : states) {
            if (checkedIds.contains(s.id))
                s.checked = true;
            for (const auto &[id, value] : selections) {
                if (s.id == id)
                    s.value = value;
            }
        }
        preset.append({checkedIds, selections});
        return true;
    }

    // Ticks the controls named after a question whose value is one of the
    // letters, and sets the drop-down "a" + id to the letters.
    void answer(const QString &questionId, const QString &letters) {
        for (ControlState &s : states) {
            if (s.name == questionId)
                s.checked = !s.value.isEmpty() && letters.contains(s.value);
            else if (s.id == QStringLiteral("a") + questionId)
                s.value = letters;
        }
    }

    int loads = 0;
    QString loaded;
    bool loadSucceeds = true;
    bool templateComplete = true;
    bool appendSucceeds = true;
    int zoom = -1;
    int bodyFontSize = 0;
    int snapshots = 0;
    QStringList appended;
    QStringList scripts;
    QList<ControlState> states;
    QHash<QString, QString> colors;
    struct Preset {
        QStringList checkedIds;
        QList<std::pair<QString, QString>> selections;
    };
    QList<Preset> preset; // every presetControls call, in order
    std::function<void()> duringLoad;
};

} // namespace velkora::test
