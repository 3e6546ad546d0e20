#pragma once

#include "platform/qt_services.h"
#include "platform/services.h"

#include <deque>
#include <functional>
#include <map>
#include <vector>

// Test doubles for the platform services: they record what they were asked and answer from a
// script, so no test blocks on a dialog, opens a browser or touches the user's files. The
// clipboard is the real one, which works offscreen.
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
        m_pending.push_back({text, icon, buttons, title});
        if (m_onShow)
            m_onShow(m_pending.back());
        if (m_answers.empty())
            return buttons == platform::MsgButtons::YesNo ? platform::MsgAnswer::No
                                                          : platform::MsgAnswer::Ok;
        const auto answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    // The boxes shown that the test has not yet checked, oldest first; the fixture fails a
    // test that leaves any.
    std::deque<ShownMessage> m_pending;
    std::deque<platform::MsgAnswer> m_answers;
    std::function<void(const ShownMessage&)> m_onShow; // runs while the "box" is up
};

class Urls : public platform::UrlService {
public:
    bool Open(const QString& url) override {
        m_opened << url;
        return !m_refuse;
    }
    QStringList m_opened;
    bool m_refuse = false; // as a system with no browser answers
};

class Settings : public platform::SettingsStore {
public:
    QString Read(const QString& app, const QString& section, const QString& key) override {
        ++m_reads;
        const auto it = m_values.find(app + u'/' + section + u'/' + key);
        return it == m_values.end() ? QString() : it->second;
    }
    void Save(const QString& app, const QString& section, const QString& key,
              const QString& value) override {
        ++m_saves;
        m_values[app + u'/' + section + u'/' + key] = value;
    }
    void Flush() override {}
    std::map<QString, QString> m_values;
    int m_reads = 0, m_saves = 0;
};

// The real clipboard service: tests observe what it leaves on the clipboard.
using Clipboard = platform::QtClipboard;

class Clock : public platform::Clock {
public:
    QDateTime Now() override { return m_now; }
    QDateTime m_now{QDate(2026, 12, 7), QTime(9, 30)};
};

class Random : public platform::RandomGenerator {
public:
    void Randomize() override {
        ++m_randomizes;
        if (m_onRandomize)
            m_onRandomize(); // may throw, to stand for a failing step
    }
    float Rnd() override {
        const float r = m_values.empty() ? 0.0f : m_values.front();
        if (!m_values.empty())
            m_values.pop_front();
        return r;
    }
    std::deque<float> m_values;
    int m_randomizes = 0;
    std::function<void()> m_onRandomize;
};

class Instance : public platform::InstanceGuard {
public:
    bool AnotherInstanceRunning() override { return m_anotherRunning; }
    QString BlockingLock() const override { return m_blockingLock; }
    void Release() override {}
    bool m_anotherRunning = false;
    QString m_blockingLock; // when set, a leftover lock, not an instance, stops the start
};

class Ender : public platform::ProcessEnder {
public:
    void End(int status) override { m_statuses.push_back(status); }
    std::vector<int> m_statuses;
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
