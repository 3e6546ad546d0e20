#pragma once

#include "platform/services.h"

#include <QClipboard>
#include <QGuiApplication>
#include <deque>
#include <map>
#include <vector>

// Test doubles for every platform service: they record what they were asked and answer from
// a script, so no test blocks on a dialog, opens a browser or touches the user's files.
namespace fakes {

struct ShownMessage {
    QString text;
    platform::MsgIcon icon;
    platform::MsgButtons buttons;
    QString title;
};

class MessageBox : public platform::MessageBoxService {
public:
    platform::MsgAnswer Show(const QString& text, platform::MsgIcon icon,
                             platform::MsgButtons buttons, const QString& title) override {
        shown.push_back({text, icon, buttons, title});
        if (onShow)
            onShow(shown.back());
        if (answers.empty())
            return buttons == platform::MsgButtons::YesNo ? platform::MsgAnswer::No
                                                          : platform::MsgAnswer::Ok;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& m : shown)
            out << m.text;
        return out;
    }
    std::vector<ShownMessage> shown;
    std::deque<platform::MsgAnswer> answers;
    std::function<void(const ShownMessage&)> onShow; // runs while the "box" is up
};

class Urls : public platform::UrlService {
public:
    void Open(const QString& url) override { opened << url; }
    QStringList opened;
};

class Settings : public platform::SettingsStore {
public:
    QString Read(const QString& app, const QString& section, const QString& key) override {
        ++reads;
        const auto it = values.find(app + '/' + section + '/' + key);
        return it == values.end() ? QString() : it->second;
    }
    void Save(const QString& app, const QString& section, const QString& key,
              const QString& value) override {
        ++saves;
        values[app + '/' + section + '/' + key] = value;
    }
    void Flush() override { ++flushes; }
    std::map<QString, QString> values;
    int reads = 0, saves = 0, flushes = 0;
};

// Clears the real (in-process, offscreen) clipboard too, so copy and clear can be observed.
class Clipboard : public platform::ClipboardService {
public:
    void Clear() override {
        ++clears;
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
        if (QGuiApplication::clipboard()->supportsSelection())
            QGuiApplication::clipboard()->clear(QClipboard::Selection);
    }
    int clears = 0;
};

class Clock : public platform::Clock {
public:
    QDateTime Now() override { return now; }
    QDateTime now{QDate(2026, 12, 7), QTime(9, 30)};
};

class Random : public platform::RandomGenerator {
public:
    void Randomize() override { ++randomizes; }
    float Rnd() override {
        const float r = values.empty() ? 0.0f : values.front();
        if (!values.empty())
            values.pop_front();
        return r;
    }
    std::deque<float> values;
    int randomizes = 0;
};

class Instance : public platform::InstanceGuard {
public:
    bool AnotherInstanceRunning() override { return anotherRunning; }
    void Release() override { ++releases; }
    bool anotherRunning = false;
    int releases = 0;
};

class Ender : public platform::ProcessEnder {
public:
    void End(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

// One complete set of doubles, wired into a Platform.
struct TestPlatform {
    MessageBox messageBox;
    Urls urls;
    Settings settings;
    Clipboard clipboard;
    Clock clock;
    Random random;
    Instance instance;
    Ender ender;
    platform::Platform platform{messageBox, urls,  settings,
                                clipboard,  clock, random,
                                instance,   ender, QStringLiteral("lunavik")};
};

} // namespace fakes
