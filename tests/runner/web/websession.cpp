// SPDX-License-Identifier: GPL-3.0-or-later
#include "websession.h"

#include "json.h"
#include "propertyvalue.h"

#include <csignal>
#include <cstdio>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {
void appendUtf8(std::string &out, unsigned code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The driver's answers: a string, or arrays of them (the events).
struct Reader {
    std::string_view text;
    std::size_t at = 0;

    std::string string()
    {
        std::string out;
        if (text.at(at++) != '"')
            throw ScenarioError("the driver answered " + std::string(text));
        for (char c; (c = text.at(at++)) != '"';) {
            if (c != '\\') {
                out += c;
                continue;
            }
            const char escape = text.at(at++);
            const std::string_view plain = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
            if (escape != 'u') {
                out += meant.at(plain.find(escape));
                continue;
            }
            unsigned code = hex4();
            if (code >= 0xD800 && code < 0xDC00 && text.substr(at, 2) == "\\u") {
                at += 2;
                code = 0x10000 + ((code - 0xD800) << 10) + (hex4() - 0xDC00);
            }
            appendUtf8(out, code);
        }
        return out;
    }

    unsigned hex4()
    {
        const unsigned code = static_cast<unsigned>(std::stoul(std::string(text.substr(at, 4)), nullptr, 16));
        at += 4;
        return code;
    }

    std::vector<std::vector<std::string>> events()
    {
        std::vector<std::vector<std::string>> list;
        expect('[');
        while (text.at(at) != ']') {
            expect('[');
            list.emplace_back();
            while (text.at(at) != ']') {
                list.back().push_back(string());
                if (text.at(at) == ',')
                    ++at;
            }
            ++at;
            if (text.at(at) == ',')
                ++at;
        }
        return list;
    }

    void expect(char c)
    {
        if (text.at(at++) != c)
            throw ScenarioError("the driver answered " + std::string(text));
    }
};

} // namespace

// The Node.js process that holds the browser, on two pipes.
class BrowserDriver {
public:
    explicit BrowserDriver(const std::string &folder)
    {
        int toDriver[2], fromDriver[2];
        if (pipe(toDriver) != 0 || pipe(fromDriver) != 0)
            throw ScenarioError("no pipe for the browser's driver");
        m_pid = fork();
        if (m_pid == 0) {
            dup2(toDriver[0], STDIN_FILENO);
            dup2(fromDriver[1], STDOUT_FILENO);
            for (const int end : {toDriver[0], toDriver[1], fromDriver[0], fromDriver[1]})
                close(end);
            execlp("node", "node", GEOMIRA_WEB_DRIVER, folder.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        close(toDriver[0]);
        close(fromDriver[1]);
        m_requests = fdopen(toDriver[1], "w");
        m_answers = fdopen(fromDriver[0], "r");
    }

    ~BrowserDriver()
    {
        std::fclose(m_requests);
        std::fclose(m_answers);
        waitpid(m_pid, nullptr, 0);
    }

    // One request, its answer; an answer starting with '!' is the page's refusal.
    std::string ask(const std::vector<std::string> &request)
    {
        std::string line = "[";
        for (const std::string &part : request)
            line += (line.size() > 1 ? "," : "") + part;
        line += "]\n";
        std::fputs(line.c_str(), m_requests);
        std::fflush(m_requests);
        std::string answer;
        for (int c; (c = std::fgetc(m_answers)) != EOF && c != '\n';)
            answer += static_cast<char>(c);
        if (answer.empty())
            throw ScenarioError("the browser's driver has stopped");
        if (answer.starts_with("\"!"))
            throw ScenarioError(Reader{answer}.string().substr(1));
        return answer;
    }

    std::string text(const std::vector<std::string> &request) { return Reader{ask(request)}.string(); }

private:
    pid_t m_pid = -1;
    std::FILE *m_requests = nullptr;
    std::FILE *m_answers = nullptr;
};

WebSession::WebSession(std::shared_ptr<BrowserDriver> driver)
    : m_driver(std::move(driver))
{
    m_driver->ask({jsonString("start")});
}

WebSession::~WebSession() = default;

void WebSession::menu(std::string_view item) { m_driver->ask({jsonString("menu"), jsonString(item)}); }
void WebSession::key(std::string_view control, int code) { m_driver->ask({jsonString("key"), jsonString(control), std::to_string(code)}); }
void WebSession::paste(std::string_view control, std::string_view text) { m_driver->ask({jsonString("paste"), jsonString(control), jsonString(text)}); }
void WebSession::clear(std::string_view control) { m_driver->ask({jsonString("clear"), jsonString(control)}); }
void WebSession::click(std::string_view control) { m_driver->ask({jsonString("click"), jsonString(control)}); }
void WebSession::mouseMove(std::string_view control) { m_driver->ask({jsonString("mousemove"), jsonString(control)}); }
void WebSession::showTab(int page) { m_driver->ask({jsonString("tab"), std::to_string(page)}); }
void WebSession::closeBox() { m_driver->ask({jsonString("close")}); }
void WebSession::setPrinter(bool on) { m_driver->ask({jsonString("printer"), on ? "true" : "false"}); }
void WebSession::wait(int milliseconds) { m_driver->ask({jsonString("wait"), std::to_string(milliseconds)}); }
std::string WebSession::activeWindow() { return m_driver->text({jsonString("active")}); }

std::string WebSession::read(std::string_view control, Readable property)
{
    const std::string shown = m_driver->text({jsonString("read"), jsonString(control), jsonString(nameOf(property))});
    return readable(nameOf(property))->kind == ValueKind::String ? quote(shown) : shown;
}

std::string WebSession::showColor(std::string_view canonical)
{
    const unsigned long color = std::stoul(std::string(canonical.substr(2)), nullptr, 16);
    return color & 0x80000000UL ? m_driver->text({jsonString("colour"), std::to_string(color)}) : std::string(canonical);
}

std::vector<std::string> WebSession::takeEvents()
{
    std::vector<std::string> events;
    for (const std::vector<std::string> &event : Reader{m_driver->ask({jsonString("events")})}.events()) {
        if (event.at(0) == "message")
            events.push_back(messageEvent(event.at(1), event.at(2)));
        else
            events.push_back(event.size() > 1 ? event[0] + ' ' + event[1] : event[0]);
    }
    return events;
}

void WebSession::open(std::string_view window)
{
    throw ScenarioError("the page opens " + std::string(window) + " only through its menu");
}

std::function<std::unique_ptr<Session>()> webSessions(const std::string &folder)
{
    std::signal(SIGPIPE, SIG_IGN);
    auto driver = std::make_shared<BrowserDriver>(folder);
    return [driver]() -> std::unique_ptr<Session> { return std::make_unique<WebSession>(driver); };
}
