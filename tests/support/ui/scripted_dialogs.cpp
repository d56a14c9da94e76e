#include "support/ui/scripted_dialogs.h"

#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace qm::test {
namespace {

const char* kindName(int kind)
{
    static const char* const names[] = {"message", "file", "font", "color", "printer setup"};
    return names[kind];
}

MessageButton cancelAnswer(MessageButtons buttons)
{
    if (buttons.has(MessageButton::Cancel)) return MessageButton::Cancel;
    if (buttons.has(MessageButton::No)) return MessageButton::No;
    return MessageButton::Ok;
}

}  // namespace

ScriptedDialogs::~ScriptedDialogs()
{
    for (const Answer& answer : m_script)
        ADD_FAILURE() << "a scripted " << kindName(static_cast<int>(answer.kind)) << " answer was never asked for";
}

ScriptedDialogs& ScriptedDialogs::push(Answer answer)
{
    m_script.push_back(std::move(answer));
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerMessage(MessageButton button)
{
    Answer answer(Kind::Message);
    answer.button = button;
    return push(std::move(answer));
}

ScriptedDialogs& ScriptedDialogs::answerFile(const QString& path)
{
    Answer answer(Kind::File);
    answer.accepted = true;
    answer.file = path;
    return push(std::move(answer));
}

ScriptedDialogs& ScriptedDialogs::cancelFile() { return push(Answer(Kind::File)); }

ScriptedDialogs& ScriptedDialogs::answerFont(const FontChoice& font)
{
    Answer answer(Kind::Font);
    answer.accepted = true;
    answer.font = font;
    return push(std::move(answer));
}

ScriptedDialogs& ScriptedDialogs::cancelFont() { return push(Answer(Kind::Font)); }

ScriptedDialogs& ScriptedDialogs::answerColor(const QColor& color)
{
    Answer answer(Kind::Color);
    answer.accepted = true;
    answer.color = color;
    return push(std::move(answer));
}

ScriptedDialogs& ScriptedDialogs::cancelColor() { return push(Answer(Kind::Color)); }

ScriptedDialogs& ScriptedDialogs::answerPrinterSetup(bool accepted)
{
    Answer answer(Kind::Printer);
    answer.accepted = accepted;
    return push(std::move(answer));
}

std::vector<QString> ScriptedDialogs::messageTexts() const
{
    std::vector<QString> texts;
    for (const MessageRequest& message : m_messages) texts.push_back(message.text);
    return texts;
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::take(Kind kind, const std::string& request)
{
    m_log.push_back(request);
    if (m_script.empty() || m_script.front().kind != kind) {
        ADD_FAILURE() << "no scripted answer for the request: " << request
                      << (m_script.empty() ? std::string()
                                           : std::string(" (the script expects a ") +
                                                 kindName(static_cast<int>(m_script.front().kind)) + ")");
        return std::nullopt;
    }
    Answer answer = std::move(m_script.front());
    m_script.pop_front();
    return answer;
}

MessageButton ScriptedDialogs::showMessage(const MessageRequest& request)
{
    m_messages.push_back(request);
    const std::string line = "message " + request.caption.toStdString() + ": " + request.text.toStdString();
    if (request.buttons == MessageButtons(MessageButton::Ok)) {
        // Nothing to decide; a scripted Ok at the front is taken, else the box closes by itself.
        m_log.push_back(line);
        if (!m_script.empty() && m_script.front().kind == Kind::Message && m_script.front().button == MessageButton::Ok)
            m_script.pop_front();
        return MessageButton::Ok;
    }
    const auto answer = take(Kind::Message, line);
    if (!answer) return cancelAnswer(request.buttons);
    EXPECT_TRUE(request.buttons.has(answer->button)) << "the scripted button is not offered by: " << line;
    return answer->button;
}

std::optional<QString> ScriptedDialogs::chooseFile(const FileRequest& request)
{
    m_files.push_back(request);
    const auto answer = take(Kind::File, "file " + request.title.toStdString());
    if (!answer || !answer->accepted) return std::nullopt;
    return answer->file;
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const FontRequest& request)
{
    m_fonts.push_back(request);
    const auto answer = take(Kind::Font, "font " + request.title.toStdString());
    if (!answer || !answer->accepted) return std::nullopt;
    return answer->font;
}

std::optional<QColor> ScriptedDialogs::chooseColor(const ColorRequest& request)
{
    m_colors.push_back(request);
    const auto answer = take(Kind::Color, "color " + request.title.toStdString());
    if (!answer || !answer->accepted) return std::nullopt;
    return answer->color;
}

bool ScriptedDialogs::setUpPrinter(QPrinter&)
{
    ++m_printerSetups;
    const auto answer = take(Kind::Printer, "printer setup");
    return answer && answer->accepted;
}

}  // namespace qm::test
